// The selection sets held by plug-ins and LISP, named in the C interface by a tag the
// database serials never take and the set's number.
#pragma once

#include <cstdint>
#include <vector>

#include "zrx/zrx_all.h"

namespace zrxhost::ed {

inline constexpr int64_t kSelectionSetTag = -0x5353;
inline constexpr int kMaxSelectionSets = 128;

struct SelectionSet {
    std::vector<ZcDbObjectId> ids;
    bool heldByLisp = false;
};

bool isSelectionSetName(const ads_name name);
SelectionSet* findSet(const ads_name name);
// A new set named in name; false when 128 are held already.
bool newSet(std::vector<ZcDbObjectId> ids, ads_name name);
bool freeSet(const ads_name name);
// LISP holds the set from now on (it goes when LISP lets go of it).
void holdByLisp(const ads_name name);
// Numbers of the sets plug-ins hold.
std::vector<int64_t> setsHeldByPlugins();
void freeSetByNumber(int64_t number);
// The set last made by a selection, for "P".
std::vector<ZcDbObjectId>& previousSelection();

}  // namespace zrxhost::ed
