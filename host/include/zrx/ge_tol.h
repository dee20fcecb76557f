// Tolerances for geometric comparisons, and the process-wide default every ZcGe call uses
// when the caller does not pass its own.
#pragma once

#include "zrx_export.h"

class ZRX_API ZcGeTol {
public:
    ZcGeTol() = default;

    double equalPoint() const { return m_equalPoint; }
    double equalVector() const { return m_equalVector; }
    void setEqualPoint(double value) { m_equalPoint = value; }
    void setEqualVector(double value) { m_equalVector = value; }

private:
    // The platform's defaults.
    double m_equalPoint = 1e-10;
    double m_equalVector = 1e-10;
};

struct ZRX_API ZcGeContext {
    // Mutable on purpose: plug-ins loosen it around a computation and put it back.
    static ZcGeTol gTol;
};
