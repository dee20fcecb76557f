#include "stiffener/mate_label.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/str_split.h"

namespace {

// Rows are at most 2047 characters; a longer one reads on as the next row.
constexpr int kRowBuffer = 2048;

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the row's key is strKey. The key is the row up to its first comma with every
// double quote dropped, as the list splitter and the quote removal give it; the splitter
// takes a row without a comma that opens with "" and does not close with a quote for an
// empty field. Done in place, since most rows are only looked at for their key.
bool keyMatches(const char* row, std::size_t len, const CString& strKey)
{
    const char* comma = static_cast<const char*>(std::memchr(row, ',', len));
    std::size_t end = comma != nullptr ? static_cast<std::size_t>(comma - row) : len;
    if (comma == nullptr && len >= 2 && row[0] == '"' && row[1] == '"' && row[len - 1] != '"') end = 0;
    const char* key = strKey;
    std::size_t k = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (row[i] == '"') continue;
        if (key[k] == '\0' || lowerAscii(row[i]) != lowerAscii(key[k])) return false;
        ++k;
    }
    return key[k] == '\0';
}

void appendToken(CString& label, CString token, const TrevanLabelFields& fields)
{
    token.Remove('"');
    if (token.Compare("(chr 44)") == 0) {
        label += ',';
        return;
    }
    // The number the token starts with, as the C library reads it; 0 when it starts with none.
    long n = std::strtol(token, nullptr, 10);
    if (n == 0) label += token;
    else if (n >= 1 && n <= 6) label += fields.m_pszField[n - 1];
}

}  // namespace

CString TrevanCom_ComposeMateLabel(std::string_view text, const CString& strKey, const TrevanLabelFields& fields)
{
    char row[kRowBuffer];
    std::size_t pos = 0;
    while (pos < text.size()) {
        // One row as fgets reads it: up to its line end, at most a buffer less its zero.
        std::size_t take = std::min<std::size_t>(text.size() - pos, kRowBuffer - 1);
        const char* start = text.data() + pos;
        if (const void* nl = std::memchr(start, '\n', take)) take = static_cast<std::size_t>(static_cast<const char*>(nl) - start) + 1;
        std::memcpy(row, start, take);
        row[take] = '\0';
        pos += take;
        std::size_t len = std::strlen(row);
        while (len > 0 && (row[len - 1] == '\n' || row[len - 1] == '\r')) row[--len] = '\0';
        if (!keyMatches(row, len, strKey)) continue;
        CStringArray parts;
        int nNoCase = 1;
        TrevanComARX_MakeStrArray(CString(row), ",", parts, nNoCase);
        CString label;
        for (INT_PTR i = 1; i < parts.GetSize(); ++i) appendToken(label, parts[i], fields);
        return label;
    }
    return CString();
}
