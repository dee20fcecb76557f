#include "stiffener/stiff_ymark.h"

#include "core/curve_ends.h"
#include "core/handle_names.h"
#include "core/layer_status.h"
#include "core/lisp_args.h"
#include "core/single_xdata.h"
#include "settings/sys_dir.h"

namespace {

// Attributes are hidden and shown with their mark, as the user sees them as one.
void toggleVisibility(ZcDbObjectId markId)
{
    ZcDbObjectPointer<ZcDbEntity> pMark(markId, ZcDb::kForWrite);
    if (pMark.openStatus() != Zcad::eOk) return;
    const ZcDb::Visibility now = pMark->visibility() == ZcDb::kVisible ? ZcDb::kInvisible : ZcDb::kVisible;
    pMark->setVisibility(now);
    ZcDbBlockReference* pRef = ZcDbBlockReference::cast(pMark.object());
    if (pRef == nullptr) return;
    ZcDbObjectIterator* pIter = pRef->attributeIterator();
    for (pIter->start(); !pIter->done(); pIter->step()) {
        ZcDbObjectPointer<ZcDbEntity> pAttr(pIter->objectId(), ZcDb::kForWrite);
        if (pAttr.openStatus() == Zcad::eOk) pAttr->setVisibility(now);
    }
    delete pIter;
}

}  // namespace

int TrevanComARX_setLineStiffYMarkOnOff()
{
    TrevanLispArgs args;
    ZcDbObjectId stiffId;
    ZcGePoint3d pt;
    if (!args.entity(stiffId) || !args.point(pt)) return args.fail();
    ZcGePoint3d startPt, endPt;
    if (!TrevanCom_GetCurveSEpt(stiffId, startPt, endPt)) return TrevanLispArgs::retNil();
    CString dataDir;
    if (!TrevanComARX_GetDataDirFunc(dataDir)) return TrevanLispArgs::retNil();
    const char* link = pt.distanceTo(startPt) < pt.distanceTo(endPt) ? "STIFF_SYMARK_HDNAME" : "STIFF_EYMARK_HDNAME";
    CString strHandle;
    if (TrevanComARX_GetXdataStr(stiffId, link, strHandle) != 1) return TrevanLispArgs::retT();
    const ZcDbObjectId markId = TrevanComARX_GetObjid(strHandle);
    if (markId.isNull()) return TrevanLispArgs::retT();
    CLayerEditGuard guard(markId);
    toggleVisibility(markId);
    return TrevanLispArgs::retT();
}
