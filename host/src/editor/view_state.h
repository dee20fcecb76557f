// The model-space view each drawing is shown in: what ZOOM changes, what the pick box is
// measured in, and what the graphics view functions read and set.
#pragma once

#include "zrx/db_database.h"

namespace zrxhost::ed {

// The screen the host pretends to show the drawing on, in pixels.
inline constexpr int kScreenWidth = 1600;
inline constexpr int kScreenHeight = 900;

struct ViewState {
    ZcGePoint3d center{210.0, 148.5, 0.0};  // an A3 sheet, as a new metric drawing shows
    double height = 297.0;
};

// The view of a drawing (the working one when db is null); made on first use.
ViewState& viewOf(ZcDbDatabase* db);
// Drawing units per screen pixel.
double pixelSize(ZcDbDatabase* db);
// A view around the drawing's extents, with a margin; false for an empty drawing.
bool zoomExtents(ZcDbDatabase* db);

// The key the editor files a drawing's own state under.
int64_t drawingKey(const ZcDbDatabase* db);

}  // namespace zrxhost::ed
