#include "cross/section_texts.h"

#include "core/model_space_append.h"
#include "core/ucs_points.h"

namespace {

const double kHalfPi = 1.57079632679489661923;

// The drag's origin and its last transform, shared with the host's drag callback.
ZcGePoint3d g_dragOrigin;
ads_matrix g_dragMatrix;

int followCursor(ads_point pt, ads_matrix mt)
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) mt[r][c] = r == c ? 1.0 : 0.0;
    }
    mt[0][3] = pt[X] - g_dragOrigin.x;
    mt[1][3] = pt[Y] - g_dragOrigin.y;
    mt[2][3] = pt[Z] - g_dragOrigin.z;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) g_dragMatrix[r][c] = mt[r][c];
    }
    return RTNORM;
}

enum class Placed { kYes, kCancelled, kNoAnswer };

// Drags the text once from the reference point; a given point moves it there.
Placed dragOnce(ZcDbObjectId textId, const ZcGePoint3d& refPt, const char* prompt)
{
    ads_name ent, ss;
    if (zcdbGetAdsName(ent, textId) != Zcad::eOk || zcedSSAdd(ent, nullptr, ss) != RTNORM) return Placed::kNoAnswer;
    g_dragOrigin = TrevanComTransWtoU(refPt);
    ads_point pt;
    const int rc = zcedDragGen(ss, prompt, 0, followCursor, pt);
    if (rc == RTNORM) zcedXformSS(ss, g_dragMatrix);
    zcedSSFree(ss);
    if (rc == RTNORM) return Placed::kYes;
    return rc == RTCAN || rc == RTNONE ? Placed::kCancelled : Placed::kNoAnswer;
}

bool makeText(const CString& label, double rotation, ZcDbObjectId& textId)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    auto* pText = new ZcDbText(ZcGePoint3d::kOrigin, label, ZcDbObjectId::kNull, 20, rotation);
    pText->setDatabaseDefaults(pDb);
    pText->setHeight(20);
    if (TrevanCom_AppendToModelSpace(pText, textId, pDb)) return true;
    delete pText;
    return false;
}

void erase(ZcDbObjectId id)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForWrite);
    if (pEnt.openStatus() == Zcad::eOk) pEnt->erase();
}

// Drags until placed; with retry off, Esc ends it. An unplaced text is taken away.
bool place(const CString& label, double rotation, const ZcGePoint3d& refPt, const char* prompt, bool retry)
{
    ZcDbObjectId textId;
    if (!makeText(label, rotation, textId)) return false;
    for (;;) {
        const Placed placed = dragOnce(textId, refPt, prompt);
        if (placed == Placed::kYes) return true;
        if (placed == Placed::kNoAnswer || !retry) break;
    }
    erase(textId);
    return false;
}

}  // namespace

bool TrevanCom_CrossDragThroughText(const CString& label, const ZcGePoint3d& refPt)
{
    return place(label, kHalfPi, refPt, "\n通し部材の断面寸法の位置を指示：", true);
}

bool TrevanCom_CrossDragPartnerTexts(const CStringArray& labels, const ZcGePoint3d& refPt)
{
    for (int i = 1; i < labels.GetSize(); ++i) {
        if (!place(labels[i], 0.0, refPt, "\n相手部材の断面寸法の位置を指示：", i == 1)) return false;
    }
    return true;
}
