#include "cross/cross_member_picks.h"

#include "core/handle_names.h"
#include "core/highlight.h"
#include "core/screen_refresh.h"
#include "core/select_entities.h"
#include "core/single_xdata.h"
#include "core/ucs_points.h"
#include "cross/member_lines.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_label.h"
#include "stiffener/stiff_plate_line_find.h"
#include "stiffener/stiff_plate_lines.h"

namespace {

void unhighlight(const ZcDbObjectIdArray& lines)
{
    TrevanComARX_HighLightObj(lines, 0);
    TrevanCom_RefreshScreen();
}

void setPickStyle(short value)
{
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    zcedSetVar("PICKSTYLE", &rb);
}

// The distinct stiffeners the picked lines name, in order of first appearance; false when a
// line is no LINE or names none.
bool partnerStiffeners(const ZcDbObjectIdArray& lines, ZcDbObjectIdArray& stiffIds)
{
    CStringArray handles;
    for (ZcDbObjectId lineId : lines) {
        ZcDbObjectPointer<ZcDbLine> pLine(lineId, ZcDb::kForRead);
        if (pLine.openStatus() != Zcad::eOk) return false;
        CString handle;
        if (TrevanComARX_GetXdataStr(pLine.object(), TREVANCOM_PLATE_LINE_APP, handle) != 1 || handle.IsEmpty())
            return false;
        bool known = false;
        for (int i = 0; i < handles.GetSize() && !known; ++i) known = handles[i].CompareNoCase(handle) == 0;
        if (!known) handles.Add(handle);
    }
    for (int i = 0; i < handles.GetSize(); ++i) stiffIds.append(TrevanComARX_GetObjid(handles[i]));
    return true;
}

// The ends of the partner's longest line (the first on equal lengths), smaller X first. A
// partner without a line that opens stands for itself with its own record line.
void appendPartnerPoints(const CStiffData& partner, ZcGePoint3dArray& pts)
{
    ZcGePoint3d start = partner.m_ptStart, end = partner.m_ptEnd;
    double longest = -1;
    for (ZcDbObjectId lineId : TrevanCom_StiffMemberLines(partner)) {
        ZcDbObjectPointer<ZcDbLine> pLine(lineId, ZcDb::kForRead);
        if (pLine.openStatus() != Zcad::eOk) continue;
        const double length = pLine->startPoint().distanceTo(pLine->endPoint());
        if (length <= longest) continue;
        longest = length;
        start = pLine->startPoint();
        end = pLine->endPoint();
    }
    if (end.x >= start.x) {
        pts.append(start);
        pts.append(end);
    } else {
        pts.append(end);
        pts.append(start);
    }
}

enum class Read { kOk, kEnded };

Read readMembers(CCrossMembers& m)
{
    m.records.setLogicalLength(0);
    m.labels.RemoveAll();
    m.partnerPts.setLogicalLength(0);
    CStiffData through;
    if (!TrevanComARX_GetStiffdata(m.throughId, through) || through.m_strFType.IsEmpty()) {
        zcutPrintf("\nスティフナ属性の取得に失敗しました");
        return Read::kEnded;
    }
    m.labels.Add(TrevanCom_MakeStiffText(m.throughId, "STIFF"));
    m.throughStart = TrevanComTransUtoW(through.m_ptStart);
    m.throughEnd = TrevanComTransUtoW(through.m_ptEnd);
    m.records.append(through);
    for (ZcDbObjectId partnerId : m.partnerIds) {
        CStiffData partner;
        if (!TrevanComARX_GetStiffdata(partnerId, partner) || partner.m_strFType.IsEmpty()) continue;
        m.labels.Add(TrevanCom_MakeStiffText(partnerId, "STIFF"));
        m.records.append(partner);
        appendPartnerPoints(partner, m.partnerPts);
    }
    return Read::kOk;
}

}  // namespace

CrossPick TrevanCom_CrossPickThrough(const char* prompt, CCrossMembers& members)
{
    members.throughLines.setLogicalLength(0);
    if (!TrevanComARX_SelectToStiffLineArray(prompt, members.throughLines) || members.throughLines.isEmpty())
        return CrossPick::kEnded;
    members.throughId = TrevanCom_PlateLineOwner(members.throughLines[0]);
    if (members.throughId.isNull()) {
        unhighlight(members.throughLines);
        return CrossPick::kEnded;
    }
    return CrossPick::kDone;
}

int TrevanCom_CrossingPartners(const ZcArray<CStiffData>& records)
{
    if (records.isEmpty()) return 0;
    ZcDbLine through(records[0].m_ptStart, records[0].m_ptEnd);
    int crossing = 0;
    for (int i = 1; i < records.length(); ++i) {
        ZcDbLine partner(records[i].m_ptStart, records[i].m_ptEnd);
        ZcGePoint3dArray pts;
        through.intersectWith(&partner, ZcDb::kOnBothOperands, pts);
        if (pts.length() == 1) ++crossing;
    }
    return crossing;
}

CrossPick TrevanCom_CrossPickPartners(CCrossMembers& m)
{
    resbuf pickStyle{};
    const bool bPickStyle = zcedGetVar("PICKSTYLE", &pickStyle) == RTNORM && pickStyle.restype == RTSHORT;
    resbuf* filter = TrevanCom_PlateLineFilter();
    CrossPick result = CrossPick::kEnded;
    for (;;) {
        TrevanComARX_HighLightObj(m.throughLines, 1);
        TrevanCom_RefreshScreen();
        setPickStyle(1);
        ZcDbObjectIdArray picked;
        m.partnerIds.setLogicalLength(0);
        const bool selected = TrevanComARX_SelectEntity("相手部材Bを選択(Enter＝確定)：", filter, picked);
        if (bPickStyle) zcedSetVar("PICKSTYLE", &pickStyle);
        if (!selected) break;
        if (!partnerStiffeners(picked, m.partnerIds)) {
            zcutPrintf("\n相手部材の属性取得に失敗しました");
            break;
        }
        if (m.partnerIds.length() > 2) {
            zcutPrintf("\n相手部材は２つまでしか選択できません");
            continue;
        }
        if (readMembers(m) != Read::kOk) break;
        if (TrevanCom_CrossingPartners(m.records) == 0) {
            zcutPrintf("\n通し部材と相手部材の交点がありません");
            continue;
        }
        result = CrossPick::kDone;
        break;
    }
    zcutRelRb(filter);
    unhighlight(m.throughLines);
    return result;
}
