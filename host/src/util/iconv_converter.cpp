#include "util/iconv_converter.h"

#include <cerrno>
#include <utility>

namespace zrxhost {

IconvConverter::IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() { close(); }

IconvConverter::IconvConverter(IconvConverter&& other) noexcept : m_cd(std::exchange(other.m_cd, closed())) {}

IconvConverter& IconvConverter::operator=(IconvConverter&& other) noexcept
{
    if (this != &other) {
        close();
        m_cd = std::exchange(other.m_cd, closed());
    }
    return *this;
}

void IconvConverter::close()
{
    if (m_cd != closed()) iconv_close(m_cd);
    m_cd = closed();
}

bool IconvConverter::convert(std::string& out, std::string_view in, const std::string_view* replacement)
{
    if (!isOpen()) return false;
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    size_t kept = out.size();
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[1024];
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, static_cast<size_t>(dst - buf));
        if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
        if (replacement == nullptr) {
            out.resize(kept);
            return false;
        }
        // A byte the character set does not define, or a character cut off.
        out.append(*replacement);
        ++src;
        --srcLeft;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

bool IconvConverter::append(std::string& out, std::string_view in) { return convert(out, in, nullptr); }

void IconvConverter::appendReplacing(std::string& out, std::string_view in, std::string_view replacement)
{
    convert(out, in, &replacement);
}

}  // namespace zrxhost
