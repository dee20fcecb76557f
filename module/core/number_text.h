// A number as the shortest text of its six-decimal form.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Six decimals, then trailing zeros dropped, and the point too when only zeros followed it:
// 1.5 gives "1.5", 2.0 gives "2", 0.000001 gives "0.000001".
TREVANCOM_API CString TrevanComARX_ChangeDoubleToString(double value);
