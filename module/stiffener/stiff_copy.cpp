#include "stiffener/stiff_copy.h"

#include <memory>

#include "core/handle_names.h"
#include "core/layer_status.h"
#include "core/lisp_args.h"
#include "core/model_space_append.h"
#include "core/single_xdata.h"
#include "records/stiff_exports.h"
#include "settings/layer_states.h"

namespace {

struct MarkEnd {
    const char* link;      // on the stiffener
    const char* backLink;  // on the mark
};

const MarkEnd kEnds[] = {{"STIFF_SYMARK_HDNAME", "STIFF_SupportDraw_YMarkS"},
                         {"STIFF_EYMARK_HDNAME", "STIFF_SupportDraw_YMarkE"}};

ZcDbDatabase* workingDb() { return zcdbHostApplicationServices()->workingDatabase(); }

ZcDbObjectId linkedMark(const ZcDbEntity* pStiff, const char* link)
{
    CString strHandle;
    if (TrevanComARX_GetXdataStr(pStiff, link, strHandle) != 1) return ZcDbObjectId::kNull;
    return TrevanComARX_GetObjid(strHandle);
}

// A copy outside the drawing, owned by the caller; null when the entity cannot be read.
std::unique_ptr<ZcDbEntity> copyOf(ZcDbObjectId id)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return nullptr;
    return std::unique_ptr<ZcDbEntity>(ZcDbEntity::cast(pEnt->clone()));
}

// Appends the copy; a copy the drawing refuses is deleted and a null id given.
ZcDbObjectId append(std::unique_ptr<ZcDbEntity> pCopy)
{
    ZcDbObjectId id;
    if (pCopy == nullptr || !TrevanCom_AppendToModelSpace(pCopy.get(), id, workingDb())) return ZcDbObjectId::kNull;
    pCopy.release();
    return id;
}

void eraseEntity(ZcDbObjectId id)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForWrite);
    if (pEnt.openStatus() == Zcad::eOk) pEnt->erase();
}

void link(ZcDbObjectId stiffId, ZcDbObjectId markId, const MarkEnd& end)
{
    TrevanComARX_SetXdataStr(stiffId, end.link, TrevanComARX_GetHandleName(markId));
    TrevanComARX_SetXdataStr(markId, end.backLink, TrevanComARX_GetHandleName(stiffId));
}

bool setEnds(ZcDbEntity* pStiff, const ZcGePoint3d& start, const ZcGePoint3d& end)
{
    if (ZcDbLine* pLine = ZcDbLine::cast(pStiff)) return pLine->setStartPoint(start) == Zcad::eOk && pLine->setEndPoint(end) == Zcad::eOk;
    if (ZcDbAlignedDimension* pDim = ZcDbAlignedDimension::cast(pStiff))
        return pDim->setXLine1Point(start) == Zcad::eOk && pDim->setXLine2Point(end) == Zcad::eOk;
    return true;
}

}  // namespace

int TrevanComARX_StiffCopyLispFunc()
{
    TrevanLispArgs args;
    ZcDbObjectId stiffId;
    ZcGePoint3d base, target;
    if (!args.entity(stiffId) || !args.point(base) || !args.point(target)) return args.fail();
    std::unique_ptr<ZcDbEntity> pCopy;
    CString strLayer;
    {
        ZcDbObjectPointer<ZcDbEntity> pStiff(stiffId, ZcDb::kForRead);
        if (pStiff.openStatus() != Zcad::eOk) return args.fail();
        char* pszLayer = pStiff->layer();
        strLayer = pszLayer;
        zcutDelString(pszLayer);
        pCopy.reset(ZcDbEntity::cast(pStiff->clone()));
    }
    if (pCopy == nullptr) return TrevanLispArgs::retNil();
    CLayerEditGuard guard(strLayer);
    ZcDbObjectId markCopies[2];
    for (int i = 0; i < 2; ++i) {
        const ZcDbObjectId markId = linkedMark(pCopy.get(), kEnds[i].link);
        if (!markId.isNull()) markCopies[i] = append(copyOf(markId));
    }
    for (const char* app : {"STIFF_NAMETEXT_HDNAME", "STIFF_STEXT_HDNAME", "STIFF_ETEXT_HDNAME", "STIFF_SYMARK_HDNAME",
                            "STIFF_EYMARK_HDNAME"})
        TrevanComARX_ClearXdata(pCopy.get(), app);
    pCopy->transformBy(ZcGeMatrix3d::translation(target - base));
    const ZcDbObjectId newId = append(std::move(pCopy));
    if (newId.isNull()) {
        // Marks of a copy that never joined the drawing would belong to nothing.
        for (const ZcDbObjectId& markId : markCopies) eraseEntity(markId);
        return TrevanLispArgs::retNil();
    }
    for (int i = 0; i < 2; ++i) {
        if (!markCopies[i].isNull()) link(newId, markCopies[i], kEnds[i]);
    }
    ads_name name;
    zcdbGetAdsName(name, newId);
    return TrevanLispArgs::retName(name);
}

int TrevanComARX_CopyStiff()
{
    TrevanLispArgs args;
    ZcDbObjectId stiffId;
    ZcGePoint3d start, end;
    if (!args.entity(stiffId) || !args.point(start) || !args.point(end)) return args.fail();
    ZcDbObjectIdArray listed;
    ZcDbObjectId marks[2];
    {
        ZcDbObjectPointer<ZcDbEntity> pStiff(stiffId, ZcDb::kForRead);
        if (pStiff.openStatus() != Zcad::eOk) return TrevanLispArgs::retNil();
        resbuf* pStiffData = pStiff->xData(TREVANCOM_STIFF_APP);
        if (pStiffData == nullptr) return args.fail();
        zcutRelRb(pStiffData);
        listed.append(stiffId);
        if (ZcDbLine::cast(pStiff.object()) != nullptr) {
            for (int i = 0; i < 2; ++i) {
                marks[i] = linkedMark(pStiff.object(), kEnds[i].link);
                if (!marks[i].isNull()) listed.append(marks[i]);
            }
        }
    }
    CStringArray layers;
    ZcArray<BOOL> frozen, locked, off;
    TrevanCom_GetLayerInfo(listed, layers, frozen, locked, off);
    TrevanCom_SetLayerInfo(layers, false, false, false);

    std::unique_ptr<ZcDbEntity> pCopy = copyOf(stiffId);
    ZcDbObjectId newId;
    if (pCopy != nullptr && setEnds(pCopy.get(), start, end)) {
        TrevanComARX_ClearXdata(pCopy.get(), kEnds[0].link);
        TrevanComARX_ClearXdata(pCopy.get(), kEnds[1].link);
        newId = append(std::move(pCopy));
    }
    for (int i = 0; i < 2; ++i) {
        if (marks[i].isNull()) continue;
        std::unique_ptr<ZcDbEntity> pMark = copyOf(marks[i]);
        if (pMark == nullptr) continue;
        TrevanComARX_ClearXdata(pMark.get(), kEnds[0].backLink);
        TrevanComARX_ClearXdata(pMark.get(), kEnds[1].backLink);
        const ZcDbObjectId markId = append(std::move(pMark));
        if (markId.isNull()) continue;
        if (newId.isNull()) eraseEntity(markId);
        else link(newId, markId, kEnds[i]);
    }
    TrevanCom_SetLayerInfo(layers, frozen, locked, off);
    return TrevanLispArgs::retT();
}
