#include "hull_sections.h"

#include <cmath>

namespace hull_sections {

// Built-up tee: web 300x11, face 100x16.
const HullSection kLongT300x11_100x16{"LONG_T", "T300x11/100x16", "T3001110016", 300, 11, 100, 16, 0, 0, 38.5, "KA32"};
// Unequal-thickness angles (JIS G 3192 IA).
const HullSection kLongL250x90x10_15{"LONG_A", "L250x90x10/15", "IA250901015", 250, 10, 90, 15, 17, 8.5, 29.4, "KA32"};
const HullSection kLongL200x90x9_14{"LONG_A", "L200x90x9/14", "IA20090914", 200, 9, 90, 14, 14, 7, 23.3, "KA32"};
// Bulb plate: the bulb is not given as a face.
const HullSection kLongBP200x10{"LONG_B", "BP200x10", "BP20010", 200, 10, 0, 0, 0, 0, 19.6, "KA32"};
const HullSection kFB150x12{"TR_FB", "FB150x12", "FB15012", 150, 12, 0, 0, 0, 0, 14.1, "KA"};
// Equal-thickness angle (JIS G 3192 L).
const HullSection kL100x75x7{"TR_A", "L100x75x7", "L100757", 100, 7, 75, 7, 10, 5, 9.32, "KA"};
const HullSection kBP200x10{"TR_B", "BP200x10", "BP20010", 200, 10, 0, 0, 0, 0, 19.6, "KA"};
// Solid floors are plates: the web is the floor's depth.
const HullSection kFloorPL12{"TR_FB", "FLOOR PL12", "PL150012", 1500, 12, 0, 0, 0, 0, 141.3, "KA"};
// The web frame: a deep built-up tee.
const HullSection kWebT600x12_150x16{"TR_T", "WEB T600x12/150x16", "T6001215016", 600, 12, 150, 16, 0, 0, 75.4, "KA"};

}  // namespace hull_sections

CStiffData hullStiffenerRecord(const HullSection& section, const ZcGePoint3d& start, const ZcGePoint3d& end,
                               const char* sides)
{
    CStiffData s;
    s.m_ptStart = start;
    s.m_ptEnd = end;
    s.m_strType = "STIFF";
    s.m_strFType = section.form;
    s.m_strName = section.name;
    s.m_strCode = section.code;
    s.m_rWebWidth = section.webWidth;
    s.m_rWebThick = section.webThick;
    s.m_rFaceWidth = section.faceWidth;
    s.m_rFaceThck = section.faceThick;
    s.m_rCornerR1 = section.cornerR1;
    s.m_rCornerR2 = section.cornerR2;
    s.m_strEndTypeS = "S";
    s.m_strEndTypeE = "S";
    s.m_strItanige = sides;
    s.m_strMaterial = section.material;
    s.m_rWeight = std::round(section.kgPerMetre * start.distanceTo(end) / 100.0) / 10.0;
    return s;
}
