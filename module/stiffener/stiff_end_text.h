// The start and end texts of a stiffener: its end types shown beside its two ends.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// Makes (when bCreate) or updates the start text, then the end text; an end without an end
// type is left alone. False as soon as one end fails.
TREVANCOM_API bool TrevanComARX_MakeStiffText(const ZcDbObjectId& stiffId, const CString& strStyle,
                                              const double& rHeight, const bool& bCreate);
// Gives the end nearer the picked point (the start on a tie) the end type, stores the record
// and makes or updates that end's text.
TREVANCOM_API bool TrevanComARX_MakeStiffText(const ZcDbObjectId& stiffId, const CString& strStyle,
                                              const double& rHeight, const CString& strEndType,
                                              const bool& bCreate, const ZcGePoint3d& ptPick);
// Puts one end text back beside its end after the stiffener moved; its style and height stay.
TREVANCOM_API bool TrevanComARX_RedrawStiffText(const CStiffData& stiff, ZcDbText* pText, const bool& bStart);
