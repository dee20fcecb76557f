// Buffered output of DXF pairs; the buffer goes to the file in large pieces.
#include "dxf/tag_writer.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include "dxf/dxf_error.h"

namespace zrx::dxf {

namespace {
constexpr size_t kFlushSize = 1 << 20;
}

std::string formatReal(double value, int precision)
{
    if (!std::isfinite(value)) value = 0.0;  // no reader takes "inf" or "nan"
    if (value == 0.0) value = 0.0;           // no "-0.0"
    char buf[64];
    std::to_chars_result r = precision >= 16
                                 ? std::to_chars(buf, buf + sizeof buf, value)
                                 : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                                                 precision < 0 ? 0 : precision);
    std::string s(buf, r.ptr);
    if (precision < 16 && s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
        if (s == "-0") s = "0";
    }
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

std::string formatHandle(uint64_t value)
{
    char buf[17];
    auto r = std::to_chars(buf, buf + sizeof buf, value, 16);
    std::string s(buf, r.ptr);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

TagWriter::TagWriter(std::FILE* out, std::string file, CodePage codePage, int precision)
    : m_out(out), m_file(std::move(file)), m_codePage(std::move(codePage)), m_precision(precision)
{
    m_buffer.reserve(kFlushSize + 4096);
}

TagWriter::~TagWriter() = default;

void TagWriter::codeLine(int code)
{
    // Group codes right-aligned in three columns, as the platform writes them.
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, code);
    size_t len = static_cast<size_t>(r.ptr - buf);
    if (len < 3) m_buffer.append(3 - len, ' ');
    m_buffer.append(buf, len);
    m_buffer += '\n';
}

void TagWriter::plain(int code, std::string_view ascii)
{
    codeLine(code);
    m_buffer.append(ascii);
    m_buffer += '\n';
    if (m_buffer.size() >= kFlushSize) flush();
}

void TagWriter::text(int code, std::string_view utf8)
{
    // A line break inside a value would split the pair; the platform writes ^J for it.
    if (utf8.find_first_of("\r\n") != std::string_view::npos) {
        std::string clean;
        for (char c : utf8) {
            if (c == '\n') clean += "^J";
            else if (c != '\r') clean += c;
        }
        plain(code, m_codePage.encode(clean));
        return;
    }
    plain(code, m_codePage.encode(utf8));
}

void TagWriter::real(int code, double value) { plain(code, formatReal(value, m_precision)); }

void TagWriter::integer(int code, int64_t value)
{
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    plain(code, std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

void TagWriter::handle(int code, uint64_t value) { plain(code, formatHandle(value)); }

void TagWriter::point(int code, double x, double y, double z)
{
    real(code, x);
    real(code + 10, y);
    real(code + 20, z);
}

void TagWriter::point2d(int code, double x, double y)
{
    real(code, x);
    real(code + 10, y);
}

void TagWriter::flush()
{
    if (m_buffer.empty()) return;
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size()) {
        throw DxfError(Zcad::eFileAccessErr, m_file, 0, std::string("cannot write: ") + std::strerror(errno));
    }
    m_buffer.clear();
}

}  // namespace zrx::dxf
