#include "cross/detail_section.h"

#include "core/curve_intersect.h"
#include "core/model_space_append.h"
#include "core/single_xdata.h"
#include "cross/section_figure.h"

namespace {

bool append(ZcDbEntity* pEnt, ZcDbObjectId& id)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (TrevanCom_AppendToModelSpace(pEnt, id, pDb)) return true;
    delete pEnt;
    return false;
}

// Where the reference line leaves the boundary downwards: the lower of two crossings.
bool lowerCrossing(ZcDbObjectId boundaryId, ZcDbObjectId lineId, ZcGePoint3d& pt)
{
    ZcGePoint3dArray points;
    if (!TrevanCom_GetintersectWith(boundaryId, lineId, ZcDb::kOnBothOperands, points)) return false;
    if (points.length() == 1) {
        pt = points[0];
        return true;
    }
    if (points.length() != 2) return false;
    pt = points[0].y < points[1].y ? points[0] : points[1];
    return true;
}

}  // namespace

bool TrevanCom_CrossDrawSection(const CStiffData& through, ZcDbObjectId boundaryId, ZcDbObjectId& refLineId,
                                ZcGePoint3d& refPt, ZcGePoint3d& basePt, ZcDbObjectIdArray& figureIds)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    auto* pLine = new ZcDbLine(through.m_ptStart, through.m_ptEnd);
    pLine->setDatabaseDefaults(pDb);
    if (!append(pLine, refLineId)) return false;
    TrevanComARX_SetXdataStr(refLineId, TREVANCOM_DETAIL_STLINE_APP, "DMY");
    if (!lowerCrossing(boundaryId, refLineId, refPt)) return false;

    for (const auto& outline : TrevanCom_CrossSectionOutlines(through, refPt, basePt)) {
        auto* pPoly = new ZcDbPolyline(static_cast<unsigned>(outline.size()));
        for (unsigned i = 0; i < outline.size(); ++i) pPoly->addVertexAt(i, outline[i], 0.0, -1.0, -1.0);
        pPoly->setClosed(true);
        pPoly->setDatabaseDefaults(pDb);
        ZcDbObjectId id;
        if (!append(pPoly, id)) return false;
        figureIds.append(id);
    }
    return true;
}
