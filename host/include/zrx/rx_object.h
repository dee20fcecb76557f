// Runtime classes: every host object knows its class, its class's platform name and, for
// drawing objects, the DXF type name written in group 0.
#pragma once

#include "zrx_export.h"

class ZcRxObject;
namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcRxClass {
public:
    ZcRxClass(const ZcRxClass&) = delete;
    ZcRxClass& operator=(const ZcRxClass&) = delete;

    const char* name() const { return m_name; }
    const char* dxfName() const { return m_dxfName; }
    ZcRxClass* myParent() const { return m_parent; }
    bool isDerivedFrom(const ZcRxClass* other) const;

private:
    friend struct zrxhost::Access;
    friend class ZcRxObject;
    ZcRxClass(const char* name, const char* dxfName, ZcRxClass* parent);
    const char* m_name;
    const char* m_dxfName;
    ZcRxClass* m_parent;
};

class ZRX_API ZcRxObject {
public:
    virtual ~ZcRxObject() = default;
    static ZcRxClass* desc();
    static ZcRxObject* cast(const ZcRxObject* p) { return const_cast<ZcRxObject*>(p); }
    virtual ZcRxClass* isA() const;
    bool isKindOf(const ZcRxClass* c) const { return isA()->isDerivedFrom(c); }
    // A copy that belongs to the caller (not in any database).
    virtual ZcRxObject* clone() const;

protected:
    ZcRxObject() = default;
    ZcRxObject(const ZcRxObject&) = default;
    ZcRxObject& operator=(const ZcRxObject&) = default;
};

// Declares the runtime-class members of a class.
#define ZCRX_DECLARE_MEMBERS(CLASS)                                                   \
    static ZcRxClass* desc();                                                         \
    static CLASS* cast(const ZcRxObject* p)                                           \
    {                                                                                 \
        return (p != nullptr && p->isKindOf(CLASS::desc())) ? static_cast<CLASS*>(    \
                   const_cast<ZcRxObject*>(p)) : nullptr;                             \
    }                                                                                 \
    ZcRxClass* isA() const override
