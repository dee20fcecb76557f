// Profile file lines as Windows reads them: sections in brackets, "key=value" with blanks
// trimmed and matching quotes dropped, comments after ";".
#include "win/profile_text.h"

namespace zrxhost::profile {
namespace {

std::string trim(std::string_view s) { return std::string(trimBlanks(s)); }

}  // namespace

std::string_view trimBlanks(std::string_view name)
{
    size_t b = name.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    size_t e = name.find_last_not_of(" \t");
    return name.substr(b, e - b + 1);
}

void parseLine(Line& line, std::string text)
{
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    std::string t = trim(text);
    line.kind = Kind::Other;
    if (t.empty() || t[0] == ';') return;
    if (t[0] == '[') {
        size_t close = t.find(']');
        line.kind = Kind::Section;
        line.name = trim(std::string_view(t).substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return;
    }
    size_t eq = t.find('=');
    if (eq == std::string::npos) return;
    line.kind = Kind::Key;
    line.name = trim(std::string_view(t).substr(0, eq));
    std::string v = trim(std::string_view(t).substr(eq + 1));
    // A value in matching quotes is given without them.
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    line.value = v;
}

std::string decodeLine(const std::string& raw, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) return raw;
    auto text = cp932ToUtf8(raw);
    return text ? *text : raw;
}

Profile parseProfile(const std::string& bytes)
{
    Profile p;
    auto decoded = decodeFileText(bytes);
    p.encoding = decoded ? decoded->encoding : TextEncoding::Cp932;
    bool eolSeen = false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        Line line;
        if (nl == std::string::npos) {
            line.raw = bytes.substr(start);
            start = bytes.size();
        } else {
            size_t end = nl;
            line.eol = "\n";
            if (end > start && bytes[end - 1] == '\r') {
                --end;
                line.eol = "\r\n";
            }
            line.raw = bytes.substr(start, end - start);
            start = nl + 1;
            if (!eolSeen) {
                p.eol = line.eol;
                eolSeen = true;
            }
        }
        parseLine(line, decodeLine(line.raw, p.encoding));
        p.lines.push_back(std::move(line));
    }
    return p;
}

}  // namespace zrxhost::profile
