// Line splitting is done with memchr over the whole text: drawings of a million entities
// are read at disk speed, and values stay views into the text until something keeps them.
#include "dxf/tag_reader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "dxf/dxf_error.h"

namespace zrx::dxf {

TagReader::TagReader(std::string_view text, std::string file) : m_text(text), m_file(std::move(file))
{
    // A UTF-8 byte order mark is not part of the first group code.
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
}

void TagReader::releaseBehind()
{
    // Pages well behind the reader go back to the system; a record still looking at one
    // of them only reads it in again from the file.
    constexpr size_t kChunk = size_t(32) << 20;
    if (!m_release || m_pos < m_released + 2 * kChunk) return;
    size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    auto base = reinterpret_cast<uintptr_t>(m_text.data());
    uintptr_t from = (base + m_released + page - 1) / page * page;
    uintptr_t to = (base + m_pos - kChunk) / page * page;
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
    m_released = to - base;
}

bool TagReader::readLine(std::string_view& line)
{
    if (m_pos >= m_text.size()) return false;
    const char* start = m_text.data() + m_pos;
    size_t rest = m_text.size() - m_pos;
    const void* nl = std::memchr(start, '\n', rest);
    size_t len = nl != nullptr ? static_cast<size_t>(static_cast<const char*>(nl) - start) : rest;
    m_pos += len + (nl != nullptr ? 1 : 0);
    if (m_release && (m_line & 0xFFFF) == 0) releaseBehind();
    if (len > 0 && start[len - 1] == '\r') --len;
    line = std::string_view(start, len);
    ++m_line;
    return true;
}

bool TagReader::peek(Tag& tag)
{
    if (!m_hasPeeked) {
        if (!next(m_peeked)) return false;
        m_hasPeeked = true;
    }
    tag = m_peeked;
    return true;
}

bool TagReader::nextInObject(Tag& tag)
{
    if (m_hasPeeked) {
        if (m_peeked.code == 0) return false;
        m_hasPeeked = false;
        tag = m_peeked;
        return true;
    }
    if (!read(tag)) return false;
    if (tag.code != 0) return true;
    m_peeked = tag;
    m_hasPeeked = true;
    return false;
}

bool TagReader::next(Tag& tag)
{
    if (m_hasPeeked) {
        m_hasPeeked = false;
        tag = m_peeked;
        return true;
    }
    return read(tag);
}

bool TagReader::read(Tag& tag)
{
    // 999 is a comment, wherever it stands: no reader sees it.
    while (readPlain(tag) || readCarefully(tag)) {
        if (tag.code != 999) return true;
    }
    return false;
}

bool TagReader::readPlain(Tag& tag)
{
    // The form nearly every pair has: a group code of at most five digits, right-aligned
    // with blanks and maybe negative, alone on its line, then a value line that ends. Any
    // other form (and every fault) goes the careful way.
    const char* begin = m_text.data();
    const char* end = begin + m_text.size();
    const char* p = begin + m_pos;
    while (p < end && *p == ' ') ++p;
    bool negative = p < end && *p == '-';
    if (negative) ++p;
    const char* digits = p;
    int code = 0;
    while (p < end && p - digits < 5 && static_cast<unsigned>(*p - '0') < 10) code = code * 10 + (*p++ - '0');
    if (p == digits || code > 32768 || (code == 32768 && !negative)) return false;
    if (p < end && *p == '\r') ++p;
    if (p >= end || *p != '\n') return false;
    const char* value = p + 1;
    const void* nl = std::memchr(value, '\n', static_cast<size_t>(end - value));
    if (nl == nullptr) return false;
    const char* valueEnd = static_cast<const char*>(nl);
    // A NUL byte ends the text for every C reader of it: the careful way refuses it.
    if (std::memchr(value, '\0', static_cast<size_t>(valueEnd - value)) != nullptr) return false;
    m_pos = static_cast<size_t>(valueEnd + 1 - begin);
    if (valueEnd > value && valueEnd[-1] == '\r') --valueEnd;
    tag.code = negative ? -code : code;
    tag.line = m_line + 1;
    tag.value = std::string_view(value, static_cast<size_t>(valueEnd - value));
    uint32_t before = m_line;
    m_line += 2;
    if (m_release && (before >> 16) != (m_line >> 16)) releaseBehind();
    return true;
}

bool TagReader::readCarefully(Tag& tag)
{
    std::string_view codeLine;
    // Blank lines at the very end are what some editors leave; they end the text.
    for (;;) {
        if (!readLine(codeLine)) return false;
        if (codeLine.find_first_not_of(" \t") != std::string_view::npos) break;
        if (m_text.find_first_not_of(" \t\r\n", m_pos) == std::string_view::npos) return false;
        throw DxfError(Zcad::eInvalidDxfCode, m_file, m_line, "empty line where a group code belongs");
    }
    uint32_t codeLineNo = m_line;
    int64_t code = 0;
    if (!parseInt(codeLine, code) || code < -32768 || code > 32767) {
        throw DxfError(Zcad::eInvalidDxfCode, m_file, codeLineNo,
                       "group code is not a number: \"" + std::string(codeLine.substr(0, 40)) + "\"");
    }
    std::string_view value;
    if (!readLine(value)) {
        throw DxfError(Zcad::eBadDxfSequence, m_file, codeLineNo,
                       "group code " + std::to_string(code) + " has no value line (odd number of lines)");
    }
    if (value.find('\0') != std::string_view::npos) {
        throw DxfError(Zcad::eInvalidInput, m_file, m_line, "a NUL byte in a value (the file is damaged or not text)");
    }
    tag.code = static_cast<int>(code);
    tag.line = codeLineNo;
    tag.value = value;
    return true;
}

}  // namespace zrx::dxf
