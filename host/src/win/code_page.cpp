// CP932 ⇄ UTF-8 conversion.
#include "win/code_page.h"

#include "util/iconv_converter.h"

namespace zrxhost {
namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in)
{
    IconvConverter converter(to, from);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 16);
    if (!converter.append(out, in)) return std::nullopt;
    return out;
}

}  // namespace

bool isUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        unsigned min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        unsigned cp = c & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k) {
            auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

std::optional<std::string> cp932ToUtf8(std::string_view bytes) { return convert("UTF-8", "CP932", bytes); }

std::optional<std::string> utf8ToCp932(std::string_view text) { return convert("CP932", "UTF-8", text); }

std::optional<DecodedText> decodeFileText(std::string_view bytes)
{
    if (isUtf8(bytes)) return DecodedText{std::string(bytes), TextEncoding::Utf8};
    auto text = cp932ToUtf8(bytes);
    if (!text) return std::nullopt;
    return DecodedText{std::move(*text), TextEncoding::Cp932};
}

std::optional<std::string> encodeFileText(std::string_view text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) return std::string(text);
    return utf8ToCp932(text);
}

}  // namespace zrxhost
