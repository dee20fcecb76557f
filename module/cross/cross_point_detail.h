// What a completed detail drawing gives the plan: the member records on its frame's record
// entity, its vertical reference line, and its support plates with their attributes.
#pragma once

#include "zrx.h"

#include "records/stiff_data.h"
#include "records/support_plate_attr.h"

#define TREVANCOM_DETAIL_A_APP "CROSSDET_STIFF_STIFFPLANA"
#define TREVANCOM_DETAIL_BR_APP "CROSSDET_STIFF_STIFFPLANBR"
#define TREVANCOM_DETAIL_BL_APP "CROSSDET_STIFF_STIFFPLANBL"
#define TREVANCOM_DETAIL_STLINE_APP "PlanRecord_Stline"
#define TREVANCOM_SUPPORT_PLATE_APP "SUPPORTPLATE"

// The detail's members: the through member and the partners right and left of it. A partner
// counts as absent when the record entity holds no readable record for it, or one without a
// section type, since that is all a detail of a single partner leaves on the other side.
struct CCrossDetailRecords {
    CStiffData m_through;
    CStiffData m_right;
    CStiffData m_left;
    bool m_bThrough = false;
    bool m_bRight = false;
    bool m_bLeft = false;
};

// From the first entity carrying the through member's record; false when none does.
bool TrevanCom_ReadCrossDetailRecords(ZcDbDatabase* pDb, CCrossDetailRecords& records);
// Whether the detail was drawn for members of these sections: the same through member, and
// one partner matching the right or the left one while the other side is absent, or two
// partners matching right and left in either order.
bool TrevanCom_CrossDetailFits(const CCrossDetailRecords& detail, const CStiffData& through,
                               const ZcArray<CStiffData>& partners);

// A detail drawing read for its brackets. The plate outlines are copies the object owns
// until they are taken out of m_plates.
class CCrossDetail {
public:
    CCrossDetail() = default;
    ~CCrossDetail();
    CCrossDetail(const CCrossDetail&) = delete;
    CCrossDetail& operator=(const CCrossDetail&) = delete;

    CCrossDetailRecords m_records;
    ZcGePoint3d m_ptRefStart;
    ZcGePoint3d m_ptRefEnd;
    ZcDbVoidPtrArray m_plates;
    ZcArray<SupportPlateAttr> m_attrs;  // one per plate, in the same order
};

// False when the drawing does not open (quietly) or lacks its record entity, its reference
// line or its plates (a message box naming the drawing, and nothing is kept).
bool TrevanCom_ReadCrossDetail(const char* dwgPath, CCrossDetail& detail);
