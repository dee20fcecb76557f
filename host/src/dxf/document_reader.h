// Reads a whole ASCII DXF text into an empty database: sections in order, each object
// made resident with its own handle, forward references resolved at the end. Throws
// DxfError on the first fault; the caller then drops the database whole.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db_symtab.h"
#include "dxf/handle_renumbering.h"
#include "dxf/read_context.h"
#include "dxf/tag_reader.h"

namespace zrx::dxf {

class DocumentReader {
public:
    DocumentReader(ZcDbDatabase* db, std::string_view text, std::string file);
    void read();
    // Reads with fresh handles for objects whose handles leave no room (after a first read
    // threw HandlesExhausted).
    void renumberHandles();
    // What the read mended, one line each.
    const std::vector<std::string>& repairs() const { return c.repairs; }
    // The text is a read-only file mapping whose passed pages may be dropped.
    void releaseMappedPages() { m_in.releaseMappedPagesBehind(); }

private:
    // Records: the next group 0 and its pairs; false at the end of the text.
    bool nextRecord(Record& r);
    bool peekType(std::string_view& type);
    [[noreturn]] void truncated(const std::string& where) const;

    void header();
    void classes();
    void tables();
    void table(Record& head);
    ZcDbObject* tableOf(const std::string& name) const;
    ZcDbObject* newTableObject(const std::string& name, Record& head);
    void renameDuplicate(const std::string& table, uint32_t line, ZcDbSymbolTableRecord* rec,
                         const ZcDbSymbolTable* records);
    void blocks();
    void entities();
    void objects();
    void otherSection(const std::string& name);
    void applyHeader();
    void applyUcs();

    // Entities: one record and the followers it owns; true when something was read.
    void entity(Record& r, ZcDbObjectId block);
    bool followersOf(Record& r, std::vector<Record>& followers);
    ZcDbObjectId ownerBlock(const Record& r, uint64_t owner, bool paperSpace, ZcDbObjectId structural);

    // The content every drawing has (tables, model and paper space, layer 0, the root
    // dictionary…), made when the file lacks it.
    void ensureBasics();
    // The root dictionary and the group dictionary, after the OBJECTS section.
    void ensureObjects();
    std::string className(const Record& r) const;

    std::string_view m_text;
    std::unique_ptr<HandleRenumbering> m_renumbering;
    TagReader m_in;
    ReadContext c;
    bool m_haveNext = false;
    Record m_next;
    std::string m_acadver;
    uint64_t m_handseed = 0;
    std::vector<std::pair<std::string, std::vector<Tag>>> m_header;
};

}  // namespace zrx::dxf
