// The members of an intersection detail as the user picks them on their actual-plate lines:
// the through member, then one or two partners that cross it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

#include "records/stiff_data.h"

struct CCrossMembers {
    ZcDbObjectIdArray throughLines;
    ZcDbObjectId throughId;
    ZcDbObjectIdArray partnerIds;
    // The through member first, then each partner whose record could be read.
    ZcArray<CStiffData> records;
    CStringArray labels;
    // Two a partner: the ends of its longest actual-plate line, the smaller X first.
    ZcGePoint3dArray partnerPts;
    ZcGePoint3d throughStart, throughEnd;
};

enum class CrossPick { kDone, kEnded };

// The through member, by one of its lines; its lines stay highlighted. kEnded when the pick
// ends without one.
CrossPick TrevanCom_CrossPickThrough(const char* prompt, CCrossMembers& members);
// Partners until they are at most two and one of them crosses the through member; the
// highlight of the through lines goes on every way out. kEnded on Enter, Esc or a member
// whose record or link cannot be read.
CrossPick TrevanCom_CrossPickPartners(CCrossMembers& members);
// The partners (records 1 and up) that cross the through member, neither line extended.
TREVANCOM_API int TrevanCom_CrossingPartners(const ZcArray<CStiffData>& records);
