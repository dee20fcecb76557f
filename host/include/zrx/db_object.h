// ZcDbObject: the base of everything a drawing database holds.
#pragma once

#include <memory>

#include "db_id.h"
#include "db_status.h"
#include "rx_object.h"
#include "zc_adsdefs.h"

namespace zrxhost {
class XdataStore;
}  // namespace zrxhost

class ZRX_API ZcDbObject : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbObject);
    ~ZcDbObject() override;

    ZcDbObjectId objectId() const;
    ZcDbObjectId ownerId() const { return m_ownerId; }
    Zcad::ErrorStatus setOwnerId(ZcDbObjectId owner);
    ZcDbDatabase* database() const;
    void getZcDbHandle(ZcDbHandle& h) const { h = objectId().handle(); }

    bool isDatabaseResident() const { return m_stub != nullptr; }
    bool isErased() const;
    bool isReadEnabled() const;
    bool isWriteEnabled() const;
    // Marks the object erased (or un-erases it); it must be open for write.
    Zcad::ErrorStatus erase(bool erasing = true);

    Zcad::ErrorStatus upgradeOpen();
    Zcad::ErrorStatus downgradeOpen();
    // Ends one open of a database-resident object.
    Zcad::ErrorStatus close();
    Zcad::ErrorStatus cancel() { return close(); }

    // The xdata of one application (with its 1001 group) or of all when the name is null;
    // a new chain the caller frees with zcutRelRb; null when there is none.
    resbuf* xData(const char* regappName = nullptr) const;
    // Replaces, per 1001 group, that application's xdata; a bare 1001 group removes it.
    Zcad::ErrorStatus setXData(const resbuf* xdata);

    void addPersistentReactor(ZcDbObjectId reactor);
    Zcad::ErrorStatus removePersistentReactor(ZcDbObjectId reactor);
    ZcDbObjectIdArray getPersistentReactors() const;
    bool hasPersistentReactor(ZcDbObjectId reactor) const;

    // Checks that fail loudly when the open protocol is broken.
    void assertReadEnabled() const;
    void assertWriteEnabled();

protected:
    // Called by erase() before the flag changes; objects that own others (a block
    // reference's attributes) pass the erasure on. A status other than eOk stops it.
    virtual Zcad::ErrorStatus subErase(bool erasing);

    ZcDbObject();
    // A copy carries the data and xdata but no identity, owner or reactors.
    ZcDbObject(const ZcDbObject& other);
    ZcDbObject& operator=(const ZcDbObject& other);

private:
    friend struct zrxhost::Access;
    zrxhost::ObjectStub* m_stub = nullptr;
    ZcDbObjectId m_ownerId;
    std::unique_ptr<zrxhost::XdataStore> m_xdata;
    std::unique_ptr<ZcDbObjectIdArray> m_reactors;
};

// Opening by id. A second write open of an open object fails with eWasOpenForWrite.
ZRX_API Zcad::ErrorStatus zcdbOpenZcDbObject(ZcDbObject*& obj, ZcDbObjectId id, ZcDb::OpenMode mode,
                                             bool openErased = false);

template <class T>
Zcad::ErrorStatus zcdbOpenObject(T*& obj, ZcDbObjectId id, ZcDb::OpenMode mode, bool openErased = false)
{
    obj = nullptr;
    ZcDbObject* p = nullptr;
    Zcad::ErrorStatus es = zcdbOpenZcDbObject(p, id, mode, openErased);
    if (es != Zcad::eOk) return es;
    obj = T::cast(p);
    if (obj == nullptr) {
        p->close();
        return Zcad::eNotThatKindOfClass;
    }
    return Zcad::eOk;
}

// Entity names of the C interface and object ids, both ways.
ZRX_API Zcad::ErrorStatus zcdbGetObjectId(ZcDbObjectId& id, const ads_name name);
ZRX_API Zcad::ErrorStatus zcdbGetAdsName(ads_name& name, ZcDbObjectId id);
