// Drawing content of kinds the host does not model (MTEXT, HATCH, LAYOUT, VPORT records…).
// Each is an object of its own in the database: found by handle, iterated, erased and
// saved like any other, its runtime class named after what it is in the file (the class
// of its last subclass marker or of the CLASSES section, and its own DXF type), and its
// data kept as the pairs that were read.
#pragma once

#include <string>
#include <vector>

#include "db_entity.h"
#include "db_symtab.h"
#include "dxf/record.h"

class ZRX_API ZcDbRawEntity : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRawEntity);
    // cls must derive from ZcDbRawEntity::desc() (see zrx::dxf::rawClass).
    ZcDbRawEntity(ZcRxClass* cls, zrx::dxf::Extras data);
    // A copy keeps the data; followers lose their handles, which belong to the original.
    ZcRxObject* clone() const override;

    const zrx::dxf::Extras& data() const { assertReadEnabled(); return m_data; }
    void setData(zrx::dxf::Extras d) { assertWriteEnabled(); m_data = std::move(d); }
    // Objects that follow it in the file and belong to it (vertices, end of sequence).
    const std::vector<zrx::dxf::RawRecord>& followers() const { assertReadEnabled(); return m_followers; }
    void setFollowers(std::vector<zrx::dxf::RawRecord> f) { assertWriteEnabled(); m_followers = std::move(f); }

private:
    ZcRxClass* m_class;
    zrx::dxf::Extras m_data;
    std::vector<zrx::dxf::RawRecord> m_followers;
};

class ZRX_API ZcDbRawObject : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRawObject);
    ZcDbRawObject(ZcRxClass* cls, zrx::dxf::Extras data);
    ZcRxObject* clone() const override;
    const zrx::dxf::Extras& data() const { assertReadEnabled(); return m_data; }
    void setData(zrx::dxf::Extras d) { assertWriteEnabled(); m_data = std::move(d); }

private:
    ZcRxClass* m_class;
    zrx::dxf::Extras m_data;
};

// A record of a table the host does not model. Names need not be unique there (a VPORT
// table holds one "*Active" record per tiled viewport), so such tables are kept apart.
class ZRX_API ZcDbRawTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRawTableRecord);
    ZcDbRawTableRecord(ZcRxClass* cls, zrx::dxf::Extras data);
    ZcRxObject* clone() const override;
    const zrx::dxf::Extras& data() const { assertReadEnabled(); return m_data; }
    void setData(zrx::dxf::Extras d) { assertWriteEnabled(); m_data = std::move(d); }

private:
    ZcRxClass* m_class;
    zrx::dxf::Extras m_data;
};

class ZRX_API ZcDbRawSymbolTable : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRawSymbolTable);
    // tableName is the table's group 2 ("VPORT").
    ZcDbRawSymbolTable(ZcRxClass* cls, std::string tableName);
    ZcRxObject* clone() const override;

    const std::string& tableName() const { assertReadEnabled(); return m_name; }
    // Records in file order, erased ones included.
    const ZcDbObjectIdArray& recordIds() const { assertReadEnabled(); return m_records; }
    // The record joins the database (with the handle pinned by the caller, if any) owned
    // by the table, and stays open for write for the caller to close.
    Zcad::ErrorStatus add(ZcDbObjectId& id, ZcDbRawTableRecord* record);

private:
    ZcRxClass* m_class;
    std::string m_name;
    ZcDbObjectIdArray m_records;
};

namespace zrx::dxf {
// The runtime class for content of a DXF type the host does not model: one per (parent,
// class name, DXF name), alive for the whole process.
ZRX_API ZcRxClass* rawClass(ZcRxClass* parent, const std::string& className, const std::string& dxfName);
}  // namespace zrx::dxf
