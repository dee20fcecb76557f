// Table records: names, flags and the settings the host models.
#include "dxf/table_codec.h"

#include <memory>

#include "db/database_impl.h"
#include "db_block.h"
#include "db_tables.h"
#include "zrxhost/contract.h"
#include "db/record_name.h"

namespace zrx::dxf {

ZcRxClass* modelledTableClass(std::string_view t)
{
    if (t == "LAYER") return ZcDbLayerTable::desc();
    if (t == "LTYPE") return ZcDbLinetypeTable::desc();
    if (t == "STYLE") return ZcDbTextStyleTable::desc();
    if (t == "DIMSTYLE") return ZcDbDimStyleTable::desc();
    if (t == "APPID") return ZcDbRegAppTable::desc();
    if (t == "BLOCK_RECORD") return ZcDbBlockTable::desc();
    return nullptr;
}

const char* recordMarker(std::string_view t)
{
    if (t == "LAYER") return "AcDbLayerTableRecord";
    if (t == "LTYPE") return "AcDbLinetypeTableRecord";
    if (t == "STYLE") return "AcDbTextStyleTableRecord";
    if (t == "DIMSTYLE") return "AcDbDimStyleTableRecord";
    if (t == "APPID") return "AcDbRegAppTableRecord";
    if (t == "BLOCK_RECORD") return "AcDbBlockTableRecord";
    return "";
}

namespace {

// Later references between records: a dimension style names blocks that the block record
// table, after it in the file, defines. Queued only for a resident record, by its id.
void setLater(ReadContext& c, ZcDbObjectId rec, ZcDbObjectId zrxhost::DimVars::*field, uint64_t handle)
{
    c.later([&c, rec, field, handle] {
        ZcDbObjectId id = c.idOf(handle);
        auto* style = ZcDbDimStyleTableRecord::cast(zrxhost::stubOf(rec)->object);
        if (!id.isNull() && style != nullptr) zrxhost::dimVarsForWrite(style).*field = id;
    });
}

bool readLayer(Record& r, ReadContext& c, ZcDbLayerTableRecord* rec)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 70: {
            int64_t f = r.integer(i, c.file);
            rec->setIsFrozen((f & 1) != 0);
            rec->setIsLocked((f & 4) != 0);
            c.keepBits(70, f & ~int64_t(5));
            break;
        }
        case 62: {
            int64_t v = r.integer(i, c.file);
            rec->setIsOff(v < 0);
            ZcCmColor color;
            if (v == 0 || v < -255 || v > 255 || !color.setColorIndex(static_cast<uint16_t>(v < 0 ? -v : v))) {
                c.repair(r[i].line, "layer colour " + std::to_string(v) + " is no colour index; 7 is used");
                color.setColorIndex(7);
            }
            rec->setColor(color);
            break;
        }
        case 6: {
            ZcDbObjectId lt = c.linetype(c.text(r[i]));
            if (!lt.isNull()) {
                rec->setLinetypeObjectId(lt);
                r.use(i);
            }
            break;
        }
        case 290: rec->setIsPlottable(r.integer(i, c.file) != 0); break;
        case 370: {
            int64_t v = r.integer(i, c.file);
            if (isLineWeight(v) && v != ZcDb::kLnWtByLayer && v != ZcDb::kLnWtByBlock) {
                rec->setLineWeight(static_cast<ZcDb::LineWeight>(v));
            } else {
                c.repair(r[i].line, "layer line weight " + std::to_string(v) + " is none a layer can have; Default is used");
            }
            break;
        }
        default: break;
        }
    }
    return true;
}

bool readLinetype(Record& r, ReadContext& c, ZcDbLinetypeTableRecord* rec)
{
    // Shapes and texts in a pattern (74 not 0) are kept as they are, the pattern with them.
    bool complex = false;
    for (size_t i = 0; i < r.size(); ++i) {
        int64_t v = 0;
        if (r[i].code == 74 && parseInt(r[i].value, v) && v != 0) complex = true;
    }
    std::vector<double> dashes;
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 70: c.keepBits(70, r.integer(i, c.file)); break;
        case 3: rec->setComments(c.text(r, i).c_str()); break;
        case 72: if (!complex) r.use(i); break;
        case 73: if (!complex) r.integer(i, c.file); break;
        case 74: if (!complex) r.integer(i, c.file); break;
        case 40: if (!complex) rec->setPatternLength(r.real(i, c.file)); break;
        case 49: if (!complex) dashes.push_back(r.real(i, c.file)); break;
        default: break;
        }
    }
    rec->setNumDashes(static_cast<int>(dashes.size()));
    for (size_t k = 0; k < dashes.size(); ++k) rec->setDashLengthAt(static_cast<int>(k), dashes[k]);
    return true;
}

