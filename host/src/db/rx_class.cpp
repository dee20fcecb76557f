// Runtime classes of the host's objects.
#include "rx_object.h"

ZcRxClass::ZcRxClass(const char* name, const char* dxfName, ZcRxClass* parent)
    : m_name(name), m_dxfName(dxfName), m_parent(parent)
{
}

bool ZcRxClass::isDerivedFrom(const ZcRxClass* other) const
{
    for (const ZcRxClass* c = this; c != nullptr; c = c->m_parent) {
        if (c == other) return true;
    }
    return false;
}

ZcRxClass* ZcRxObject::desc()
{
    static ZcRxClass cls("AcRxObject", "", nullptr);
    return &cls;
}

ZcRxClass* ZcRxObject::isA() const { return ZcRxObject::desc(); }

ZcRxObject* ZcRxObject::clone() const { return nullptr; }
