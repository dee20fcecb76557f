// Drawing a database to SVG.
#pragma once

#include <string>

#include "zrx/db_database.h"

namespace zrxhost {

// Model space as an SVG document: one element per visible entity (a group for block
// references, dimensions and leaders with their arrowheads), carrying the entity's handle
// in data-handle; ACI colours on white paper (7 shows black); line type patterns as dash
// arrays. Invisible entities and those on layers that are off or frozen are left out. The
// zcedGrDraw vectors of the drawing's view are drawn last (class "grdraw"), until a REGEN.
// The window drawn is everything above with a margin, or the drawing's view as the screen
// shows it after ZOOM (entities reaching out of it are clipped).
enum class SvgWindow { Extents, View };
ZRX_API std::string renderSvg(ZcDbDatabase* db, SvgWindow window = SvgWindow::Extents);
// The same, written to a file; false with the reason when it cannot be written.
ZRX_API bool renderSvgFile(ZcDbDatabase* db, const std::string& path, std::string* error,
                           SvgWindow window = SvgWindow::Extents);

// The colour an ACI index shows on white paper, as "#rrggbb".
ZRX_API std::string aciToRgb(int index);

}  // namespace zrxhost
