// Writes group-code/value pairs of ASCII DXF to a file, in the code page of the version
// being written, with reals in their shortest exact form unless fewer places are asked.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "dxf/code_page.h"
#include "dxf/tag.h"

namespace zrx::dxf {

class ZRX_API TagWriter {
public:
    // precision: decimal places of reals; 16 or more writes the shortest text that reads
    // back to the same double.
    TagWriter(std::FILE* out, std::string file, CodePage codePage, int precision = 16);
    ~TagWriter();
    TagWriter(const TagWriter&) = delete;
    TagWriter& operator=(const TagWriter&) = delete;

    void text(int code, std::string_view utf8);
    // A value already in file form (ASCII: names of sections, subclass markers).
    void plain(int code, std::string_view ascii);
    void real(int code, double value);
    void integer(int code, int64_t value);
    void handle(int code, uint64_t value);
    // code, code+10, code+20 (x, y and, unless 2D, z).
    void point(int code, double x, double y, double z);
    void point2d(int code, double x, double y);
    void kept(const KeptTag& tag) { text(tag.code, tag.value); }
    // Sends what is buffered to the file; throws DxfError when the file cannot take it.
    void flush();
    const std::string& file() const { return m_file; }

private:
    void codeLine(int code);
    std::FILE* m_out;
    std::string m_file;
    CodePage m_codePage;
    int m_precision;
    std::string m_buffer;
};

// The shortest text that reads back as the same double, with a decimal point.
ZRX_API std::string formatReal(double value, int precision = 16);
// Upper-case hexadecimal without leading zeros.
ZRX_API std::string formatHandle(uint64_t value);

}  // namespace zrx::dxf
