// Entities handed back by explode and region making belong to the test: they are freed
// when the holder goes, and can be picked out by kind.
#pragma once

#include <vector>

#include "zrx.h"

struct OwnedEntities {
    ZcDbVoidPtrArray items;
    OwnedEntities() = default;
    OwnedEntities(const OwnedEntities&) = delete;
    OwnedEntities(OwnedEntities&& other) noexcept : items(std::move(other.items)) { other.items.removeAll(); }
    ~OwnedEntities()
    {
        for (void* p : items) delete static_cast<ZcDbEntity*>(p);
    }
    ZcDbEntity* at(int i) const { return static_cast<ZcDbEntity*>(items[i]); }
    // Those of exactly this kind, in order.
    template <class T>
    std::vector<T*> all() const
    {
        std::vector<T*> out;
        for (void* p : items) {
            if (static_cast<ZcDbEntity*>(p)->isA() == T::desc()) out.push_back(static_cast<T*>(p));
        }
        return out;
    }
};
