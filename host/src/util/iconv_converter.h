// One direction of a character-set conversion through the C library's iconv, open for as
// long as the object lives. Drawing-file code pages and the Windows product's Shift-JIS
// text files both convert through it.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace zrxhost {

class IconvConverter {
public:
    IconvConverter() = default;
    // iconv names ("UTF-8", "CP932"); isOpen() tells whether iconv knows the pair.
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(IconvConverter&& other) noexcept;
    IconvConverter& operator=(IconvConverter&& other) noexcept;
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool isOpen() const { return m_cd != closed(); }
    // Appends the whole text converted; false, with out as it was, when a byte sequence
    // has no mapping or the converter is not open.
    bool append(std::string& out, std::string_view in);
    // Appends the text converted, putting replacement for each byte that has no mapping
    // (and for a character cut off at the end).
    void appendReplacing(std::string& out, std::string_view in, std::string_view replacement);

private:
    // The conversion both appenders share; a null replacement stops at the first bad byte.
    bool convert(std::string& out, std::string_view in, const std::string_view* replacement);
    // iconv_open's failure value.
    static iconv_t closed() { return reinterpret_cast<iconv_t>(-1); }
    void close();

    iconv_t m_cd = closed();
};

}  // namespace zrxhost
