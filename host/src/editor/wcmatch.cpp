// Wildcard matching over code points, so Japanese layer names match character by character.
#include "editor/wcmatch.h"

#include <string>
#include <vector>

#include "zrx/ed_selection.h"

namespace zrxhost::ed {
namespace {

char32_t fold(char32_t c, bool ignoreCase)
{
    return ignoreCase && c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::u32string decode(std::string_view s)
{
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
        if (i + n > s.size()) n = 1;
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

// One alternative, from position pi of the pattern against position ti of the text.
bool matchFrom(const std::u32string& t, size_t ti, const std::u32string& p, size_t pi, bool ic)
{
    while (pi < p.size()) {
        char32_t pc = p[pi];
        if (pc == '*') {
            while (pi < p.size() && p[pi] == '*') ++pi;
            if (pi == p.size()) return true;
            for (size_t k = ti; k <= t.size(); ++k) {
                if (matchFrom(t, k, p, pi, ic)) return true;
            }
            return false;
        }
        if (ti >= t.size()) return false;
        char32_t tc = t[ti];
        if (pc == '?') {
        } else if (pc == '#') {
            if (!isDigit(tc)) return false;
        } else if (pc == '@') {
            if (!isLetter(tc)) return false;
        } else if (pc == '.') {
            if (isDigit(tc) || isLetter(tc)) return false;
        } else if (pc == '[') {
            size_t close = pi + 1;
            bool negate = close < p.size() && p[close] == '~';
            if (negate) ++close;
            size_t first = close;
            // A ']' right after the opening bracket belongs to the set.
            if (close < p.size() && p[close] == ']') ++close;
            while (close < p.size() && p[close] != ']') ++close;
            if (close >= p.size()) {
                if (fold(tc, ic) != fold('[', ic)) return false;
            } else {
                bool found = false;
                for (size_t k = first; k < close; ++k) {
                    if (k + 2 < close && p[k + 1] == '-') {
                        if (fold(tc, ic) >= fold(p[k], ic) && fold(tc, ic) <= fold(p[k + 2], ic)) found = true;
                        k += 2;
                    } else if (fold(p[k], ic) == fold(tc, ic)) {
                        found = true;
                    }
                }
                if (found == negate) return false;
                pi = close;
            }
        } else {
            if (pc == '`' && pi + 1 < p.size()) pc = p[++pi];
            if (fold(pc, ic) != fold(tc, ic)) return false;
        }
        ++pi;
        ++ti;
    }
    return ti == t.size();
}

}  // namespace

bool wildcardMatch(std::string_view text, std::string_view pattern, bool ignoreCase)
{
    std::u32string t = decode(text);
    std::u32string p = decode(pattern);
    // Split on commas that are not escaped or inside brackets.
    std::vector<std::u32string> alternatives(1);
    bool inBrackets = false;
    for (size_t i = 0; i < p.size(); ++i) {
        char32_t c = p[i];
        if (c == '`' && i + 1 < p.size()) {
            alternatives.back() += c;
            alternatives.back() += p[++i];
            continue;
        }
        if (c == '[') inBrackets = true;
        if (c == ']') inBrackets = false;
        if (c == ',' && !inBrackets) {
            alternatives.emplace_back();
            continue;
        }
        alternatives.back() += c;
    }
    for (const std::u32string& alt : alternatives) {
        bool negate = !alt.empty() && alt.front() == '~';
        bool m = matchFrom(t, 0, alt, negate ? 1 : 0, ignoreCase);
        if (m != negate) return true;
    }
    return false;
}

}  // namespace zrxhost::ed

int zcutWcMatch(const char* string, const char* pattern)
{
    if (string == nullptr || pattern == nullptr) return RTERROR;
    return zrxhost::ed::wildcardMatch(string, pattern, false) ? RTNORM : RTNONE;
}
