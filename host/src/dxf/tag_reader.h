// Reads the group-code/value pairs of an ASCII DXF text one at a time, keeping the line
// number of each group code for error messages.
#pragma once

#include <string>
#include <string_view>

#include "dxf/tag.h"

namespace zrx::dxf {

class ZRX_API TagReader {
public:
    // The text must outlive the reader; file names the source in errors.
    TagReader(std::string_view text, std::string file);

    // The next pair; false at the end of the text. Throws DxfError for a group code that is
    // not a number and for a group code without a value line.
    bool next(Tag& tag);
    // The pair next() will give, without consuming it; false at the end.
    bool peek(Tag& tag);
    // The next pair of the object being read: false at the next group 0 (which next()
    // then gives) and at the end of the text.
    bool nextInObject(Tag& tag);
    const std::string& file() const { return m_file; }
    // For text mapped from a file only: pages far behind the reader are dropped from
    // memory (they read back from the file if touched again).
    void releaseMappedPagesBehind() { m_release = true; }
    // The line just past the last pair read, for faults found at the end of the text.
    uint32_t line() const { return m_line; }

private:
    bool read(Tag& tag);
    bool readPlain(Tag& tag);
    bool readCarefully(Tag& tag);
    bool readLine(std::string_view& line);
    void releaseBehind();

    std::string_view m_text;
    std::string m_file;
    size_t m_pos = 0;
    uint32_t m_line = 0;
    bool m_hasPeeked = false;
    bool m_release = false;
    size_t m_released = 0;
    Tag m_peeked;
};

}  // namespace zrx::dxf
