// The sections a hull plan is stiffened with, in the notation of a Japanese yard's section
// table, and the stiffener record of a member cut from one of them.
#pragma once

#include "TrevanCom2002.h"

struct HullSection {
    const char* form;  // the record's section form: "LONG_" for longitudinals, "TR_" for transverse members
    const char* name;  // as the yard writes it: "L250x90x10/15", "T300x11/100x16"
    const char* code;  // the section table's code
    double webWidth, webThick, faceWidth, faceThick;
    double cornerR1, cornerR2;
    double kgPerMetre;     // unit mass from the section table
    const char* material;  // NK grade
};

namespace hull_sections {

// Bottom and tank top longitudinals, higher tensile steel.
extern const HullSection kLongT300x11_100x16;
extern const HullSection kLongL250x90x10_15;
extern const HullSection kLongL200x90x9_14;
extern const HullSection kLongBP200x10;
// Transverse stiffeners, mild steel.
extern const HullSection kFB150x12;
extern const HullSection kL100x75x7;
extern const HullSection kBP200x10;
// Transverse members of the inboard bottom, crossing the longitudinals.
extern const HullSection kFloorPL12;
extern const HullSection kWebT600x12_150x16;

}  // namespace hull_sections

// The record of a member of the section from start to end: section, material and weight
// (unit mass times length, to 0.1 kg), with the plate-thickness and flange sides given as
// "R,L" and both ends sniped ("S").
CStiffData hullStiffenerRecord(const HullSection& section, const ZcGePoint3d& start, const ZcGePoint3d& end,
                               const char* sides);
