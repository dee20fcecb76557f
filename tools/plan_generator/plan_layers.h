// The layers of a hull plan, made as the installation's layer definitions (STD\TrevanLayer.dat)
// describe them: name, colour, line type and line weight.
#pragma once

#include <string>

#include "zrx.h"

struct PlanLayers {
    ZcDbObjectId shell;   // side shell              (kind SH)
    ZcDbObjectId center;  // centre line             (kind CENTER)
    ZcDbObjectId frame;   // frame lines             (kind FRAMESP)
    ZcDbObjectId trans;   // floors and girders      (kind TR)
    ZcDbObjectId longi;   // longitudinals           (kind LONG)
    ZcDbObjectId stiff;   // transverse stiffeners   (kind STIFF)
    ZcDbObjectId hole;    // manholes                (kind HOLE)
    ZcDbObjectId dim;     // dimensions              (kind DIM)
    ZcDbObjectId text;    // notes                   (kind TEXT)
};

// Makes every layer in the drawing. False, with the reason, when the installation has no
// definition for a kind or a layer cannot be made (its line type not found, for one).
bool makePlanLayers(ZcDbDatabase* db, PlanLayers& layers, std::string& error);
