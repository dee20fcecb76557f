// Handles as hexadecimal text, and what an object id tells about its object.
#include <cstdio>
#include <cstring>

#include "db_object.h"
#include "stub.h"

ZcDbHandle::ZcDbHandle(const char* hex)
{
    if (hex == nullptr || *hex == '\0') return;
    uint64_t v = 0;
    size_t n = 0;
    for (const char* p = hex; *p != '\0'; ++p, ++n) {
        char c = *p;
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else return;
        if (n >= 16) return;
        v = (v << 4) | digit;
    }
    m_value = v;
}

bool ZcDbHandle::getIntoAsciiBuffer(char* buffer, size_t size) const
{
    if (buffer == nullptr || size == 0) return false;
    int n = std::snprintf(buffer, size, "%llX", static_cast<unsigned long long>(m_value));
    return n > 0 && static_cast<size_t>(n) < size;
}

const ZcDbObjectId ZcDbObjectId::kNull;

bool ZcDbObjectId::isValid() const { return m_stub != nullptr && m_stub->object != nullptr; }
bool ZcDbObjectId::isErased() const { return m_stub != nullptr && m_stub->erased; }
ZcDbHandle ZcDbObjectId::handle() const { return m_stub == nullptr ? ZcDbHandle() : ZcDbHandle(m_stub->handle); }
ZcDbDatabase* ZcDbObjectId::database() const { return m_stub == nullptr ? nullptr : m_stub->database; }
ZcRxClass* ZcDbObjectId::objectClass() const
{
    return (m_stub == nullptr || m_stub->object == nullptr) ? nullptr : m_stub->object->isA();
}
