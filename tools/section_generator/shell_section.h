// A sample midship section: the port half of a bulk carrier's hull girder seen from aft, as
// a Japanese yard draws it. Flat bottom (a light polyline) from the centre line to the
// bilge, the bilge arc, the side shell (a spline with a little flare towards the deck) and
// the upper deck with its camber; shell longitudinals along bottom, bilge and side, each a
// short polyline standing on the shell with its foot, web and face, carrying its
// longitudinal record under "LONG", and its yard mark beside it.
#pragma once

#include <string>

#include "zrx.h"

struct ShellSectionSummary {
    long longitudinals = 0;  // drawn, each with its record
    long entities = 0;       // everything appended to model space
};

// Draws the section into the drawing's model space, on the layers of the installation's
// layer definitions (its drive and support folders must be set up). False, with the reason,
// for a layer that cannot be made or a record that cannot be written; what was drawn stays.
bool drawShellSection(ZcDbDatabase* db, ShellSectionSummary& summary, std::string& error);
