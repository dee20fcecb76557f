// Windows file-name patterns: "*" for any run of characters, "?" for one character, letters
// without regard to case.
#pragma once

#include <string_view>

#include "zrx/zrx_export.h"

namespace zrxhost {
ZRX_API bool matchesWildcard(std::string_view pattern, std::string_view name);
}
