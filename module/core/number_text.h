// A number as the shortest text of its six-decimal form: fixed notation with six decimals,
// trailing zeros and then a trailing point dropped (150.0 -> "150", 12.5 -> "12.5",
// 3.1415926 -> "3.141593").
#pragma once

#include <cstddef>

#include "zrx.h"

#include "core/trevancom_export.h"

TREVANCOM_API CString TrevanComARX_ChangeDoubleToString(double value);

// Room for any double in "%f" notation (DBL_MAX has 309 digits before the point).
constexpr std::size_t kTrevanNumberTextSize = 320;

// The same text written into buf (kTrevanNumberTextSize bytes), for callers that make many.
const char* TrevanCom_NumberText(double value, char* buf);
