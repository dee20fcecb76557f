#include "cross/support_bracket.h"

#include <cstdint>

#include "core/handle_names.h"
#include "core/model_space_append.h"
#include "core/single_xdata.h"
#include "cross/cross_point_detail.h"
#include "cross/cross_point_record.h"
#include "cross/support_bracket_mapping.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_side.h"

namespace {

struct CPlanMembers {
    CStiffData m_through;
    ZcArray<CStiffData> m_partners;
};

bool readPlanMembers(const CCrossPointKeys& keys, CPlanMembers& members)
{
    if (!TrevanComARX_GetStiffdata(TrevanComARX_GetObjid(keys.m_strThrough), members.m_through)) return false;
    for (const CString& handle : {keys.m_strPartner1, keys.m_strPartner2}) {
        CStiffData partner;
        if (!handle.IsEmpty() && TrevanComARX_GetStiffdata(TrevanComARX_GetObjid(handle), partner))
            members.m_partners.append(partner);
    }
    return !members.m_partners.isEmpty();
}

// Which plan partner takes the plates of each side of the detail (1 left, 0 right); -1 none.
// Two partners take their own sides; a lone partner takes the side the detail drew its
// partner on, wherever it lies in the plan.
void assignSides(const CPlanMembers& plan, const CCrossDetailRecords& detail, int partnerOf[2])
{
    partnerOf[0] = partnerOf[1] = -1;
    const int first = TrevanComARX_GetStiffLR(plan.m_through, plan.m_partners[0]);
    if (plan.m_partners.length() == 1) {
        const int side = detail.m_bLeft != detail.m_bRight ? (detail.m_bLeft ? 1 : 0) : first;
        partnerOf[side] = 0;
        return;
    }
    partnerOf[first] = 0;
    partnerOf[1 - first] = 1;
}

bool appendBracket(const ZcGePoint3dArray& corners, const char* side, int colour, const CString& parent,
                   ZcDbDatabase* pDb)
{
    auto* pLine = new ZcDbPolyline;
    pLine->setDatabaseDefaults(pDb);
    for (int i = 0; i < corners.length(); ++i)
        pLine->addVertexAt(static_cast<unsigned int>(i), ZcGePoint2d(corners[i].x, corners[i].y));
    pLine->setClosed(true);
    pLine->setColorIndex(static_cast<uint16_t>(colour));
    ZcDbObjectId id;
    const bool ok = pLine->setLayer(TREVANCOM_CROSS_LAYER) == Zcad::eOk
        && TrevanComARX_SetXdataStr(pLine, TREVANCOM_BRACKET_APP, "DMY") == 1
        && TrevanComARX_SetXdataStr(pLine, TREVANCOM_BRACKET_AXIS_APP, side) == 1
        && TrevanComARX_SetXdataStr(pLine, TREVANCOM_BRACKET_PARENT_APP, parent) == 1
        && TrevanCom_AppendToModelSpace(pLine, id, pDb);
    if (!ok) delete pLine;
    return ok;
}

}  // namespace

bool TrevanCom_MakeCrossSupportBracket(ZcDbObjectId pointId, const char* side, int colour)
{
    CCrossPointKeys keys;
    CPlanMembers plan;
    CCrossDetail detail;
    if (!TrevanCom_ReadCrossPointKeys(pointId, keys) || !readPlanMembers(keys, plan)
        || !TrevanCom_ReadCrossDetail(keys.m_strDwgName, detail))
        return false;
    if (!detail.m_records.m_through.isSameSection(plan.m_through)) {
        zcutPrintf("\n通し部材の断面が交差部図と異なります.");
        return false;
    }
    int partnerOf[2];
    assignSides(plan, detail.m_records, partnerOf);
    CBracketFrame frames[2];
    bool framed[2] = {false, false};
    for (int s = 0; s < 2; ++s) {
        if (partnerOf[s] < 0) continue;
        framed[s] = TrevanCom_BracketFrame(plan.m_through, plan.m_partners[partnerOf[s]], side, frames[s]);
    }
    ZcGePoint3d c1, c2;
    TrevanCom_DetailWebCentre(detail.m_records.m_through, detail.m_ptRefStart, detail.m_ptRefEnd, c1, c2);
    const CString parent = TrevanComARX_GetHandleName(pointId);
    bool all = true;
    for (int i = 0; i < detail.m_plates.length(); ++i) {
        double from = 0, to = 0;
        int plateSide = 0;
        const auto* pPlate = static_cast<const ZcDbEntity*>(detail.m_plates[i]);
        if (!TrevanCom_PlateReach(pPlate, c1, c2, from, to, plateSide) || !framed[plateSide]) continue;
        const double thick = detail.m_attrs[i].m_rPWT;
        const ZcGePoint3dArray corners = TrevanCom_BracketCorners(frames[plateSide], from, to, thick);
        all = appendBracket(corners, side, colour, parent, pointId.database()) && all;
    }
    return all;
}
