// Group-code/value pairs of ASCII DXF, as read (a view into the file's text, with the line
// of the group code) and as kept (an owned UTF-8 value) for content the host does not model.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "zrx/zrx_export.h"

namespace zrx::dxf {

struct Tag {
    int code = 0;
    uint32_t line = 0;       // line of the group code, 1-based
    std::string_view value;  // raw bytes, not yet decoded from the file's code page
};

struct KeptTag {
    int code = 0;
    std::string value;  // UTF-8
};
using KeptTags = std::vector<KeptTag>;

// Strict number parsing of a value; false when the text is not a number of that kind.
// Leading and trailing blanks are allowed, as writers pad numbers.
ZRX_API bool parseDouble(std::string_view text, double& out);
ZRX_API bool parseInt(std::string_view text, int64_t& out);
// Hexadecimal handle; false when the text is empty or not hexadecimal.
ZRX_API bool parseHandle(std::string_view text, uint64_t& out);

}  // namespace zrx::dxf
