// A sample hull plan: the port half of a double bottom seen from above, tank after tank,
// for demonstrations, tests and benchmarks of any size.
//
// Each water ballast tank spans ten frame spaces of 800 mm between watertight floors. Inboard
// of the side girder (4200 mm off the centre line) the tank top is longitudinally framed:
// five longitudinals 700 mm apart, continuous from floor to floor, crossed by solid floors at
// every second frame and by a web frame at the seventh, from the centre line to the side
// girder. Outboard it is transversely framed: a stiffener at every frame from the side girder
// to the shell, flat bars at the floor frames (the fourth frame's drawn as a dimension),
// angles and bulb plates between them; each outboard stiffener drawn as a line carries a
// "YMARK" block at both ends, linked both ways. Thirty tanks make one plan (FR.0 to FR.300);
// more plans follow below. Every stiffener, floors and web frames too, carries its record
// under "STIFF".
#pragma once

#include <string>

#include "zrx.h"

struct HullPlanOptions {
    long stiffeners = 57;  // longitudinals and transverse members together; three tanks
};

struct HullPlanSummary {
    long stiffeners = 0;  // drawn, each with its record
    long entities = 0;    // everything appended to model space
};

// Draws the plan into the drawing's model space, on the layers of the installation's layer
// definitions (the installation's drive and support folders must be set up). The drawing is
// the working one while it draws. False, with the reason, for a count below one, a layer
// that cannot be made or a record that cannot be written; what was drawn stays.
bool drawHullPlan(ZcDbDatabase* db, const HullPlanOptions& options, HullPlanSummary& summary, std::string& error);