bool readStyle(Record& r, ReadContext& c, ZcDbTextStyleTableRecord* rec)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 70: {
            int64_t f = r.integer(i, c.file);
            rec->setIsShapeFile((f & 1) != 0);
            rec->setIsVertical((f & 4) != 0);
            c.keepBits(70, f & ~int64_t(5));
            break;
        }
        case 40:
            if (rec->setTextSize(r.real(i, c.file)) != Zcad::eOk) r.unuse(i);
            break;
        case 41:
            if (rec->setXScale(r.real(i, c.file)) != Zcad::eOk) r.unuse(i);
            break;
        case 50: rec->setObliquingAngle(r.real(i, c.file) / kDegrees); break;
        case 71: rec->setFlagBits(static_cast<uint8_t>(r.integer(i, c.file))); break;
        case 42: rec->setPriorSize(r.real(i, c.file)); break;
        case 3: rec->setFileName(c.text(r, i).c_str()); break;
        case 4: rec->setBigFontFileName(c.text(r, i).c_str()); break;
        default: break;
        }
    }
    return true;
}

// Colours some converters write as wide garbage mean the default, ByBlock.
int dimColour(Record& r, size_t i, ReadContext& c)
{
    int64_t v = 0;
    const bool valid = parseInt(r[i].value, v) && v >= 0 && v <= 256;
    r.use(i);
    if (valid) return static_cast<int>(v);
    c.repair(r[i].line, "dimension colour \"" + std::string(r[i].value.substr(0, 20)) + "\" is no colour index; ByBlock is used");
    return 0;
}

// Files before R2000 name the arrow blocks with groups 5 to 7, which later hold handles:
// an empty name is the default arrow; a named one the host does not keep.
void oldArrowName(Record& r, size_t i, ReadContext& c)
{
    r.use(i);
    if (!r[i].value.empty()) c.repair(r[i].line, "arrow block \"" + c.text(r[i]) + "\" of a dimension style is not kept");
}

