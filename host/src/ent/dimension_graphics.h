// The graphics of linear dimensions, worked out from the dimension variables: extension
// lines, the dimension line, closed arrowheads and the placed text. Extents, explode and the
// renderer all draw from this one layout, so they agree on where everything is.
//
// Sizes are the variables times DIMSCALE (0 counts as 1). Extension lines start DIMEXO from
// their origins and run DIMEXE past the dimension line. Arrowheads are DIMASZ long and a
// third of that wide, inside the extension lines when two of them fit, outside otherwise;
// an end with an arrow block (DIMBLK, or DIMBLK1 and DIMBLK2 under DIMSAH) draws the block.
// The text is DIMTXT high, aligned with the dimension line and turned to read upright; with
// DIMTAD set its box sits DIMGAP above the line, otherwise it is centred on the line, which
// is broken DIMGAP either side of it. The measurement shows with DIMDEC decimals after DIMLFAC,
// halves rounded away from zero (trailing zeros kept: the host does not model DIMZIN).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/access.h"
#include "zrx/db_block_reference.h"
#include "zrx/db_extents.h"
#include "zrx/ge_point3d.h"

namespace zrx::ent {

struct LinearDimensionDefinition {
    ZcGePoint3d xLine1;
    ZcGePoint3d xLine2;
    ZcGePoint3d dimLinePoint;
    ZcGeVector3d normal{0, 0, 1};
    // A rotated dimension's direction in its plane; an aligned dimension has none.
    std::optional<double> rotation;
    double oblique = 0.0;
    std::string userText;
    // Where the user put the text's middle; the style places it otherwise.
    std::optional<ZcGePoint3d> textPosition;
    zrxhost::DimVars vars;
};

struct Segment {
    ZcGePoint3d start;
    ZcGePoint3d end;
};

struct PlacedDimensionText {
    std::string text;  // empty when nothing shows
    ZcGePoint3d middle;
    double rotation = 0.0;  // in the dimension's plane
    double height = 0.0;
    std::array<ZcGePoint3d, 4> box;
};

// A block drawn for an arrowhead: its origin at the tip, its +X pointing away from the
// dimension line's other end, scaled to the arrow size.
struct ArrowBlock {
    ZcDbObjectId block;
    ZcGePoint3d tip;
    ZcGeVector3d outward;
    ZcGeVector3d normal;
    double size = 0.0;
};

struct LinearDimensionGraphics {
    std::vector<Segment> extensionLines;
    std::vector<Segment> dimensionLines;
    std::vector<std::array<ZcGePoint3d, 3>> arrowheads;  // tip first
    std::vector<ArrowBlock> arrowBlocks;
    PlacedDimensionText text;
};

// The measured distance, before DIMLFAC.
ZRX_API double linearMeasurement(const LinearDimensionDefinition& def);
ZRX_API std::string formatDistance(double value, int decimals);
// "" shows the measurement, the first "<>" is replaced by it, a single space shows nothing.
ZRX_API std::string shownDimensionText(const std::string& userText, const std::string& measured);
ZRX_API LinearDimensionGraphics layoutLinearDimension(const LinearDimensionDefinition& def);
ZRX_API ZcDbExtents extentsOf(const LinearDimensionGraphics& graphics);
// The reference that draws an arrow block, outside any database; the caller owns it.
ZRX_API std::unique_ptr<ZcDbBlockReference> arrowReference(const ArrowBlock& arrow);

}  // namespace zrx::ent
