// Where the start, end and name texts of a stiffener go: along the line, offsets in text
// heights, turned so that they never read upside down.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// Start and end text insertion points and their common rotation for texts of that style and
// height. False for a stiffener without direction or plane.
TREVANCOM_API bool TrevanComARX_GetStiffTextPoint(const CStiffData& stiff, const CString& strStyle,
                                                  const double& rHeight, ZcGePoint3d& ptStart, ZcGePoint3d& ptEnd,
                                                  double& rRotation);
// Reads the stiffener's record first; false when it cannot.
TREVANCOM_API bool TrevanComARX_GetStiffTextPoint(const ZcDbObjectId& stiffId, const CString& strStyle,
                                                  const double& rHeight, ZcGePoint3d& ptStart, ZcGePoint3d& ptEnd,
                                                  double& rRotation);
// The name text, centred on the middle of the line.
TREVANCOM_API bool TrevanComARX_GetStiffNameTextPoint(const CStiffData& stiff, const CString& strStyle,
                                                      const double& rHeight, ZcGePoint3d& ptText, double& rRotation);
TREVANCOM_API bool TrevanComARX_GetStiffNameTextPoint(const ZcDbObjectId& stiffId, const CString& strStyle,
                                                      const double& rHeight, ZcGePoint3d& ptText, double& rRotation);
