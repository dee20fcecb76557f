// The host's record behind an object id: where the object is, its handle and open state.
#pragma once

#include <cstdint>

class ZcDbObject;
class ZcDbDatabase;

namespace zrxhost {

struct ObjectStub {
    ZcDbObject* object = nullptr;
    ZcDbDatabase* database = nullptr;
    uint64_t handle = 0;
    uint32_t readers = 0;
    bool writer = false;
    bool erased = false;

    bool isOpen() const { return writer || readers > 0; }
};

}  // namespace zrxhost
