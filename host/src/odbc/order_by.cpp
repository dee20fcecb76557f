// A trailing ORDER BY split off a query, and the order of two column values.
#include "odbc/order_by.h"

#include <cctype>
#include <algorithm>
#include <tuple>

#include "util/text_case.h"

namespace zrxodbc {
namespace {

bool isWordAt(const std::string& s, size_t at, const char* word)
{
    size_t n = std::char_traits<char>::length(word);
    if (at + n > s.size() || !zrxhost::equalsNoCase(std::string_view(s).substr(at, n), word)) return false;
    bool startsWord = at == 0 || !(std::isalnum(static_cast<unsigned char>(s[at - 1])) || s[at - 1] == '_');
    bool endsWord = at + n == s.size() || !(std::isalnum(static_cast<unsigned char>(s[at + n])) || s[at + n] == '_');
    return startsWord && endsWord;
}

std::string trimmed(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r\n;");
    return s.substr(b, e - b + 1);
}

// "NAME", "[NAME]" or "\"NAME\"", then ASC or DESC; false for anything else.
bool parseKey(const std::string& item, OrderKey& key)
{
    std::string s = trimmed(item);
    size_t end = 0;
    if (!s.empty() && (s[0] == '[' || s[0] == '"')) {
        size_t close = s.find(s[0] == '[' ? ']' : '"', 1);
        if (close == std::string::npos || close == 1) return false;
        key.column = s.substr(1, close - 1);
        end = close + 1;
    } else {
        // A column number is the driver's business.
        if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
        while (end < s.size() && (std::isalnum(static_cast<unsigned char>(s[end])) || s[end] == '_')) ++end;
        if (end == 0) return false;
        key.column = s.substr(0, end);
    }
    std::string rest = trimmed(s.substr(end));
    if (rest.empty() || zrxhost::equalsNoCase(rest, "ASC")) key.descending = false;
    else if (zrxhost::equalsNoCase(rest, "DESC")) key.descending = true;
    else return false;
    return true;
}

int rankOf(const Value& v)
{
    switch (v.kind) {
    case Value::Null: return 0;
    case Value::Bool:
    case Value::UChar:
    case Value::Short:
    case Value::Long:
    case Value::Single:
    case Value::Double: return 1;
    case Value::Date: return 2;
    case Value::String: return 3;
    case Value::Binary: return 4;
    }
    return 5;
}

double numberOf(const Value& v)
{
    switch (v.kind) {
    case Value::Bool: return v.b ? 1 : 0;
    case Value::UChar: return v.uc;
    case Value::Short: return v.s;
    case Value::Long: return v.l;
    case Value::Single: return v.f;
    default: return v.d;
    }
}

int asciiLower(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

template <class T>
int order(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

std::optional<SplitQuery> splitOrderBy(const std::string& sql)
{
    size_t orderAt = std::string::npos;
    bool quoted = false;
    for (size_t i = 0; i < sql.size(); ++i) {
        if (sql[i] == '\'') quoted = !quoted;
        if (quoted || !isWordAt(sql, i, "ORDER")) continue;
        size_t by = sql.find_first_not_of(" \t\r\n", i + 5);
        if (by != std::string::npos && by > i + 5 && isWordAt(sql, by, "BY")) orderAt = i;
    }
    if (orderAt == std::string::npos) return std::nullopt;
    size_t list = sql.find_first_not_of(" \t\r\n", orderAt + 5) + 2;
    SplitQuery out{trimmed(sql.substr(0, orderAt)), {}};
    std::string keys = sql.substr(list);
    size_t start = 0;
    for (;;) {
        size_t comma = keys.find(',', start);
        OrderKey key;
        if (!parseKey(keys.substr(start, comma == std::string::npos ? std::string::npos : comma - start), key)) return std::nullopt;
        out.keys.push_back(key);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return out;
}

int compareValues(const Value& a, const Value& b)
{
    if (int r = order(rankOf(a), rankOf(b))) return r;
    switch (a.kind) {
    case Value::Null: return 0;
    case Value::Date:
        return order(std::tie(a.date.year, a.date.month, a.date.day, a.date.hour, a.date.minute, a.date.second, a.date.fraction),
                     std::tie(b.date.year, b.date.month, b.date.day, b.date.hour, b.date.minute, b.date.second, b.date.fraction));
    case Value::String: {
        size_t n = std::min(a.bytes.size(), b.bytes.size());
        for (size_t i = 0; i < n; ++i) {
            int ca = asciiLower(static_cast<unsigned char>(a.bytes[i]));
            int cb = asciiLower(static_cast<unsigned char>(b.bytes[i]));
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        return order(a.bytes.size(), b.bytes.size());
    }
    case Value::Binary: return order(a.bytes, b.bytes);
    default: return order(numberOf(a), numberOf(b));
    }
}

}  // namespace zrxodbc