bool readDimStyle(Record& r, ReadContext& c, ZcDbDimStyleTableRecord* rec)
{
    zrxhost::DimVars& v = zrxhost::dimVarsForWrite(rec);
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 70: c.keepBits(70, r.integer(i, c.file)); break;
        case 41: v.dimasz = r.real(i, c.file); break;
        case 40: v.dimscale = r.real(i, c.file); break;
        case 140: v.dimtxt = r.real(i, c.file); break;
        case 44: v.dimexe = r.real(i, c.file); break;
        case 42: v.dimexo = r.real(i, c.file); break;
        case 147: v.dimgap = r.real(i, c.file); break;
        case 144: v.dimlfac = r.real(i, c.file); break;
        case 271: v.dimdec = static_cast<int>(r.integer(i, c.file)); break;
        case 77: v.dimtad = static_cast<int>(r.integer(i, c.file)); break;
        case 176: v.dimclrd = dimColour(r, i, c); break;
        case 177: v.dimclre = dimColour(r, i, c); break;
        case 178: v.dimclrt = dimColour(r, i, c); break;
        case 5:
        case 6:
        case 7:
            oldArrowName(r, i, c);
            break;
        case 173: v.dimsah = r.integer(i, c.file) != 0; break;
        case 371: v.dimlwd = static_cast<ZcDb::LineWeight>(r.integer(i, c.file)); break;
        case 372: v.dimlwe = static_cast<ZcDb::LineWeight>(r.integer(i, c.file)); break;
        case 278: v.dimdsep = static_cast<char>(r.integer(i, c.file)); break;
        case 3: v.dimpost = c.text(r, i); break;
        case 4: v.dimapost = c.text(r, i); break;
        case 179: v.dimadec = static_cast<int>(r.integer(i, c.file)); break;
        case 170: v.dimalt = r.integer(i, c.file) != 0; break;
        case 171: v.dimaltd = static_cast<int>(r.integer(i, c.file)); break;
        case 143: v.dimaltf = r.real(i, c.file); break;
        case 148: v.dimaltrnd = r.real(i, c.file); break;
        case 274: v.dimalttd = static_cast<int>(r.integer(i, c.file)); break;
        case 286: v.dimalttz = static_cast<int>(r.integer(i, c.file)); break;
        case 273: v.dimaltu = static_cast<int>(r.integer(i, c.file)); break;
        case 285: v.dimaltz = static_cast<int>(r.integer(i, c.file)); break;
        case 289: v.dimatfit = static_cast<int>(r.integer(i, c.file)); break;
        case 275: v.dimaunit = static_cast<int>(r.integer(i, c.file)); break;
        case 79: v.dimazin = static_cast<int>(r.integer(i, c.file)); break;
        case 141: v.dimcen = r.real(i, c.file); break;
        case 46: v.dimdle = r.real(i, c.file); break;
        case 43: v.dimdli = r.real(i, c.file); break;
        case 276: v.dimfrac = static_cast<int>(r.integer(i, c.file)); break;
        case 280: v.dimjust = static_cast<int>(r.integer(i, c.file)); break;
        case 72: v.dimlim = r.integer(i, c.file) != 0; break;
        case 277: v.dimlunit = static_cast<int>(r.integer(i, c.file)); break;
        case 45: v.dimrnd = r.real(i, c.file); break;
        case 281: v.dimsd1 = r.integer(i, c.file) != 0; break;
        case 282: v.dimsd2 = r.integer(i, c.file) != 0; break;
        case 75: v.dimse1 = r.integer(i, c.file) != 0; break;
        case 76: v.dimse2 = r.integer(i, c.file) != 0; break;
        case 175: v.dimsoxd = r.integer(i, c.file) != 0; break;
        case 272: v.dimtdec = static_cast<int>(r.integer(i, c.file)); break;
        case 146: v.dimtfac = r.real(i, c.file); break;
        case 73: v.dimtih = r.integer(i, c.file) != 0; break;
        case 174: v.dimtix = r.integer(i, c.file) != 0; break;
        case 48: v.dimtm = r.real(i, c.file); break;
        case 279: v.dimtmove = static_cast<int>(r.integer(i, c.file)); break;
        case 172: v.dimtofl = r.integer(i, c.file) != 0; break;
        case 74: v.dimtoh = r.integer(i, c.file) != 0; break;
        case 71: v.dimtol = r.integer(i, c.file) != 0; break;
        case 283: v.dimtolj = static_cast<int>(r.integer(i, c.file)); break;
        case 47: v.dimtp = r.real(i, c.file); break;
        case 142: v.dimtsz = r.real(i, c.file); break;
        case 145: v.dimtvp = r.real(i, c.file); break;
        case 284: v.dimtzin = static_cast<int>(r.integer(i, c.file)); break;
        case 288: v.dimupt = r.integer(i, c.file) != 0; break;
        case 78: v.dimzin = static_cast<int>(r.integer(i, c.file)); break;
        default: break;
        }
    }
    return true;
}

bool readFlagsOnly(Record& r, ReadContext& c)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (!r.used(i) && r[i].code == 70 && r.markerAt(i) != "AcDbBlockTableRecord") {
            c.keepBits(70, r.integer(i, c.file));
        }
    }
    return true;
}

template <class R>
ZcDbSymbolTableRecord* make(Record& r, ReadContext& c, bool (*read)(Record&, ReadContext&, R*))
{
    // A value that is no number throws from inside read.
    auto rec = std::make_unique<R>();
    return read(r, c, rec.get()) ? rec.release() : nullptr;
}

}  // namespace

