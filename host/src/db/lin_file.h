// Line type files (.lin): each definition is a header line "*NAME[,description]" followed
// by a pattern line "A,dash,gap,...". Lines starting with ';' are comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zrxhost {

struct LinDefinition {
    std::string name;
    std::string description;
    std::vector<double> dashes;  // positive dash, negative gap, zero dot
    // Why the definition cannot be loaded (a shape or text element, a malformed pattern);
    // empty when it can.
    std::string refusal;
    bool unsupported = false;  // refused for a shape or text element, not for a fault
    int line = 0;  // 1-based line of the header
};

// Every definition of the file's text (UTF-8), in file order. A header without a pattern
// line, or a pattern that is not an A-aligned list of numbers, is kept with its refusal.
std::vector<LinDefinition> parseLinFile(std::string_view text);

}  // namespace zrxhost
