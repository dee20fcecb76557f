// What the codecs share while a drawing is read: the database being filled, the file's
// code page and version, lookups of table records by name, and the work left for when
// every object exists (references forward in the file).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "db/xdata_store.h"
#include "db_database.h"
#include "dxf/code_page.h"
#include "dxf/dxf_error.h"
#include "dxf/file_state.h"
#include "dxf/record.h"
#include "dxf/version.h"

namespace zrx::dxf {

class ReadContext {
public:
    ReadContext(ZcDbDatabase* db, std::string file);

    ZcDbDatabase* db;
    FileState& state;
    std::string file;
    CodePage codePage;
    Version version = Version::R12;

    std::string text(const Tag& t) { return codePage.decode(t.value); }
    std::string text(Record& r, size_t i)
    {
        r.use(i);
        return text(r[i]);
    }
    [[noreturn]] void fail(Zcad::ErrorStatus es, uint32_t line, const std::string& reason) const
    {
        throw DxfError(es, file, line, reason);
    }

    // A pair kept as it is must be a value of its code's kind (it is written back so).
    void checkValue(const Tag& t) const
    {
        if (!valueFits(t.code, t.value)) {
            fail(Zcad::eInvalidInput, t.line + 1,
                 "group " + std::to_string(t.code) + " needs " + kindName(valueKind(t.code)) + ", not \"" +
                     std::string(t.value.substr(0, 40)) + "\"");
        }
    }

    // A fault of the file mended while reading, for the user: "file:line: what was done".
    void repair(uint32_t line, const std::string& what)
    {
        repairs.push_back(line == 0 ? file + ": " + what : file + ":" + std::to_string(line) + ": " + what);
    }
    std::vector<std::string> repairs;

    // The object with a handle, null when there is none (yet).
    ZcDbObjectId idOf(uint64_t handle) const;
    // Records by name; a layer an entity names that the table lacks is made, as the
    // platform does; the others answer null when missing.
    ZcDbObjectId layer(std::string_view name, uint32_t line);
    ZcDbObjectId linetype(std::string_view name);
    ZcDbObjectId textStyle(std::string_view name);
    ZcDbObjectId dimStyle(std::string_view name);
    // The same, made when an entity names one the table lacks, as the platform's recover
    // does; the user is told.
    ZcDbObjectId linetypeForEntity(std::string_view name, uint32_t line);
    ZcDbObjectId textStyleForEntity(std::string_view name, uint32_t line);
    ZcDbObjectId dimStyleForEntity(std::string_view name, uint32_t line);
    // A block a reference names; made empty when its definition comes later in the file.
    ZcDbObjectId block(std::string_view name, uint32_t line);
    // The application is registered when a drawing's xdata names one its table lacks.
    void ensureRegApp(const std::string& name);

    // The next object made resident takes this handle (0: the next free one); throws on a
    // handle already in use. unpin() drops a pin no object took.
    void pinHandle(uint64_t handle, uint32_t line);
    void unpin();
    template <class Add>
    auto withHandle(uint64_t handle, uint32_t line, Add add)
    {
        pinHandle(handle, line);
        struct Unpin {
            ReadContext* c;
            ~Unpin() { c->unpin(); }
        } guard{this};
        return add();
    }
    // Handles of pairs kept outside the model (BLOCK/ENDBLK, followers) are unique too.
    void claimHandle(uint64_t handle, uint32_t line);

    // The kept part of the object being read; codecs file unmodelled flag bits there.
    Extras* current = nullptr;
    void keepBits(int code, int64_t bits)
    {
        if (current != nullptr && bits != 0) current->bits.emplace_back(code, bits);
    }

    // Work to do once every object exists.
    void later(std::function<void()> work) { m_later.push_back(std::move(work)); }
    void runLater();

    uint64_t highestHandle = 0;

    // Scratch space of the xdata reader, kept from object to object.
    zrxhost::XdataStore::Builder xdata;
    zrxhost::XdataStore::Encoder xdataItems;
    std::string scratch;

private:
    ZcDbObjectId lookup(ZcDbObjectId table, std::string_view name, std::string& cacheName, ZcDbObjectId& cacheId);

    std::vector<std::function<void()>> m_later;
    std::unordered_set<uint64_t> m_claimed;
    std::unordered_set<std::string> m_knownApps;
    std::string m_layerName, m_linetypeName, m_styleName, m_dimStyleName;
    ZcDbObjectId m_layerId, m_linetypeId, m_styleId, m_dimStyleId;
};

}  // namespace zrx::dxf
