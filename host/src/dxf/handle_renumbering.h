// Drawings whose handles leave no room for new objects (a handle or $HANDSEED near 2^64,
// where the next handle overflows) are read again with fresh handles for the objects
// that had such handles, as the platform's recovery does. Every other handle stays as it
// was, and every reference to a renumbered object (owners, reactors, pointers 320-369,
// 390-399, 480-481, dictionary entries, xdata 1005) follows it.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dxf/dxf_error.h"
#include "dxf/record.h"

namespace zrx::dxf {

// Handles above this leave room for fewer than 2^24 new objects, too few for a drawing to
// grow: the file is read again renumbered.
constexpr uint64_t kLastHandle = UINT64_MAX - ((uint64_t(1) << 24) - 1);

// Thrown by the first read on meeting such a handle.
class HandlesExhausted : public DxfError {
public:
    HandlesExhausted(const std::string& file, size_t line)
        : DxfError(Zcad::eHandleExists, file, line, "handles out of range")
    {
    }
};

// Whether a pair of this group code holds a handle: the object's own (5, 105) or a
// reference to another object.
bool isHandleCode(int code);

class HandleRenumbering {
public:
    // Looks through the whole text: which objects get which new handles. Throws DxfError
    // for a text that cannot be read as pairs.
    HandleRenumbering(std::string_view text, const std::string& file);
    // Rewrites the record's handle values of renumbered objects.
    void apply(Record& r);
    // How many objects were renumbered, the first new handle and the line of the first
    // handle that was out of range.
    size_t count() const { return m_newHandles.size(); }
    uint64_t firstNew() const { return m_first; }
    // The first handle past the new ones: what the drawing gives out next.
    uint64_t end() const { return m_first + m_newHandles.size(); }
    uint32_t firstLine() const { return m_firstLine; }

private:
    std::unordered_map<uint64_t, uint64_t> m_newHandles;
    std::deque<std::string> m_values;  // the rewritten values, alive while the records are
    uint64_t m_first = 0;
    uint32_t m_firstLine = 0;
};

}  // namespace zrx::dxf
