// The common cross point of a through member and its partners, and the turn that lays the
// through member along its own direction about that point.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// One or two partners; the member lines are taken endless. With two partners the crossing
// with the second is the answer. False, with a message, when there is no partner, more than
// two, or a partner runs parallel.
TREVANCOM_API bool TrevanComARX_GetComStiffCrossPoint(const CStiffData& through, const ZcArray<CStiffData>& partners,
                                                      ZcGePoint3d& pt);
// Partners whose record cannot be read are passed over; false when the through member's
// cannot be read.
TREVANCOM_API bool TrevanComARX_GetComStiffCrossPoint(ZcDbObjectId throughId, const ZcDbObjectIdArray& partnerIds,
                                                      ZcGePoint3d& pt);
// The rotation about +Z through the cross point by the through member's direction angle.
TREVANCOM_API bool TrevanComARX_GetComStiffCrossRotation(ZcDbObjectId throughId, const ZcDbObjectIdArray& partnerIds,
                                                         ZcGeMatrix3d& mat);
