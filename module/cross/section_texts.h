// The section size texts of an intersection detail, placed by dragging them into position.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The through member's label, height 20, reading upwards, dragged from the reference point
// until a point is given: Esc asks for the position again. False when the text cannot be
// made or no answer can come any more.
TREVANCOM_API bool TrevanCom_CrossDragThroughText(const CString& label, const ZcGePoint3d& refPt);
// Each partner's label (labels 1 and up), height 20, level. Esc at the first partner's asks
// again; Esc at the second's takes its text away and fails the step.
TREVANCOM_API bool TrevanCom_CrossDragPartnerTexts(const CStringArray& labels, const ZcGePoint3d& refPt);
