// The platform's wildcard patterns.
#pragma once

#include <string_view>

namespace zrxhost::ed {

// * any run, ? one character, # a digit, @ a letter, . neither, [..] one of (with ranges;
// [~..] none of), ` takes the next character as it is, ~ first negates, commas separate
// alternatives. Characters are UTF-8 code points.
bool wildcardMatch(std::string_view text, std::string_view pattern, bool ignoreCase);

}  // namespace zrxhost::ed
