#include "handle_index.h"

size_t zrxhost::HandleIndex::home(uint32_t key) const
{
    // Runs of 16 consecutive handles share a run of slots, as a drawing's handles mostly
    // come in sequence: a lookup then finds its neighbours' slots in the cache. The runs
    // themselves are spread over the table by Fibonacci hashing.
    uint64_t run = ((uint64_t{key} >> 4) * 0x9E3779B97F4A7C15ULL) >> (m_shift + 4);
    return static_cast<size_t>((run << 4) | (key & 15U));
}

zrxhost::ObjectStub* zrxhost::HandleIndex::find(uint64_t handle) const
{
    if (m_slots.empty()) return nullptr;
    auto key = static_cast<uint32_t>(handle);
    size_t mask = m_slots.size() - 1;
    for (size_t i = home(key);; i = (i + 1) & mask) {
        const Slot& s = m_slots[i];
        if (s.place == kEmpty) return nullptr;
        if (s.key == key) {
            // Handles past 32 bits may share a low half: the stub tells.
            auto* stub = const_cast<zrxhost::ObjectStub*>(&m_stubs[s.place]);
            if (stub->handle == handle) return stub;
        }
    }
}

void zrxhost::HandleIndex::insert(size_t place)
{
    // At most seven slots in ten are taken, which keeps probe runs short.
    if ((m_count + 1) * 10 > m_slots.size() * 7) grow();
    auto key = static_cast<uint32_t>(m_stubs[place].handle);
    size_t mask = m_slots.size() - 1;
    size_t i = home(key);
    while (m_slots[i].place != kEmpty) i = (i + 1) & mask;
    m_slots[i] = Slot{key, static_cast<uint32_t>(place)};
    ++m_count;
}

void zrxhost::HandleIndex::grow()
{
    std::vector<Slot> old;
    old.swap(m_slots);
    size_t size = old.empty() ? 64 : old.size() * 2;
    m_slots.assign(size, Slot{0, kEmpty});
    m_shift = 64;
    for (size_t n = size; n > 1; n >>= 1) --m_shift;
    size_t mask = size - 1;
    for (const Slot& s : old) {
        if (s.place == kEmpty) continue;
        size_t i = home(s.key);
        while (m_slots[i].place != kEmpty) i = (i + 1) & mask;
        m_slots[i] = s;
    }
}
