// Text files written by the Windows product are Shift-JIS (CP932); the host keeps UTF-8 in
// memory. A file's text is decoded once on reading and encoded back the same way on writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zrx/zrx_export.h"

namespace zrxhost {

enum class TextEncoding { Utf8, Cp932 };

// True when the bytes are well-formed UTF-8 (plain ASCII included).
ZRX_API bool isUtf8(std::string_view bytes);

// CP932 ⇄ UTF-8 through the C library's iconv; nothing when a byte sequence has no mapping.
ZRX_API std::optional<std::string> cp932ToUtf8(std::string_view bytes);
ZRX_API std::optional<std::string> utf8ToCp932(std::string_view text);

// Decodes a file's bytes: UTF-8 when they are well-formed UTF-8, CP932 otherwise.
struct DecodedText {
    std::string text;  // UTF-8
    TextEncoding encoding = TextEncoding::Utf8;
};
ZRX_API std::optional<DecodedText> decodeFileText(std::string_view bytes);
// Encodes UTF-8 text for a file in the given encoding.
ZRX_API std::optional<std::string> encodeFileText(std::string_view text, TextEncoding encoding);

}  // namespace zrxhost
