// Object ids and handles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "db_status.h"
#include "zc_array.h"
#include "zrx_export.h"

class ZcDbDatabase;
class ZcDbObject;
class ZcRxClass;
namespace zrxhost {
struct ObjectStub;
struct Access;
}  // namespace zrxhost

// A database handle: a 64-bit number unique in its database, written as upper-case
// hexadecimal without leading zeros.
class ZRX_API ZcDbHandle {
public:
    ZcDbHandle() = default;
    ZcDbHandle(Zdesk::UInt64 value) : m_value(value) {}  // NOLINT: the platform converts implicitly
    // Parses hexadecimal text; anything that is not hexadecimal gives the null handle.
    explicit ZcDbHandle(const char* hex);

    bool isNull() const { return m_value == 0; }
    void setNull() { m_value = 0; }
    operator Zdesk::UInt64() const { return m_value; }  // NOLINT: as the platform's
    // Writes the hexadecimal text; the buffer should hold 17 characters.
    bool getIntoAsciiBuffer(char* buffer, size_t size = 17) const;

    ZcDbHandle& operator++() { ++m_value; return *this; }
    ZcDbHandle operator+(const ZcDbHandle& o) const { return ZcDbHandle(m_value + o.m_value); }
    bool operator==(const ZcDbHandle& o) const { return m_value == o.m_value; }
    bool operator!=(const ZcDbHandle& o) const { return m_value != o.m_value; }
    bool operator<(const ZcDbHandle& o) const { return m_value < o.m_value; }
    bool operator>(const ZcDbHandle& o) const { return m_value > o.m_value; }

private:
    uint64_t m_value = 0;
};

// Identifies a database-resident object for as long as its database lives.
class ZRX_API ZcDbObjectId {
public:
    ZcDbObjectId() = default;
    static const ZcDbObjectId kNull;

    bool isNull() const { return m_stub == nullptr; }
    void setNull() { m_stub = nullptr; }
    // True when the id names an object that still exists (erased or not).
    bool isValid() const;
    bool isErased() const;
    bool isResident() const { return isValid(); }
    ZcDbHandle handle() const;
    ZcDbDatabase* database() const;
    ZcDbDatabase* originalDatabase() const { return database(); }
    ZcRxClass* objectClass() const;

    bool operator==(const ZcDbObjectId& o) const { return m_stub == o.m_stub; }
    bool operator!=(const ZcDbObjectId& o) const { return m_stub != o.m_stub; }
    bool operator<(const ZcDbObjectId& o) const { return m_stub < o.m_stub; }
    bool operator>(const ZcDbObjectId& o) const { return m_stub > o.m_stub; }
    explicit operator bool() const { return m_stub != nullptr; }

private:
    friend struct zrxhost::Access;
    zrxhost::ObjectStub* m_stub = nullptr;
};

typedef ZcArray<ZcDbObjectId> ZcDbObjectIdArray;
typedef ZcArray<void*> ZcDbVoidPtrArray;
typedef ZcArray<int> ZcDbIntArray;
