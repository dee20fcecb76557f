// A drawing file that cannot be read or written: the reason, the file and, when the fault
// is in the file's text, the line it is on.
#pragma once

#include <stdexcept>
#include <string>

#include "zrx/db_status.h"

namespace zrx::dxf {

class DxfError : public std::runtime_error {
public:
    DxfError(Zcad::ErrorStatus status, const std::string& file, size_t line, const std::string& reason)
        : std::runtime_error(compose(file, line, reason)), m_status(status), m_line(line)
    {
    }
    Zcad::ErrorStatus status() const { return m_status; }
    // 0 when the fault is not tied to a line (a missing file, a full disk).
    size_t line() const { return m_line; }

private:
    static std::string compose(const std::string& file, size_t line, const std::string& reason)
    {
        return line == 0 ? file + ": " + reason : file + ":" + std::to_string(line) + ": " + reason;
    }
    Zcad::ErrorStatus m_status;
    size_t m_line;
};

}  // namespace zrx::dxf
