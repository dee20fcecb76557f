// Numbers and handles in group values.
#include <charconv>

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

bool parseDouble(std::string_view text, double& out)
{
    std::string_view s = trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
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
    if (!parseDouble(s, d) || d != static_cast<double>(static_cast<int64_t>(d))) return false;
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

}  // namespace zrx::dxf
