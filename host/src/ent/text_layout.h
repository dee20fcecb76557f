// Where a text's characters lie, by the one text metric model: for extents, picking and
// drawing alike.
#pragma once

#include "db_text.h"
#include "geom/text_metrics.h"

namespace zrxent {
// A text of height 0 is laid out at heightWhenZero (0 keeps it empty).
zrx::geom::TextLayout textLayoutOf(const ZcDbText& text, double heightWhenZero = 0.0);
}  // namespace zrxent
