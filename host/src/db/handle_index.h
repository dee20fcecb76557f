// Handle → stub of a database in O(1) without a node per object: an open-addressing table
// of 8-byte slots holding the low half of the handle and the stub's place in the
// database's stub list. A drawing of a million objects costs 16 MB here rather than a
// million allocations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "stub.h"

namespace zrxhost {

class HandleIndex {
public:
    explicit HandleIndex(const std::deque<zrxhost::ObjectStub>& stubs) : m_stubs(stubs) {}

    // The stub with this handle; null when none has it.
    zrxhost::ObjectStub* find(uint64_t handle) const;
    // Files the stub at this place of the list under its handle, which no stub has yet.
    // Places are 32-bit: far more objects than a drawing held in memory can have.
    void insert(size_t place);

private:
    struct Slot {
        uint32_t key;    // the handle's low 32 bits
        uint32_t place;  // kEmpty for a free slot
    };
    static constexpr uint32_t kEmpty = UINT32_MAX;
    size_t home(uint32_t key) const;
    void grow();

    const std::deque<zrxhost::ObjectStub>& m_stubs;
    std::vector<Slot> m_slots;
    size_t m_count = 0;
    unsigned m_shift = 64;
};

}  // namespace zrxhost
