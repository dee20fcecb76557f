// Longitudinal sections and the landing lines they are linked to: a section carries its
// record under "LONG", holding the landing line's handle name; a landing line that has
// been linked carries its own handle name under "A_LONGLINE".
#pragma once

#include <set>

#include "zrx.h"

#define TREVAN_LONG_APP "LONG"
#define TREVAN_LANDING_MARK_APP "A_LONGLINE"

// Appends, in model space order, every section whose record reads and names the landing
// line's handle (letter case aside); sections among `skip` are passed over unread. False,
// after saying which step failed, when model space cannot be walked.
bool TrevanCom_SectionsLinkedTo(const CString& handleName, ZcDbObjectIdArray& ids,
                                const std::set<ZcDbObjectId>& skip = {});

