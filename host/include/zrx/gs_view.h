// The graphics view of a viewport, for zooming and panning from a plug-in.
#pragma once

#include "ge_point3d.h"

class ZRX_API ZcGsView {
public:
    enum Projection { kParallel, kPerspective };

    ZcGsView() = default;
    virtual ~ZcGsView() = default;

    // The camera at position looks at target; the field is the size of the shown area in
    // drawing units.
    virtual void setView(const ZcGePoint3d& position, const ZcGePoint3d& target, const ZcGeVector3d& upVector,
                         double fieldWidth, double fieldHeight, Projection projection = kParallel);
    ZcGePoint3d position() const { return m_position; }
    ZcGePoint3d target() const { return m_target; }
    ZcGeVector3d upVector() const { return m_up; }
    double fieldWidth() const { return m_fieldWidth; }
    double fieldHeight() const { return m_fieldHeight; }
    bool isPerspective() const { return m_projection == kPerspective; }

private:
    ZcGePoint3d m_position{0, 0, 1};
    ZcGePoint3d m_target;
    ZcGeVector3d m_up{0, 1, 0};
    double m_fieldWidth = 1.0;
    double m_fieldHeight = 1.0;
    Projection m_projection = kParallel;
};

// The view of a viewport of the current document (2 is model space, as CVPORT says);
// null for another number, or when there is no document.
ZRX_API ZcGsView* zcgsGetGsView(int viewportNumber, bool createIfNone);
// Makes the viewport show what the view describes (VIEWCTR and VIEWSIZE follow).
ZRX_API bool zcgsSetViewParameters(int viewportNumber, const ZcGsView* view, bool regenRequired,
                                   bool rescaleRequired, bool syncRequired = false);
// Copies the viewport's view into the given one.
ZRX_API bool zcgsGetViewParameters(int viewportNumber, ZcGsView* view);
