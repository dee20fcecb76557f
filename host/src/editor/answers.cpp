// Reading answers: numbers, points, handle picks and keywords.
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

#include "editor/editor.h"
#include "util/text_case.h"
#include "zrx/ed_input.h"
#include "zrx/ed_sysvars.h"

namespace zrxhost::ed {
namespace {
InitGet g_initGet;
std::string g_lastInput;

bool isNumberText(std::string_view t)
{
    if (t.empty()) return false;
    for (char c : t) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' || c == 'e' ||
              c == 'E'))
            return false;
    }
    return true;
}

std::vector<std::string> splitWords(std::string_view s)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        size_t j = i;
        while (j < s.size() && s[j] != ' ') ++j;
        if (j > i) words.emplace_back(s.substr(i, j - i));
        i = j;
    }
    return words;
}
}  // namespace

std::optional<double> parseReal(std::string_view text)
{
    if (!isNumberText(text)) return std::nullopt;
    double v = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    // from_chars does not take a leading '+'; the platform does.
    if (ec != std::errc() && text.front() == '+') {
        auto r = std::from_chars(text.data() + 1, text.data() + text.size(), v);
        end = r.ptr;
        ec = r.ec;
    }
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> parseInt(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    int v = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return v;
}

std::optional<ZcGePoint3d> parsePoint(std::string_view text)
{
    double c[3] = {0, 0, 0};
    int n = 0;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        std::string_view part = text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (n == 3) return std::nullopt;
        auto v = parseReal(part);
        if (!v) return std::nullopt;
        c[n++] = *v;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (n < 2) return std::nullopt;
    return ZcGePoint3d(c[0], c[1], c[2]);
}

std::optional<HandlePick> parseHandlePick(std::string_view text)
{
    if (text.size() < 2 || text.front() != '#') return std::nullopt;
    text.remove_prefix(1);
    size_t at = text.find('@');
    std::string_view hex = text.substr(0, at);
    if (hex.empty() || hex.size() > 16) return std::nullopt;
    for (char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    HandlePick pick;
    pick.handle = ZcDbHandle(std::string(hex).c_str());
    if (at != std::string_view::npos) {
        pick.at = parsePoint(text.substr(at + 1));
        if (!pick.at) return std::nullopt;
    }
    return pick;
}

std::string formatReal(double v)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    static_cast<void>(ec);
    return std::string(buf, end);
}

std::string formatPoint(const ZcGePoint3d& p)
{
    return formatReal(p.x) + "," + formatReal(p.y) + "," + formatReal(p.z);
}

void setErrno(int value)
{
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(value);
    zcedSetVar("ERRNO", &rb);
}

InitGet takeInitGet()
{
    InitGet taken = std::move(g_initGet);
    g_initGet = InitGet{};
    return taken;
}

std::optional<std::string> matchKeyword(const InitGet& init, std::string_view answer)
{
    std::string up = upperAscii(answer);
    for (const Keyword& k : init.keywords) {
        std::string full = upperAscii(k.local);
        bool match = up == full || (!k.abbrev.empty() && up == k.abbrev);
        if (!match && !k.abbrev.empty() && up.size() < full.size() && full.compare(0, up.size(), up) == 0) {
            // A start of the keyword that reaches past its capitals.
            size_t lastCapital = 0;
            for (size_t i = 0; i < k.local.size(); ++i) {
                if (std::isupper(static_cast<unsigned char>(k.local[i]))) lastCapital = i;
            }
            match = up.size() > lastCapital;
        }
        if (match) return k.global.empty() ? k.local : k.global;
    }
    // "_Name" answers with a global name directly.
    if (!up.empty() && up.front() == '_') {
        std::string g = up.substr(1);
        for (const Keyword& k : init.keywords) {
            if (!k.global.empty() && upperAscii(k.global) == g) return k.global;
        }
    }
    return std::nullopt;
}

void setLastInput(std::string text) { g_lastInput = std::move(text); }

void noteLastPoint(const ZcGePoint3d& p)
{
    resbuf rb{};
    rb.restype = RT3DPOINT;
    rb.resval.rpoint[0] = p.x;
    rb.resval.rpoint[1] = p.y;
    rb.resval.rpoint[2] = p.z;
    zcedSetVar("LASTPOINT", &rb);
}

ZcDbObjectId idOf(const ads_name name)
{
    ZcDbObjectId id;
    if (name == nullptr || zcdbGetObjectId(id, name) != Zcad::eOk) return ZcDbObjectId();
    return id;
}

void nameOf(ZcDbObjectId id, ads_name name) { zcdbGetAdsName(*reinterpret_cast<ads_name*>(name), id); }

}  // namespace zrxhost::ed

int zcedInitGet(int val, const char* kwl)
{
    using namespace zrxhost::ed;
    g_initGet = InitGet{};
    g_initGet.bits = val;
    if (kwl == nullptr) return RTNORM;
    std::vector<std::string> words = splitWords(kwl);
    std::vector<std::string> locals, globals;
    bool inGlobals = false;
    for (std::string& w : words) {
        if (!inGlobals && w.front() == '_') {
            inGlobals = true;
            w.erase(0, 1);
            if (w.empty()) continue;
        }
        (inGlobals ? globals : locals).push_back(w);
    }
    for (size_t i = 0; i < locals.size(); ++i) {
        Keyword k;
        k.local = locals[i];
        for (char c : k.local) {
            if (std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c))) k.abbrev += c;
        }
        if (i < globals.size()) k.global = globals[i];
        g_initGet.keywords.push_back(k);
    }
    return RTNORM;
}

int zcedGetInput(char* str, size_t bufLen)
{
    using namespace zrxhost::ed;
    if (str == nullptr || bufLen == 0) return RTERROR;
    if (g_lastInput.size() + 1 > bufLen) return RTERROR;
    std::memcpy(str, g_lastInput.c_str(), g_lastInput.size() + 1);
    return RTNORM;
}

int zcedGetInput(char* str) { return zcedGetInput(str, 512); }
