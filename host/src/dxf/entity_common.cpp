// The parts every object and entity share: handle, reactors, owner, xdata, and the
// AcDbEntity properties.
#include <memory>

#include "db_tables.h"
#include "db/database_impl.h"
#include "db/xdata_store.h"
#include "dxf/entity_codec.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "zrxhost/resbuf_kind.h"
#include "db/record_name.h"
#include "zrxhost/spaces.h"

namespace zrx::dxf {

std::string WriteContext::nameOf(ZcDbObjectId id)
{
    auto* record = zrxhost::peek<ZcDbSymbolTableRecord>(id);
    return record != nullptr ? zrxhost::recordName(record) : "";
}

bool isWorldZ(const ZcGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }

ZcGePoint3d ocsToWcs(const ZcGePoint3d& p, const ZcGeVector3d& normal)
{
    if (isWorldZ(normal)) return p;
    ZcGeVector3d z = normal.normal();
    ZcGeVector3d x = z.perpVector();
    ZcGeVector3d y = z.crossProduct(x);
    ZcGeVector3d v = x * p.x + y * p.y + z * p.z;
    return {v.x, v.y, v.z};
}

ZcGePoint3d wcsToOcs(const ZcGePoint3d& p, const ZcGeVector3d& normal)
{
    if (isWorldZ(normal)) return p;
    ZcGeVector3d z = normal.normal();
    ZcGeVector3d x = z.perpVector();
    ZcGeVector3d y = z.crossProduct(x);
    ZcGeVector3d v(p.x, p.y, p.z);
    return {v.dotProduct(x), v.dotProduct(y), v.dotProduct(z)};
}

ObjectHead readHead(Record& r, ReadContext& c, int handleCode)
{
    ObjectHead head;
    bool inReactors = false;
    int depth = 0;
    uint32_t opened = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        const Tag& t = r[i];
        // An xrecord's data may hold any group, 102 too.
        const bool xrecordData = r.type == "XRECORD" && r.markerAt(i) == "AcDbXrecord";
        if (t.code == 102 && !xrecordData) {
            bool opens = !t.value.empty() && t.value[0] == '{';
            // Application groups do not nest, and each that opens closes: written back
            // otherwise, no reader could take them.
            if (opens == (depth > 0)) {
                c.fail(Zcad::eBadDxfSequence, opens ? opened : t.line,
                       opens ? "an application group (102) is not closed" : "an application group (102) closes without opening");
            }
            if (opens) {
                ++depth;
                opened = t.line;
                inReactors = t.value == "{ACAD_REACTORS";
                if (inReactors) r.use(i);
            } else {
                if (inReactors) r.use(i);
                inReactors = false;
                --depth;
            }
            continue;
        }
        if (inReactors && t.code == 330) {
            head.reactors.push_back(r.handle(i, c.file));
            continue;
        }
        if (depth > 0) continue;
        if (t.code == handleCode && head.handle == 0 && r.markerNo[i] == 0) {
            head.handle = r.handle(i, c.file);
        } else if (t.code == 330 && !head.hasOwner && r.markerNo[i] == 0) {
            head.owner = r.handle(i, c.file);
            head.hasOwner = true;
        } else if (t.code == 67 && (r.markerAt(i) == "AcDbEntity" || !r.hasMarkers())) {
            // Read, not taken: the pair stays where the file had it.
            int64_t v = 0;
            head.paperSpace = parseInt(t.value, v) && v == 1;
        }
    }
    if (depth > 0) c.fail(Zcad::eBadDxfSequence, opened, "an application group (102) is not closed");
    return head;
}

