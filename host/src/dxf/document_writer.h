// Writes a whole database as ASCII DXF of one version: what the host models from the
// model, everything else from what the file state kept.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db_database.h"
#include "dxf/entity_codec.h"
#include "dxf/file_state.h"

namespace zrx::dxf {

class DocumentWriter {
public:
    DocumentWriter(ZcDbDatabase* db, TagWriter& w, Version version);
    // Gives new objects that exist only in the file (block ends, ends of sequence, VPORT,
    // VIEW and UCS tables) handles of their own, once, so that every save writes the same.
    // New dimensions get their picture blocks. Throws DxfError, before changing anything,
    // when an entity is of a kind the writer cannot write.
    void prepare();
    void write();
    // Entities the version cannot hold, left out: each kind (its DXF name) with how many,
    // in the order first met.
    const std::vector<std::pair<std::string, int>>& droppedEntities() const { return m_dropped; }

private:
    void refuseUnwritable() const;
    void header();
    void tables();
    void table(const std::string& name);
    void tableHead(const std::string& name, const ZcDbObject* table, int count);
    void blocks();
    void block(const ZcDbBlockTableRecord* btr);
    void entities();
    void entity(const ZcDbEntity* e);
    void objects();
    void object(const ZcDbObject* obj);
    uint64_t allocate();
    void drop(std::string_view kind);

    ZcDbDatabase* m_db;
    TagWriter& w;
    Version m_version;
    FileState& m_state;
    WriteContext m_ctx;
    uint64_t m_nextFileHandle = 0;
    uint64_t m_fileHandleEnd = 0;
    std::vector<std::pair<std::string, int>> m_dropped;
};

}  // namespace zrx::dxf
