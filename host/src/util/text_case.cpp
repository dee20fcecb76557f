#include "util/text_case.h"

namespace zrxhost {
namespace {
char up(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

std::string upperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out) c = up(c);
    return out;
}

int compareNoCase(std::string_view a, std::string_view b)
{
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(up(a[i]));
        auto cb = static_cast<unsigned char>(up(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}
}  // namespace zrxhost
