#include "db/resbuf_memory.h"

#include <malloc.h>

#include <array>
#include <cstdlib>

namespace zrxhost::rbmem {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kKeptPerList = 0;
#else
constexpr size_t kKeptPerList = 4096;
#endif

// Texts are kept by the room their block has, in steps of 16 bytes from 24 (the heap's
// smallest block) to 248; larger ones go back to the heap.
constexpr size_t kTextStep = 16;
constexpr size_t kSmallestText = 24;
constexpr size_t kTextClasses = 15;

size_t roomOfClass(size_t c) { return kSmallestText + c * kTextStep; }

// A list of released blocks, linked through their first bytes. Once the thread's lists are
// gone (blocks released by destructors that run after them), blocks go to the heap.
struct Kept {
    void* first = nullptr;
    size_t count = 0;
    bool gone = false;

    void* take()
    {
        if (gone) return nullptr;
        void* block = first;
        if (block != nullptr) {
            first = *static_cast<void**>(block);
            --count;
        }
        return block;
    }
    bool give(void* block)
    {
        if (gone || count >= kKeptPerList) return false;
        *static_cast<void**>(block) = first;
        first = block;
        ++count;
        return true;
    }
    ~Kept()
    {
        while (void* block = take()) std::free(block);
        gone = true;
    }
};

struct ThreadBlocks {
    Kept buffers;
    std::array<Kept, kTextClasses> texts;
};

thread_local ThreadBlocks t_blocks;

}  // namespace

resbuf* newBuffer()
{
    if (void* block = t_blocks.buffers.take()) {
        auto* rb = static_cast<resbuf*>(block);
        *rb = resbuf{};
        return rb;
    }
    return static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
}

void releaseBuffer(resbuf* rb)
{
    if (rb != nullptr && !t_blocks.buffers.give(rb)) std::free(rb);
}

char* newText(size_t bytes)
{
    // The smallest class whose blocks all have room enough.
    const size_t c = bytes <= kSmallestText ? 0 : (bytes - kSmallestText + kTextStep - 1) / kTextStep;
    if (kKeptPerList == 0 || c >= kTextClasses) return static_cast<char*>(std::malloc(bytes > 0 ? bytes : 1));
    if (void* block = t_blocks.texts[c].take()) return static_cast<char*>(block);
    return static_cast<char*>(std::malloc(roomOfClass(c)));
}

void releaseText(void* block)
{
    if (block == nullptr) return;
    // Filed under the largest class whose room the block has.
    const size_t room = malloc_usable_size(block);
    if (room >= kSmallestText) {
        const size_t c = (room - kSmallestText) / kTextStep;
        if (c < kTextClasses && t_blocks.texts[c].give(block)) return;
    }
    std::free(block);
}

}  // namespace zrxhost::rbmem
