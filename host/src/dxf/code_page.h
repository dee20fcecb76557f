// Text of drawings older than R2007 is in the code page named by $DWGCODEPAGE; characters
// outside it are written as \U+XXXX (and, by old Asian versions, \M+nXXXX). The host keeps
// all text as UTF-8; conversion uses glibc's iconv, which knows every Windows code page a
// drawing can name (CP932 is Windows' Shift-JIS).
#pragma once

#include <string>
#include <string_view>

#include "util/iconv_converter.h"
#include "zrx/zrx_export.h"

namespace zrx::dxf {

class ZRX_API CodePage {
public:
    // A $DWGCODEPAGE value ("ANSI_932", "ANSI_1252", "dos932"…); unknown names read as
    // ANSI_1252, the platform's default. "UTF-8" is text as it is (R2007 and later).
    explicit CodePage(std::string_view dwgCodePage);
    static CodePage utf8() { return CodePage("UTF-8"); }
    ~CodePage();
    CodePage(CodePage&& other) noexcept;
    CodePage& operator=(CodePage&& other) noexcept;
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    bool isUtf8() const { return m_utf8; }
    // The iconv name in use ("CP932").
    const std::string& iconvName() const { return m_iconvName; }

    // File bytes to UTF-8. Bytes that are not valid in the code page come out as U+FFFD;
    // \U+XXXX and \M+nXXXX escapes become the characters they stand for.
    std::string decode(std::string_view raw);
    // The same without a copy where none is needed: the bytes themselves when they are
    // already the text, otherwise the decoded text, held in scratch.
    std::string_view view(std::string_view raw, std::string& scratch);
    // UTF-8 to file bytes; a character the code page cannot hold is written \U+XXXX.
    std::string encode(std::string_view utf8);

private:
    bool isLeadByte(unsigned char c) const;
    bool decodeMbcs(std::string& out, char page, std::string_view hex);

    bool m_utf8 = false;
    std::string m_iconvName;
    zrxhost::IconvConverter m_toUtf8;
    zrxhost::IconvConverter m_fromUtf8;
};

// The iconv name for a $DWGCODEPAGE value; empty when it is not one the host knows.
ZRX_API std::string iconvNameOf(std::string_view dwgCodePage);

}  // namespace zrx::dxf
