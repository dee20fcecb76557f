// Windows file-name patterns.
#include "win/wildcard.h"

#include <string>
#include <vector>

namespace zrxhost {
namespace {

char fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Splits UTF-8 text into characters so that "?" stands for a whole Japanese character.
std::vector<std::string_view> characters(std::string_view s)
{
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >= 0xF0 ? 4 : (c >= 0xE0 ? 3 : (c >= 0xC0 ? 2 : 1)));
        if (i + n > s.size()) n = s.size() - i;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool same(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool match(const std::vector<std::string_view>& p, size_t pi, const std::vector<std::string_view>& n, size_t ni)
{
    // Iterative with one backtrack point for the last "*", which is enough for these patterns.
    size_t starP = std::string::npos;
    size_t starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == "?" || (p[pi] != "*" && same(p[pi], n[ni])))) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == "*") {
            starP = pi++;
            starN = ni;
        } else if (starP != std::string::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == "*") ++pi;
    return pi == p.size();
}

}  // namespace

bool matchesWildcard(std::string_view pattern, std::string_view name)
{
    std::string p(pattern);
    // "*.*" is every name, dotted or not, as it always was on Windows.
    if (p == "*.*") p = "*";
    // A pattern ending in "." asks for names without an extension.
    if (p.size() > 1 && p.back() == '.' && name.find('.') == std::string_view::npos) p.pop_back();
    return match(characters(p), 0, characters(name), 0);
}

}  // namespace zrxhost
