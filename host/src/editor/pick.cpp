// Entity picks: at a point through the pick box, or by handle.
#include "editor/pick.h"

#include "editor/cursor.h"
#include "editor/editor.h"
#include "editor/geometry.h"
#include "editor/ucs_state.h"
#include "editor/view_state.h"
#include "zrx/ed_input.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/contract.h"
#include "db/database_impl.h"
#include "zrxhost/spaces.h"

namespace zrxhost::ed {
namespace {

double aperture(ZcDbDatabase* db)
{
    resbuf box{};
    int pickbox = zcedGetVar("PICKBOX", &box) == RTNORM ? box.resval.rint : 3;
    return pickbox * pixelSize(db);
}

}  // namespace

ZcDbObjectId pickAt(ZcDbDatabase* db, const ZcGePoint3d& p)
{
    if (db == nullptr) return {};
    double reach = aperture(db);
    zrxhost::HostAccess access;
    ZcDbObjectId best;
    double bestDistance = reach;
    for (ZcDbObjectId id : liveEntities(zrxhost::modelSpaceId(db))) {
        auto* e = zrxhost::peek<ZcDbEntity>(id);
        if (e == nullptr || !isShown(e)) continue;
        double d = entityDistance(e, p);
        if (d <= bestDistance) {
            best = id;
            bestDistance = d;
        }
    }
    return best;
}

int pickEntity(const char* prompt, ZcDbObjectId& hit, ZcGePoint3d& at)
{
    InitGet init = takeInitGet();
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    for (;;) {
        Answer a = ask(prompt, "\nSelect object: ");
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) {
            setErrno(OL_ENTSELNULL);
            return RTERROR;
        }
        hit = ZcDbObjectId();
        // Points are given and given back in the UCS; entities are found in the world.
        if (auto p = parsePoint(a.text)) {
            at = *p;
            clickAt(at);
            hit = pickAt(db, ucsToWorld(at));
        } else if (auto pick = parseHandlePick(a.text)) {
            ZcDbObjectId id;
            zrxhost::HostAccess access;
            if (db != nullptr && db->getZcDbObjectId(id, false, pick->handle) == Zcad::eOk && !id.isErased()) {
                auto* e = zrxhost::peek<ZcDbEntity>(id);
                if (e != nullptr && isShown(e)) {
                    hit = id;
                    at = pick->at ? *pick->at : worldToUcs(pointOnEntity(e));
                }
            }
        } else if (auto kw = matchKeyword(init, a.text)) {
            setLastInput(*kw);
            return RTKWORD;
        } else if (init.bits & RSG_OTHER) {
            setLastInput(a.text);
            return RTKWORD;
        } else {
            if (!reject("Invalid selection", a.text)) return RTCAN;
            continue;
        }
        if (hit.isNull()) {
            setErrno(OL_ENTSELPICK);
            return RTERROR;
        }
        return RTNORM;
    }
}

}  // namespace zrxhost::ed

int zcedEntSel(const char* prompt, ads_name entres, ads_point ptres)
{
    ZcDbObjectId hit;
    ZcGePoint3d at;
    int rc = zrxhost::ed::pickEntity(prompt, hit, at);
    if (rc != RTNORM) return rc;
    zrxhost::ed::nameOf(hit, entres);
    if (ptres != nullptr) {
        ptres[X] = at.x;
        ptres[Y] = at.y;
        ptres[Z] = at.z;
    }
    return RTNORM;
}
