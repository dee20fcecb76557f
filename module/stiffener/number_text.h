// Section dimensions as label text: fixed notation with six decimals, trailing zeros and
// then a trailing point dropped (150.0 -> "150", 12.5 -> "12.5", 3.1415926 -> "3.141593").
#pragma once

#include <cstddef>

// Room for any double in "%f" notation (DBL_MAX has 309 digits before the point).
constexpr std::size_t kTrevanNumberTextSize = 320;

// Writes the text into buf (kTrevanNumberTextSize bytes) and answers it.
const char* TrevanCom_NumberText(double value, char* buf);
