// UTF-8, the host's text in memory, one code point at a time.
#pragma once

#include <string>
#include <string_view>

namespace zrxhost {
// Decodes one sequence and advances i; invalid or cut sequences give U+FFFD.
char32_t nextCodePoint(std::string_view s, size_t& i);
void appendUtf8(std::string& out, char32_t cp);
inline std::string utf8Of(char32_t cp)
{
    std::string out;
    appendUtf8(out, cp);
    return out;
}
}  // namespace zrxhost
