// Numbers and handles in group values.
#include <charconv>
#include <cmath>
#include <limits>

#include "dxf/tag.h"

namespace zrx::dxf {

namespace {
std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}
}  // namespace

// Beyond this a coordinate or size is no drawing's; products of three such still stay finite.
constexpr double kLargestReal = 1e100;

bool parseDouble(std::string_view text, double& out)
{
    std::string_view s = trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && std::isfinite(out) && std::fabs(out) <= kLargestReal;
}

bool parseInt(std::string_view text, int64_t& out)
{
    std::string_view s = trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    if (ec == std::errc() && end == s.data() + s.size()) return true;
    // Some writers put a real where an integer belongs ("1.0"); the platform reads those.
    double d = 0.0;
    // Checked against the range first: converting a real beyond it is undefined.
    if (!parseDouble(s, d) || d != std::trunc(d) || d < -0x1p63 || d >= 0x1p63) return false;
    out = static_cast<int64_t>(d);
    return true;
}

bool parseHandle(std::string_view text, uint64_t& out)
{
    std::string_view s = trimmed(text);
    if (s.empty() || s.size() > 16) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out, 16);
    return ec == std::errc() && end == s.data() + s.size();
}

ValueKind valueKind(int code)
{
    auto in = [code](int from, int to) { return code >= from && code <= to; };
    if (in(10, 59) || in(110, 149) || in(210, 239) || in(460, 469) || in(1010, 1059)) return ValueKind::kReal;
    if (in(60, 79) || in(170, 179) || in(270, 299) || in(370, 389) || in(400, 409) || in(1060, 1070)) {
        return ValueKind::kInt16;
    }
    if (in(90, 99) || in(420, 429) || in(440, 459) || code == 1071) return ValueKind::kInt32;
    if (in(160, 169)) return ValueKind::kInt64;
    if (code == 5 || code == 105 || in(320, 369) || in(390, 399) || in(480, 481) || code == 1005) {
        return ValueKind::kHandle;
    }
    if (in(310, 319) || code == 1004) return ValueKind::kBinary;
    return ValueKind::kText;
}

const char* kindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::kReal: return "a number";
    case ValueKind::kInt16: return "a 16-bit integer";
    case ValueKind::kInt32: return "a 32-bit integer";
    case ValueKind::kInt64: return "an integer";
    case ValueKind::kHandle: return "a handle";
    case ValueKind::kBinary: return "hexadecimal bytes";
    case ValueKind::kText: break;
    }
    return "text";
}

bool valueFits(int code, std::string_view value)
{
    double d = 0.0;
    int64_t i = 0;
    uint64_t h = 0;
    switch (valueKind(code)) {
    case ValueKind::kReal: return parseDouble(value, d);
    case ValueKind::kInt16: return parseInt(value, i) && i >= INT16_MIN && i <= INT16_MAX;
    case ValueKind::kInt32: return parseInt(value, i) && i >= INT32_MIN && i <= INT32_MAX;
    case ValueKind::kInt64: return parseInt(value, i);
    // A handle of 0 is how writers say "none".
    case ValueKind::kHandle: return parseHandle(value, h);
    case ValueKind::kBinary:
        return value.size() % 2 == 0 && value.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
    case ValueKind::kText: break;
    }
    return true;
}

}  // namespace zrx::dxf
