// What lies in the pick box around a point: the first entity crossing a pick-box-sized
// square that a test accepts.
#pragma once

#include <functional>

#include "zrx.h"

// The square is PICKBOX pixels of the current view wide and high, centred on the point (a
// UCS point, as picks give them), at Z 0. Entities are tried in selection order; false when
// nothing crosses the square or none is accepted.
bool TrevanCom_PickBoxFind(const ads_point pt, const std::function<bool(const ZcDbEntity*)>& accept,
                           ZcDbObjectId& found);
// The test of the comma list of applications: the entity carries one of them.
bool TrevanCom_CarriesOneOf(const ZcDbEntity* pEnt, const CStringArray& apps);
// The comma list as names, appended; nothing for null or "".
void TrevanCom_SplitNames(const char* names, CStringArray& list);
