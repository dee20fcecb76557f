#include "drafting/frame_sections.h"

#include <cstdlib>

#include "core/model_space_walk.h"
#include "core/single_xdata.h"
#include "core/xdata_presence.h"

namespace {

// Reads as the integer atoi gives: "25" and "25+" are 25, "AP" and "0" are 0.
bool numberedFrame(const ZcDbEntity* section)
{
    CString name;
    TrevanComARX_GetXdataStr(section, "A_FNAM", name);
    return std::atoi(name.GetString()) != 0;
}

bool collect(ZcDbDatabase* db, ZcDbVoidPtrArray& frames, ZcDbVoidPtrArray& cuts, int filter, const char* cutApp,
             const char* cutNameApp)
{
    if (db == nullptr) return false;
    ZcDbObjectIdArray ids;
    {
        CModelSpaceWalk walk(db);
        if (walk.failure() != CModelSpaceWalk::kNone) return false;
        walk.appendIds(ids);
    }
    for (int i = 0; i < ids.length(); ++i) {
        ZcDbEntity* e = nullptr;
        if (zcdbOpenObject(e, ids[i], ZcDb::kForRead) != Zcad::eOk) continue;
        auto* curve = ZcDbCurve::cast(e);
        if (curve != nullptr && TrevanComARX_HasXdata(e, cutApp) && TrevanComARX_HasXdata(e, cutNameApp)) {
            cuts.append(curve);
            continue;
        }
        if (curve != nullptr && TrevanComARX_HasXdata(e, "A_FNAM") && !TrevanComARX_HasXdata(e, "BREAKINTOLINE") &&
            (filter != 1 || numberedFrame(e))) {
            frames.append(curve);
            continue;
        }
        e->close();
    }
    return true;
}

}  // namespace

bool TrevanComARX_GetAllFrameLineAndHLine(ZcDbDatabase* pDb, ZcDbVoidPtrArray& frameLines, ZcDbVoidPtrArray& cutLines,
                                          int filter)
{
    return collect(pDb, frameLines, cutLines, filter, "A_HCUTLINE", "A_HCUTLINENAME");
}

bool TrevanComARX_GetAllFrameLineAndVLine(ZcDbDatabase* pDb, ZcDbVoidPtrArray& frameLines, ZcDbVoidPtrArray& cutLines,
                                          int filter)
{
    return collect(pDb, frameLines, cutLines, filter, "A_VCUTLINE", "A_VCUTLINENAME");
}

double TrevanCom_FramePosition(const ZcDbEntity* section)
{
    double position = 0.0;
    if (TrevanComARX_GetXdataReal(section, "A_KYOD", position) == 0) return 0.0;
    return position;
}

void TrevanCom_CloseCurves(ZcDbVoidPtrArray& curves)
{
    for (int i = 0; i < curves.length(); ++i) static_cast<ZcDbCurve*>(curves[i])->close();
    curves.setLogicalLength(0);
}
