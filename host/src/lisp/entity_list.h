// Entity lists: the group-code pairs of the drawing file as LISP dotted pairs, points as
// (code x y z), pointers as entity names, xdata under -3.
#pragma once

#include <string>
#include <vector>

#include "dxf/tag.h"
#include "lisp/value.h"

namespace zrxhost::lisp {

// self is the entity's name (-1); apps, when given, are the patterns of the applications
// whose xdata is wanted.
ValuePtr pairsToList(const zrx::dxf::KeptTags& pairs, const ValuePtr& self, const std::vector<std::string>* apps);
// False when an element is not a pair of a code and a value.
bool listToPairs(const ValuePtr& list, zrx::dxf::KeptTags& pairs);
// The entity an entity list names with -1; null when none.
ValuePtr nameIn(const ValuePtr& list);

}  // namespace zrxhost::lisp