ZcDbSymbolTableRecord* readTableRecord(std::string_view t, Record& r, ReadContext& c)
{
    size_t nameAt = r.size();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 2 && !r.used(i)) {
            nameAt = i;
            break;
        }
    }
    if (nameAt == r.size() || r[nameAt].value.empty()) return nullptr;
    std::string name = c.text(r[nameAt]);
    ZcDbSymbolTableRecord* rec = nullptr;
    if (t == "LAYER") rec = make<ZcDbLayerTableRecord>(r, c, &readLayer);
    else if (t == "LTYPE") rec = make<ZcDbLinetypeTableRecord>(r, c, &readLinetype);
    else if (t == "STYLE") rec = make<ZcDbTextStyleTableRecord>(r, c, &readStyle);
    else if (t == "DIMSTYLE") rec = make<ZcDbDimStyleTableRecord>(r, c, &readDimStyle);
    else if (t == "APPID" && readFlagsOnly(r, c)) rec = new ZcDbRegAppTableRecord;
    else if (t == "BLOCK_RECORD") rec = new ZcDbBlockTableRecord;
    if (rec == nullptr) return nullptr;
    if (rec->setName(name.c_str()) != Zcad::eOk) {
        delete rec;
        std::string shown;
        for (char ch : name) shown += static_cast<unsigned char>(ch) < 0x20 ? '?' : ch;
        c.fail(Zcad::eInvalidSymbolTableName, r[nameAt].line + 1,
               "invalid " + std::string(t) + " name \"" + shown + "\"");
    }
    r.use(nameAt);
    // A second name, written back, would name the record anew on the next read.
    for (size_t i = nameAt + 1; i < r.size(); ++i) {
        if (r[i].code != 2 || r.used(i)) continue;
        r.use(i);
        c.repair(r[i].line, "a second name of " + std::string(t) + " record \"" + name + "\" is dropped");
    }
    return rec;
}

void readRecordLinks(Record& r, ReadContext& c, const ZcDbSymbolTableRecord* rec)
{
    if (ZcDbDimStyleTableRecord::cast(rec) == nullptr) return;
    static constexpr ZcDbObjectId zrxhost::DimVars::*kFields[] = {&zrxhost::DimVars::dimtxsty, &zrxhost::DimVars::dimldrblk,
                                                            &zrxhost::DimVars::dimblk, &zrxhost::DimVars::dimblk1,
                                                            &zrxhost::DimVars::dimblk2};
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i) || r[i].code < 340 || r[i].code > 344) continue;
        setLater(c, rec->objectId(), kFields[r[i].code - 340], r.handle(i, c.file));
    }
}

