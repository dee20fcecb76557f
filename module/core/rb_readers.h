// Reading one item of a typed value list. Each reader answers 1 with the value stored, or
// -1 (destination untouched) when the item is missing or of another type.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

TREVANCOM_API int TrevanComARX_RbGetStr(const resbuf* rb, CString& value);
TREVANCOM_API int TrevanComARX_RbGetReal(const resbuf* rb, double& value);
// 16-bit integers are widened with their sign.
TREVANCOM_API int TrevanComARX_RbGetInt(const resbuf* rb, int& value);
TREVANCOM_API int TrevanComARX_RbGetIntAsReal(const resbuf* rb, double& value);
TREVANCOM_API int TrevanComARX_RbGetPoint(const resbuf* rb, ZcGePoint3d& value);
TREVANCOM_API int TrevanComARX_RbGetEntName(const resbuf* rb, ads_name value);
TREVANCOM_API int TrevanComARX_RbGetPickSet(const resbuf* rb, ads_name value);
TREVANCOM_API int TrevanComARX_RbIsListBegin(const resbuf* rb);
TREVANCOM_API int TrevanComARX_RbIsListEnd(const resbuf* rb);
