// Angle helpers shared by the curve kernel.
#pragma once

#include <cmath>
#include <numbers>

namespace zrx::geom {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Into [0, 2π).
inline double normalizeAngle(double a)
{
    a = std::fmod(a, kTwoPi);
    if (a < 0.0) a += kTwoPi;
    return a >= kTwoPi ? 0.0 : a;
}

}  // namespace zrx::geom