bool isLineWeight(int64_t v)
{
    static constexpr int kWeights[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40,
                                       50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
    for (int w : kWeights) {
        if (v == w) return true;
    }
    return false;
}

void readEntityCommon(Record& r, ReadContext& c, ZcDbEntity* e, Extras& keepInto)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i) || (r.hasMarkers() && r.markerAt(i) != "AcDbEntity")) continue;
        const Tag& t = r[i];
        switch (t.code) {
        case 8:
            e->setLayer(c.layer(c.text(r, i), t.line));
            break;
        case 6: {
            ZcDbObjectId lt = c.linetypeForEntity(c.text(t), t.line);
            if (!lt.isNull() && e->setLinetype(lt) == Zcad::eOk) r.use(i);
            break;
        }
        case 62: {
            int64_t v = r.integer(i, c.file);
            if (v >= 0 && v <= 256 && e->setColorIndex(static_cast<uint16_t>(v)) == Zcad::eOk) {
                keepInto.readColor = static_cast<int>(v);
            } else {
                c.repair(t.line, "colour " + std::to_string(v) + " is no colour index; ByLayer is used");
            }
            break;
        }
        case 48:
            e->setLinetypeScale(r.real(i, c.file));
            break;
        case 370: {
            int64_t v = r.integer(i, c.file);
            if (isLineWeight(v)) e->setLineWeight(static_cast<ZcDb::LineWeight>(v));
            else c.repair(t.line, "line weight " + std::to_string(v) + " is none the platform has; ByLayer is used");
            break;
        }
        case 60:
            e->setVisibility(r.integer(i, c.file) == 1 ? ZcDb::kInvisible : ZcDb::kVisible);
            break;
        default:
            break;
        }
    }
}

namespace {

// An application name the APPID table can hold.
bool isRegAppName(const std::string& name)
{
    ZcDbRegAppTableRecord probe;
    return probe.setName(name.c_str()) == Zcad::eOk && name.find('*') != 0;
}

bool hexToBytes(std::string_view hex, std::string& out)
{
    if (hex.size() % 2 != 0) return false;
    for (size_t i = 0; i < hex.size(); i += 2) {
        uint64_t b = 0;
        if (!parseHandle(hex.substr(i, 2), b)) return false;
        out += static_cast<char>(b);
    }
    return true;
}

// The xdata pairs from the first 1001 group on, encoded per application as setXData would
// keep them; null when there are none. A form setXData would refuse (an application
// without a name, a list closed before it opens) is reported in status after every pair
// has been read, so that a value that is no number is the fault named first.
std::unique_ptr<zrxhost::XdataStore> readXdata(Record& r, ReadContext& c, uint32_t& firstLine, Zcad::ErrorStatus& status)
{
    size_t start = r.size();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 1001) {
            start = i;
            break;
        }
    }
    if (start == r.size()) return nullptr;
    firstLine = r[start].line;
    zrxhost::XdataStore::Builder& store = c.xdata;
    zrxhost::XdataStore::Encoder& items = c.xdataItems;
    std::string& scratch = c.scratch;
    store.start(nullptr);
    items.clear();
    std::string app;
    int braces = 0;
    auto endApp = [&] {
        if (items.empty()) store.remove(app);
        else store.put(app, items.bytes());
        items.clear();
    };
    for (size_t i = start; i < r.size() && r[i].code >= 1000; ++i) {
        const Tag& t = r[i];
        switch (zrxhost::rbValueKind(t.code)) {
        case zrxhost::RbValueKind::kString: {
            r.use(i);
            std::string_view value = c.codePage.view(t.value, scratch);
            if (t.code == 1001) {
                if (i > start) endApp();
                // Blanks around the name are no part of it; the platform matches names
                // without them.
                std::string_view name = value;
                while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
                while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
                if (name.size() != value.size() && !name.empty()) {
                    c.repair(t.line, "xdata application \"" + std::string(value) + "\" is read as \"" + std::string(name) + "\"");
                }
                app.assign(name);
                c.ensureRegApp(app);
                braces = 0;
                if (!isRegAppName(app) && status == Zcad::eOk) status = Zcad::eInvalidInput;
                break;
            }
            if (t.code == 1002 && value == "{") ++braces;
            else if (t.code == 1002 && value == "}" && --braces < 0 && status == Zcad::eOk) status = Zcad::eBadDxfSequence;
            items.text(t.code, value);
            break;
        }
        case zrxhost::RbValueKind::kPoint: {
            ZcGePoint3d p = r.point(i, c.file);
            items.point(t.code, p.x, p.y, p.z);
            break;
        }
        case zrxhost::RbValueKind::kReal:
            items.real(t.code, r.real(i, c.file));
            break;
        case zrxhost::RbValueKind::kShort: {
            // Some converters write the 16 bits unsigned; they are the same bits.
            int64_t v = 0;
            if (parseInt(t.value, v) && v > INT16_MAX && v <= UINT16_MAX) {
                r.use(i);
                items.integer(t.code, static_cast<short>(static_cast<uint16_t>(v)));
                break;
            }
            items.integer(t.code, static_cast<short>(r.integer(i, c.file)));
            break;
        }
        case zrxhost::RbValueKind::kLong:
            items.integer(t.code, static_cast<int32_t>(r.integer(i, c.file)));
            break;
        case zrxhost::RbValueKind::kBinary: {
            scratch.clear();
            if (!hexToBytes(t.value, scratch) || scratch.size() > 32767) {
                c.fail(Zcad::eInvalidResBuf, t.line + 1, "binary xdata is not hexadecimal");
            }
            r.use(i);
            items.binary(t.code, scratch);
            break;
        }
        default:
            // An xdata code the platform does not define: it stays a kept pair.
            break;
        }
    }
    endApp();
    return store.finish();
}

}  // namespace

