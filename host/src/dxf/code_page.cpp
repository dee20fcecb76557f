// Code page conversion of drawing text through iconv.
#include "dxf/code_page.h"

#include <cstdio>
#include <cstring>

#include "util/utf8.h"
#include "util/text_case.h"

namespace zrx::dxf {

namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool plainAscii(std::string_view s)
{
    for (unsigned char c : s) {
        if (c >= 0x80 || c == '\\') return false;
    }
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool hex4(std::string_view s, unsigned& value)
{
    if (s.size() < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) {
        int d = hexDigit(s[static_cast<size_t>(i)]);
        if (d < 0) return false;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return true;
}

// The code pages of \M+n escapes: the multibyte fonts of old Asian releases.
const char* mbcsPage(char n)
{
    switch (n) {
    case '1': return "CP932";
    case '2': return "CP950";
    case '3': return "CP949";
    case '4': return "JOHAB";
    case '5': return "CP936";
    default: return nullptr;
    }
}

}  // namespace

std::string iconvNameOf(std::string_view dwgCodePage)
{
    std::string upper = zrxhost::upperAscii(std::string(dwgCodePage));
    if (upper == "UTF-8" || upper == "UTF8") return "UTF-8";
    if (upper == "ASCII") return "CP1252";
    for (const char* prefix : {"ANSI_", "DOS", "CP"}) {
        size_t n = std::strlen(prefix);
        if (upper.compare(0, n, prefix) == 0 && upper.size() > n &&
            upper.find_first_not_of("0123456789", n) == std::string::npos) {
            return "CP" + upper.substr(n);
        }
    }
    if (upper.rfind("ISO8859-", 0) == 0) return "ISO-8859-" + upper.substr(8);
    if (upper == "BIG5") return "CP950";
    if (upper == "GB2312") return "CP936";
    if (upper == "JOHAB") return "JOHAB";
    return "";
}

CodePage::CodePage(std::string_view dwgCodePage)
{
    m_iconvName = iconvNameOf(dwgCodePage);
    if (m_iconvName == "UTF-8") {
        m_utf8 = true;
        return;
    }
    if (!m_iconvName.empty()) {
        m_toUtf8 = zrxhost::IconvConverter("UTF-8", m_iconvName.c_str());
        m_fromUtf8 = zrxhost::IconvConverter(m_iconvName.c_str(), "UTF-8");
    }
    if (!m_toUtf8.isOpen() || !m_fromUtf8.isOpen()) {
        m_iconvName = "CP1252";
        m_toUtf8 = zrxhost::IconvConverter("UTF-8", "CP1252");
        m_fromUtf8 = zrxhost::IconvConverter("CP1252", "UTF-8");
    }
}

CodePage::~CodePage() = default;
CodePage::CodePage(CodePage&& other) noexcept = default;
CodePage& CodePage::operator=(CodePage&& other) noexcept = default;

bool CodePage::decodeMbcs(std::string& out, char page, std::string_view hex)
{
    const char* name = mbcsPage(page);
    unsigned value = 0;
    if (name == nullptr || !hex4(hex, value)) return false;
    zrxhost::IconvConverter converter("UTF-8", name);
    if (!converter.isOpen()) return false;
    char bytes[2] = {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
    converter.appendReplacing(out, std::string_view(bytes, value > 0xFF ? 2 : 1).substr(value > 0xFF ? 0 : 1),
                              kReplacement);
    return true;
}

bool CodePage::isLeadByte(unsigned char c) const
{
    if (m_iconvName == "CP932") return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    if (m_iconvName == "CP936" || m_iconvName == "CP949" || m_iconvName == "CP950" || m_iconvName == "JOHAB") {
        return c >= 0x81 && c <= 0xFE;
    }
    return false;
}

std::string CodePage::decode(std::string_view raw)
{
    if (plainAscii(raw)) return std::string(raw);
    if (m_utf8) return std::string(raw);
    std::string out;
    out.reserve(raw.size() + 8);
    size_t runStart = 0;
    auto flush = [&](size_t end) {
        std::string_view run = raw.substr(runStart, end - runStart);
        if (m_utf8 || plainAscii(run)) out.append(run);
        else m_toUtf8.appendReplacing(out, run, kReplacement);
    };
    for (size_t i = 0; i < raw.size(); ++i) {
        // The trail byte of a double-byte character may be 0x5C; it is no backslash.
        if (isLeadByte(static_cast<unsigned char>(raw[i]))) {
            ++i;
            continue;
        }
        if (raw[i] != '\\' || i + 1 >= raw.size()) continue;
        unsigned value = 0;
        if (raw.compare(i + 1, 2, "U+") == 0 && hex4(raw.substr(i + 3), value)) {
            flush(i);
            zrxhost::appendUtf8(out, value);
            i += 6;
            runStart = i + 1;
        } else if (raw.compare(i + 1, 2, "M+") == 0 && i + 8 <= raw.size()) {
            std::string piece;
            if (decodeMbcs(piece, raw[i + 3], raw.substr(i + 4, 4))) {
                flush(i);
                out += piece;
                i += 7;
                runStart = i + 1;
            }
        }
    }
    flush(raw.size());
    return out;
}

std::string_view CodePage::view(std::string_view raw, std::string& scratch)
{
    if (m_utf8 || plainAscii(raw)) return raw;
    scratch = decode(raw);
    return scratch;
}

std::string CodePage::encode(std::string_view utf8)
{
    if (m_utf8) return std::string(utf8);
    bool ascii = true;
    for (unsigned char c : utf8) ascii = ascii && c < 0x80;
    if (ascii) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        size_t start = i;
        char32_t cp = zrxhost::nextCodePoint(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        if (cp == 0xFFFD || !m_fromUtf8.append(out, utf8.substr(start, i - start))) {
            char esc[12];
            std::snprintf(esc, sizeof esc, "\\U+%04X", static_cast<unsigned>(cp > 0xFFFF ? 0xFFFD : cp));
            out += esc;
        }
    }
    return out;
}

}  // namespace zrx::dxf
