// Comparisons for geometry tests: points and point lists within a loose tolerance, with
// readable failure messages.
#pragma once

#include "zrx/ge_point3d.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

inline std::string describe(const ZcGePoint3d& p)
{
    std::ostringstream s;
    s << "(" << p.x << ", " << p.y << ", " << p.z << ")";
    return s.str();
}

inline std::string describe(const std::vector<ZcGePoint3d>& ps)
{
    std::string s = "[";
    for (const auto& p : ps) s += describe(p) + " ";
    return s + "]";
}

inline ::testing::AssertionResult near(const ZcGePoint3d& actual, const ZcGePoint3d& expected, double tol = 1e-9)
{
    if (actual.distanceTo(expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(actual) << " is not " << describe(expected);
}

inline ::testing::AssertionResult near(const ZcGeVector3d& actual, const ZcGeVector3d& expected, double tol = 1e-9)
{
    return near(ZcGePoint3d::kOrigin + actual, ZcGePoint3d::kOrigin + expected, tol);
}

inline ::testing::AssertionResult samePoints(const std::vector<ZcGePoint3d>& actual,
                                             const std::vector<ZcGePoint3d>& expected, double tol = 1e-9)
{
    bool ok = actual.size() == expected.size();
    for (size_t i = 0; ok && i < actual.size(); ++i) ok = actual[i].distanceTo(expected[i]) <= tol;
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(actual) << " is not " << describe(expected);
}