namespace {

void writeLayer(ObjectOut& o, const ZcDbLayerTableRecord* rec)
{
    TagWriter& w = o.w;
    w.integer(70, (rec->isFrozen() ? 1 : 0) | (rec->isLocked() ? 4 : 0) | o.bits(70));
    int color = rec->color().colorIndex();
    w.integer(62, rec->isOff() ? -color : color);
    if (!rec->linetypeObjectId().isNull()) w.text(6, WriteContext::nameOf(rec->linetypeObjectId()));
    if (!o.r12()) {
        if (!rec->isPlottable()) w.integer(290, 0);
        w.integer(370, rec->lineWeight());
    }
}

void writeLinetype(ObjectOut& o, const ZcDbLinetypeTableRecord* rec)
{
    TagWriter& w = o.w;
    w.integer(70, o.bits(70));
    const char* comments = "";
    rec->comments(comments);
    w.text(3, comments);
    if (o.kept(73)) return;  // a pattern with shapes or texts, kept as it was read
    w.integer(72, 65);
    w.integer(73, rec->numDashes());
    w.real(40, rec->patternLength());
    for (int i = 0; i < rec->numDashes(); ++i) {
        w.real(49, rec->dashLengthAt(i));
        if (!o.r12()) w.integer(74, 0);
    }
}

void writeStyle(ObjectOut& o, const ZcDbTextStyleTableRecord* rec)
{
    TagWriter& w = o.w;
    w.integer(70, (rec->isShapeFile() ? 1 : 0) | (rec->isVertical() ? 4 : 0) | o.bits(70));
    w.real(40, rec->textSize());
    w.real(41, rec->xScale());
    w.real(50, rec->obliquingAngle() * kDegrees);
    w.integer(71, rec->flagBits());
    w.real(42, rec->priorSize());
    const char* font = "";
    rec->fileName(font);
    w.text(3, font);
    const char* big = "";
    rec->bigFontFileName(big);
    w.text(4, big);
}

void writeDimStyle(ObjectOut& o, const ZcDbDimStyleTableRecord* rec)
{
    TagWriter& w = o.w;
    const zrxhost::DimVars& v = zrxhost::dimVars(rec);
    w.integer(70, o.bits(70));
    w.real(40, v.dimscale);
    w.real(41, v.dimasz);
    w.real(42, v.dimexo);
    w.real(44, v.dimexe);
    w.integer(77, v.dimtad);
    w.real(140, v.dimtxt);
    w.real(144, v.dimlfac);
    w.real(147, v.dimgap);
    w.integer(173, v.dimsah ? 1 : 0);
    w.integer(176, v.dimclrd);
    w.integer(177, v.dimclre);
    w.integer(178, v.dimclrt);
    if (o.r12()) return;
    if (!v.dimpost.empty()) w.text(3, v.dimpost);
    if (!v.dimapost.empty()) w.text(4, v.dimapost);
    w.real(43, v.dimdli);
    w.real(45, v.dimrnd);
    w.real(46, v.dimdle);
    w.real(47, v.dimtp);
    w.real(48, v.dimtm);
    w.integer(71, v.dimtol ? 1 : 0);
    w.integer(72, v.dimlim ? 1 : 0);
    w.integer(73, v.dimtih ? 1 : 0);
    w.integer(74, v.dimtoh ? 1 : 0);
    w.integer(75, v.dimse1 ? 1 : 0);
    w.integer(76, v.dimse2 ? 1 : 0);
    w.integer(78, v.dimzin);
    w.integer(79, v.dimazin);
    w.real(141, v.dimcen);
    w.real(142, v.dimtsz);
    w.real(143, v.dimaltf);
    w.real(145, v.dimtvp);
    w.real(146, v.dimtfac);
    w.real(148, v.dimaltrnd);
    w.integer(170, v.dimalt ? 1 : 0);
    w.integer(171, v.dimaltd);
    w.integer(172, v.dimtofl ? 1 : 0);
    w.integer(174, v.dimtix ? 1 : 0);
    w.integer(175, v.dimsoxd ? 1 : 0);
    w.integer(179, v.dimadec);
    w.integer(272, v.dimtdec);
    w.integer(273, v.dimaltu);
    w.integer(274, v.dimalttd);
    w.integer(275, v.dimaunit);
    w.integer(276, v.dimfrac);
    w.integer(277, v.dimlunit);
    w.integer(279, v.dimtmove);
    w.integer(280, v.dimjust);
    w.integer(281, v.dimsd1 ? 1 : 0);
    w.integer(282, v.dimsd2 ? 1 : 0);
    w.integer(283, v.dimtolj);
    w.integer(284, v.dimtzin);
    w.integer(285, v.dimaltz);
    w.integer(286, v.dimalttz);
    w.integer(288, v.dimupt ? 1 : 0);
    w.integer(289, v.dimatfit);
    w.integer(271, v.dimdec);
    w.integer(278, static_cast<unsigned char>(v.dimdsep));
    w.integer(371, v.dimlwd);
    w.integer(372, v.dimlwe);
    auto ref = [&w](int code, ZcDbObjectId id) {
        if (!id.isNull() && !id.isErased()) w.handle(code, static_cast<uint64_t>(id.handle()));
    };
    ref(340, v.dimtxsty);
    ref(341, v.dimldrblk);
    ref(342, v.dimblk);
    ref(343, v.dimblk1);
    ref(344, v.dimblk2);
}

}  // namespace

void writeTableRecord(ObjectOut& o, std::string_view t, const ZcDbSymbolTableRecord* rec, WriteContext&)
{
    o.subclass("AcDbSymbolTableRecord");
    o.subclass(recordMarker(t));
    o.w.text(2, zrxhost::recordName(rec));
    if (auto* layer = ZcDbLayerTableRecord::cast(rec)) writeLayer(o, layer);
    else if (auto* lt = ZcDbLinetypeTableRecord::cast(rec)) writeLinetype(o, lt);
    else if (auto* st = ZcDbTextStyleTableRecord::cast(rec)) writeStyle(o, st);
    else if (auto* ds = ZcDbDimStyleTableRecord::cast(rec)) writeDimStyle(o, ds);
    else if (ZcDbRegAppTableRecord::cast(rec) != nullptr) o.w.integer(70, o.bits(70));
}

}  // namespace zrx::dxf
