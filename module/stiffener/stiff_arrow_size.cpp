#include "stiffener/stiff_arrow_size.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/handle_names.h"
#include "core/lisp_args.h"
#include "core/model_space_walk.h"
#include "core/single_xdata.h"
#include "core/xdata_presence.h"
#include "records/stiff_exports.h"
#include "records/stiff_read.h"
#include "settings/dim_style_update.h"

namespace {

const char* const kMarkLinks[] = {"STIFF_SYMARK_HDNAME", "STIFF_EYMARK_HDNAME"};

// What sizing needs of one stiffener, taken while the walk has it open.
struct StiffToSize {
    ZcDbObjectId id;
    bool dimension = false;
    CString marks[2];  // handle names as the links hold them; empty when there is no link
};

// Marks that are gone or cannot be written are left alone.
void scaleMarks(const CString (&marks)[2], double size)
{
    for (const CString& handle : marks) {
        if (handle.IsEmpty()) continue;
        const ZcDbObjectId markId = TrevanComARX_GetObjid(handle);
        if (markId.isNull()) continue;
        ZcDbObjectPointer<ZcDbBlockReference> pMark(markId, ZcDb::kForWrite);
        if (pMark.openStatus() == Zcad::eOk) pMark->setScaleFactors(ZcGeScale3d(size));
    }
}

void scaleMarks(ZcDbObjectId stiffId, double size)
{
    CString marks[2];
    for (int i = 0; i < 2; ++i) {
        if (TrevanComARX_GetXdataStr(stiffId, kMarkLinks[i], marks[i]) != 1) marks[i].Empty();
    }
    scaleMarks(marks, size);
}

// Every stiffener of model space, read in one pass, and the shortest length among those whose
// record reads (xdata no layout reads counts as length 0, as the record then has no points).
bool collectStiffeners(std::vector<StiffToSize>& stiffs, double& shortest)
{
    CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
    if (walk.failure() != CModelSpaceWalk::kNone) {
        walk.reportFailure();
        return false;
    }
    walk.visit([&](const ZcDbEntity& ent) {
        CStiffData stiff;
        const TrevanStiffRead read = TrevanCom_ReadStiffRecord(&ent, TREVANCOM_STIFF_APP, stiff);
        if (read == TrevanStiffRead::kNone && !TrevanComARX_HasXdata(&ent, TREVANCOM_STIFF_APP)) return true;
        if (read != TrevanStiffRead::kNone) shortest = std::min(shortest, stiff.m_ptStart.distanceTo(stiff.m_ptEnd));
        StiffToSize one;
        one.id = ent.objectId();
        one.dimension = ZcDbDimension::cast(&ent) != nullptr;
        for (int i = 0; i < 2; ++i) {
            if (TrevanComARX_GetXdataStr(&ent, kMarkLinks[i], one.marks[i]) != 1) one.marks[i].Empty();
        }
        stiffs.push_back(one);
        return true;
    });
    return true;
}

// DIMSCALE 0 asks the platform to fit paper space, which a model-space size ignores.
double ownArrowSize(const ZcDbDimension* pDim, double size)
{
    const double scale = pDim->dimscale();
    return scale > 0.0 ? size / scale : size;
}

void sizeStyles(double size)
{
    CString setting;
    setting.Format("1,DIMASZ,%.10f", size);
    CStringArray settings;
    settings.Add(setting);
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    for (const char* style : {"STIFF1", "STIFF2", "STIFF3"}) TrevanCom_UpdateDimStyle(style, settings, ",", pDb);
}

// The size a stiffener other than a dimension starts from.
double baseArrowSize()
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbDimStyleTable* pTable = nullptr;
    if (pDb != nullptr && pDb->getDimStyleTable(pTable, ZcDb::kForRead) == Zcad::eOk) {
        ZcDbDimStyleTableRecord* pStyle = nullptr;
        const bool bFound = pTable->getAt("STIFF1", pStyle, ZcDb::kForRead) == Zcad::eOk;
        pTable->close();
        if (bFound) {
            const double size = pStyle->dimasz();
            pStyle->close();
            return size;
        }
    }
    resbuf rb;
    if (zcedGetVar("DIMASZ", &rb) == RTNORM && rb.restype == RTREAL) return rb.resval.rreal;
    return 0.0;
}

// The length the arrows are measured against; false for an entity that has none.
bool stiffLength(ZcDbEntity* pEnt, double& length)
{
    if (const ZcDbAlignedDimension* pDim = ZcDbAlignedDimension::cast(pEnt)) {
        length = pDim->xLine1Point().distanceTo(pDim->xLine2Point());
        return true;
    }
    const ZcDbCurve* pCurve = ZcDbCurve::cast(pEnt);
    ZcGePoint3d start, end;
    if (pCurve == nullptr || pCurve->getStartPoint(start) != Zcad::eOk || pCurve->getEndPoint(end) != Zcad::eOk)
        return false;
    length = start.distanceTo(end);
    return true;
}

double styleArrowSize(const ZcDbDimension* pDim, double fallback)
{
    ZcDbObjectPointer<ZcDbDimStyleTableRecord> pStyle(pDim->dimensionStyle(), ZcDb::kForRead);
    return pStyle.openStatus() == Zcad::eOk ? pStyle->dimasz() : fallback;
}

}  // namespace

void TrevanCom_SetSitiffAsz()
{
    std::vector<StiffToSize> stiffs;
    double shortest = std::numeric_limits<double>::infinity();
    if (!collectStiffeners(stiffs, shortest) || shortest == std::numeric_limits<double>::infinity()) return;
    const double size = shortest / 50.0;
    sizeStyles(size);
    for (const StiffToSize& stiff : stiffs) {
        if (stiff.dimension) {
            ZcDbObjectPointer<ZcDbDimension> pDim(stiff.id, ZcDb::kForWrite);
            if (pDim.openStatus() == Zcad::eOk) pDim->setDimasz(ownArrowSize(pDim.object(), size));
        }
        scaleMarks(stiff.marks, size);
    }
}

int TrevanComARX_SetSitiffAszLispFunc()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    if (!args.entity(id)) return args.fail();
    const double base = baseArrowSize();
    double length = 0.0;
    {
        ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForWrite);
        if (pEnt.openStatus() != Zcad::eOk || !stiffLength(pEnt.object(), length)) return args.fail();
    }
    if (length == 0.0) return args.fail();
    {
        ZcDbObjectPointer<ZcDbDimension> pDim(id, ZcDb::kForWrite);
        if (pDim.openStatus() == Zcad::eOk) {
            double size = styleArrowSize(pDim.object(), base);
            if (length < 4.0 * size) size = length / 10.0;
            pDim->setDimasz(ownArrowSize(pDim.object(), size));
            return TrevanLispArgs::retT();
        }
    }
    double size = base;
    if (length < 4.0 * size) size = length / 10.0;
    scaleMarks(id, size);
    return TrevanLispArgs::retT();
}
