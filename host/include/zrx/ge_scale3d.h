// ZcGeScale3d: per-axis scale factors, as a block reference carries them.
#pragma once

#include "zrx_export.h"
#include "ge_tol.h"

class ZRX_API ZcGeScale3d {
public:
    ZcGeScale3d() = default;
    explicit ZcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
    constexpr ZcGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}

    static const ZcGeScale3d kIdentity;

    ZcGeScale3d operator*(const ZcGeScale3d& s) const { return {sx * s.sx, sy * s.sy, sz * s.sz}; }
    ZcGeScale3d operator*(double f) const { return {sx * f, sy * f, sz * f}; }
    ZcGeScale3d& operator*=(const ZcGeScale3d& s) { sx *= s.sx; sy *= s.sy; sz *= s.sz; return *this; }
    ZcGeScale3d& operator*=(double f) { sx *= f; sy *= f; sz *= f; return *this; }
    double operator[](unsigned int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
    double& operator[](unsigned int i) { return i == 0 ? sx : (i == 1 ? sy : sz); }
    bool operator==(const ZcGeScale3d& s) const { return isEqualTo(s); }
    bool operator!=(const ZcGeScale3d& s) const { return !isEqualTo(s); }

    ZcGeScale3d& set(double x, double y, double z) { sx = x; sy = y; sz = z; return *this; }
    bool isProportional(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isEqualTo(const ZcGeScale3d& s, const ZcGeTol& tol = ZcGeContext::gTol) const;

    double sx = 1.0;
    double sy = 1.0;
    double sz = 1.0;
};
