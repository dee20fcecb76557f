// Dimension variables shared by dimension styles and the per-dimension overrides.
#pragma once

#include <string>

#include "db_id.h"

// The variables the host models; a style carries all of them, defaults as in the
// platform's metric drawing template.
struct ZcDbDimVars {
    double dimasz = 2.5;     // arrow size
    double dimscale = 1.0;   // overall scale
    double dimtxt = 2.5;     // text height
    double dimexe = 1.25;    // extension beyond the dimension line
    double dimexo = 0.625;   // extension line offset from the origin
    double dimgap = 0.625;   // gap around the text
    double dimlfac = 1.0;    // linear measurement scale
    int dimdec = 2;          // decimal places
    int dimtad = 1;          // text above the dimension line
    int dimclrd = 0;         // dimension line colour (ByBlock)
    int dimclre = 0;         // extension line colour
    int dimclrt = 0;         // text colour
    bool dimsah = false;     // separate arrow blocks
    ZcDbObjectId dimblk;     // arrow block (null: closed filled)
    ZcDbObjectId dimblk1;
    ZcDbObjectId dimblk2;
    ZcDbObjectId dimldrblk;  // leader arrow block
    ZcDbObjectId dimtxsty;   // text style
};