void readXdataInto(Record& r, ReadContext& c, ZcDbObject* obj)
{
    uint32_t line = r.line;
    Zcad::ErrorStatus es = Zcad::eOk;
    std::unique_ptr<zrxhost::XdataStore> xdata = readXdata(r, c, line, es);
    if (es != Zcad::eOk) c.fail(es, line, std::string("xdata not accepted: ") + zcadErrorStatusText(es));
    if (xdata) zrxhost::Access::adoptXdata(obj, std::move(xdata));
}

void queueReactors(ReadContext& c, ZcDbObject* obj, const ObjectHead& head)
{
    if (!head.reactors.empty()) {
        ZcDbObjectId self = obj->objectId();
        c.later([&c, self, reactors = head.reactors] {
            ZcDbObject* o = zrxhost::stubOf(self)->object;
            for (uint64_t h : reactors) {
                ZcDbObjectId id = c.idOf(h);
                // A reactor that names nothing in the drawing is a dangling link, not content.
                if (!id.isNull()) o->addPersistentReactor(id);
            }
        });
    }
}

void writeEntityHead(ObjectOut& o, std::string_view type, const ZcDbEntity* e, WriteContext& c, int readColor)
{
    o.begin(type, e);
    o.ownership(e);
    o.subclass("AcDbEntity");
    TagWriter& w = o.w;
    if (!e->ownerId().isNull() && e->ownerId() == zrxhost::paperSpaceId(c.db) && !o.kept(67)) w.integer(67, 1);
    w.text(8, WriteContext::nameOf(e->layerId()));
    if (!e->linetypeId().isNull() && e->linetypeId() != c.db->byLayerLinetype()) {
        w.text(6, WriteContext::nameOf(e->linetypeId()));
    }
    if (e->colorIndex() != 256) w.integer(62, e->colorIndex());
    if (readColor >= 0 && readColor != e->colorIndex()) o.dropTrueColor();
    if (e->lineWeight() != ZcDb::kLnWtByLayer && !o.r12()) w.integer(370, e->lineWeight());
    if (e->linetypeScale() != 1.0) w.real(48, e->linetypeScale());
    if (e->visibility() == ZcDb::kInvisible) w.integer(60, 1);
}

}  // namespace zrx::dxf
