// Where LISP values live: blocks of one size kept on a free list. Entity lists and loops
// make and drop values by the million, and the C heap's general allocator dominated their
// cost. LISP runs on the main thread only; the memory stays with the pool once taken.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace zrxhost::lisp {

template <size_t Size>
class BlockPool {
public:
    static void* take()
    {
        Free*& head = list();
        if (head == nullptr) grow();
        Free* block = head;
        head = block->next;
        return block;
    }
    static void give(void* p)
    {
        auto* block = static_cast<Free*>(p);
        block->next = list();
        list() = block;
    }

private:
    struct Free {
        Free* next;
    };
    static constexpr size_t kBlock = (Size + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);
    static constexpr size_t kPerChunk = 1024;
    static Free*& list()
    {
        static Free* head = nullptr;
        return head;
    }
    static void grow()
    {
        auto* chunk = static_cast<char*>(::operator new(kBlock * kPerChunk));
        for (size_t k = kPerChunk; k-- > 0;) give(chunk + k * kBlock);
    }
};

// An allocator for allocate_shared: single objects from the pool of their size.
template <class T>
struct PoolAllocator {
    using value_type = T;
    PoolAllocator() = default;
    template <class U>
    PoolAllocator(const PoolAllocator<U>&) noexcept
    {
    }
    T* allocate(size_t n)
    {
        if (n == 1) return static_cast<T*>(BlockPool<sizeof(T)>::take());
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, size_t n) noexcept
    {
        if (n == 1) BlockPool<sizeof(T)>::give(p);
        else std::allocator<T>().deallocate(p, n);
    }
    template <class U>
    bool operator==(const PoolAllocator<U>&) const noexcept
    {
        return true;
    }
};

}  // namespace zrxhost::lisp
