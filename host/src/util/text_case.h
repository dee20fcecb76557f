// Names compared as the platform compares them: ASCII letters without regard to case,
// every other byte (Japanese text included) as it stands.
#pragma once

#include <string>
#include <string_view>

namespace zrxhost {
bool equalsNoCase(std::string_view a, std::string_view b);
std::string upperAscii(std::string_view s);
int compareNoCase(std::string_view a, std::string_view b);
}  // namespace zrxhost
