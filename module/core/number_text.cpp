#include "core/number_text.h"

#include <cstdio>

const char* TrevanCom_NumberText(double value, char* buf)
{
    int n = std::snprintf(buf, kTrevanNumberTextSize, "%f", value);
    if (n < 0) n = 0;
    std::size_t len = static_cast<std::size_t>(n) < kTrevanNumberTextSize ? static_cast<std::size_t>(n)
                                                                           : kTrevanNumberTextSize - 1;
    while (len > 0 && buf[len - 1] == '0') --len;
    while (len > 0 && buf[len - 1] == '.') --len;
    buf[len] = '\0';
    return buf;
}

CString TrevanComARX_ChangeDoubleToString(double value)
{
    char buf[kTrevanNumberTextSize];
    return CString(TrevanCom_NumberText(value, buf));
}
