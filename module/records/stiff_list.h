// The typed list that carries a stiffener record in xdata under "STIFF": 27 items, the
// first 19 always present, the last 8 added later and read when they are there.
#pragma once

#include "zrx.h"

#include "records/record_list.h"
#include "records/stiff_data.h"

// Adds the items to the list, whose strings are the record's own. Integers go out as their
// low 16 bits.
void TrevanCom_BuildStiffList(const CStiffData& stiff, CRecordList& list);

// Fills the attribute fields from a list in that order. False when one of the first 19
// items is missing or of another type; the fields read before it keep their new values.
bool TrevanCom_ParseStiffList(const resbuf* list, CStiffData& stiff);
