// Distances and angles as text in the platform's unit modes, for rtos, angtos and distof.
#pragma once

#include <optional>
#include <string>

namespace zrxhost::lisp {

// mode 1 scientific, 2 decimal, 3 engineering, 4 architectural, 5 fractional; prec is
// decimal places, or the power of two of the smallest fraction for modes 4 and 5.
std::string formatDistance(double v, int mode, int prec);
// mode 0 degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, 4 surveyor's units.
std::string formatAngle(double radians, int mode, int prec);
// Text in any of the distance forms; nothing when it is none of them.
std::optional<double> parseDistance(const std::string& text, int mode);
// An integer system variable (0 when it is not one).
int sysvarInt(const char* name);

}  // namespace zrxhost::lisp
