// Moving a selection set: the drag and the transform.
#include "editor/editor.h"
#include "editor/selection_sets.h"
#include "zrx/ed_input.h"
#include "zrx/ed_selection.h"
#include "zrxhost/command_line.h"
#include "zrxhost/session.h"

int zcedXformSS(const ads_name ssname, ads_matrix genmat)
{
    using namespace zrxhost::ed;
    SelectionSet* s = findSet(ssname);
    if (s == nullptr || genmat == nullptr) return RTERROR;
    ZcGeMatrix3d m;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) m.entry[r][c] = genmat[r][c];
    }
    int rc = RTNORM;
    for (ZcDbObjectId id : s->ids) {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        if (e.openStatus() != Zcad::eOk || e->transformBy(m) != Zcad::eOk) rc = RTERROR;
    }
    return rc;
}

int zcedDragGen(const ads_name ss, const char* prompt, int /*cursor*/, int (*scnf)(ads_point pt, ads_matrix mt),
                ads_point p)
{
    using namespace zrxhost::ed;
    if (findSet(ss) == nullptr || scnf == nullptr) return RTERROR;
    int rc = zcedGetPoint(nullptr, prompt, p);
    // A script that has run out can never place the set: an error, so that a caller dragging
    // again after Esc stops, where the platform would wait for the user.
    if (rc == RTCAN && zrxhost::inputMode() == zrxhost::InputMode::Script) {
        zrxhost::AnswerSource* source = zrxhost::answerSource();
        if (source == nullptr || !source->peek()) return RTERROR;
    }
    if (rc != RTNORM) return rc;
    // The platform calls back as the cursor moves; here the cursor only lands once.
    ads_matrix m = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    scnf(p, m);
    return RTNORM;
}
