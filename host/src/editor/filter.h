// Selection filters: the result-buffer lists zcedSSGet takes.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zrx/zrx_all.h"

namespace zrxhost::ed {

struct FilterNode {
    enum Kind { kAnd, kOr, kXor, kNot, kType, kBlock, kLinetype, kLayer, kColor, kApps, kGroup } kind = kAnd;
    std::string pattern;            // names: a wildcard pattern
    int color = 0;
    std::vector<std::string> apps;  // kApps: every one must have xdata on the entity
    // kGroup: any other group of the entity's file codes, text by pattern, numbers and
    // points compared by the relational operators ("*", "=", "!=", "<", "<=", ">", ">=",
    // "&", "&="), one per coordinate for a point.
    int code = 0;
    std::vector<std::string> ops;
    std::vector<double> numbers;
    std::vector<FilterNode> children;
};

// The filter as a tree (a top-level AND); nothing when the list is malformed or tests a
// group the host does not filter on.
std::optional<FilterNode> compileFilter(const resbuf* filter);
// The entity is read in a HostAccess scope.
bool filterMatches(const FilterNode& filter, const ZcDbEntity* entity);

}  // namespace zrxhost::ed
