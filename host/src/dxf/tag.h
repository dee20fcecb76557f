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

// What a group code's value is, as DXF defines it by code ranges.
enum class ValueKind { kText, kReal, kInt16, kInt32, kInt64, kHandle, kBinary };
ZRX_API ValueKind valueKind(int code);
// Whether the value is one of its code's kind: a finite real of sensible size, an integer
// of the code's width, hexadecimal for handles and binary chunks; any text is text.
ZRX_API bool valueFits(int code, std::string_view value);
// "a number", "a 16-bit integer"…, for messages.
ZRX_API const char* kindName(ValueKind kind);

}  // namespace zrx::dxf
