// The name text of a stiffener: its name shown beside the middle of its line.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// Stores the name in the stiffener's record, then updates the name text, or makes it when
// bCreate; an empty name deletes it.
TREVANCOM_API bool TrevanComARX_MakeStiffNameText(const ZcDbObjectId& stiffId, const CString& strStyle,
                                                  const double& rHeight, const CString& strName,
                                                  const bool& bCreate);
// Puts the name text back at the middle after the stiffener moved; string, style and height
// stay.
TREVANCOM_API bool TrevanComARX_StiffNameTextRedraw(const CStiffData& stiff, ZcDbText* pText);
// The same for the name text the stiffener links to.
TREVANCOM_API bool TrevanComARX_StiffNameTextRedraw(const ZcDbObjectId& stiffId);
