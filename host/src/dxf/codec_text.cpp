// Single-line text, attribute definitions and attributes. Their points are in the text's
// own coordinate system in the file and in world coordinates in the host.
#include <memory>

#include "db_text.h"
#include "dxf/entity_codec.h"

namespace zrx::dxf {

namespace {

// The AcDbText part shared by the three kinds; false when the record holds what a host
// text cannot (no height, an unknown style).
bool readTextPart(Record& r, ReadContext& c, ZcDbText* e)
{
    ZcGeVector3d n(0, 0, 1);
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 210 && !r.used(i)) {
            n = r.vector(i, c.file);
            break;
        }
    }
    if (e->setNormal(n) != Zcad::eOk) return false;
    n = e->normal();
    bool styled = false;
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        bool textPart = !r.hasMarkers() || r.markerAt(i) == "AcDbText";
        if (!textPart) continue;
        switch (r[i].code) {
        case 10: e->setPosition(ocsToWcs(r.point(i, c.file), n)); break;
        case 11: e->setAlignmentPoint(ocsToWcs(r.point(i, c.file), n)); break;
        case 39: e->setThickness(r.real(i, c.file)); break;
        case 40:
            if (e->setHeight(r.real(i, c.file)) != Zcad::eOk) return false;
            break;
        case 41:
            if (e->setWidthFactor(r.real(i, c.file)) != Zcad::eOk) return false;
            break;
        case 1: e->setTextString(c.text(r, i).c_str()); break;
        case 50: e->setRotation(r.real(i, c.file) / kDegrees); break;
        case 51: e->setOblique(r.real(i, c.file) / kDegrees); break;
        case 7: {
            ZcDbObjectId style = c.textStyleForEntity(c.text(r[i]), r[i].line);
            if (style.isNull() || e->setTextStyle(style) != Zcad::eOk) return false;
            r.use(i);
            styled = true;
            break;
        }
        case 71: {
            int64_t g = r.integer(i, c.file);
            e->mirrorInX((g & 2) != 0);
            e->mirrorInY((g & 4) != 0);
            c.keepBits(71, g & ~int64_t(6));
            break;
        }
        case 72: {
            // A mode the platform does not have leaves the text kept as it was read.
            int64_t mode = r.integer(i, c.file);
            if (mode < ZcDb::kTextLeft || mode > ZcDb::kTextFit ||
                e->setHorizontalMode(static_cast<ZcDb::TextHorzMode>(mode)) != Zcad::eOk) {
                return false;
            }
            break;
        }
        default: break;
        }
    }
    // A text without a style uses the drawing's Standard style, as the platform reads it.
    if (!styled) {
        ZcDbObjectId standard = c.textStyle("Standard");
        if (!standard.isNull()) e->setTextStyle(standard);
    }
    return true;
}

bool readVertical(Record& r, ReadContext& c, ZcDbText* e, int code)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i) || r[i].code != code) continue;
        int64_t mode = r.integer(i, c.file);
        if (mode < ZcDb::kTextBase || mode > ZcDb::kTextTop ||
            e->setVerticalMode(static_cast<ZcDb::TextVertMode>(mode)) != Zcad::eOk) {
            return false;
        }
    }
    return true;
}

void writeTextPart(ObjectOut& o, const ZcDbText* e)
{
    TagWriter& w = o.w;
    o.subclass("AcDbText");
    ZcGeVector3d n = e->normal();
    if (e->thickness() != 0.0) w.real(39, e->thickness());
    ZcGePoint3d p = wcsToOcs(e->position(), n);
    w.point(10, p.x, p.y, p.z);
    w.real(40, e->height());
    w.text(1, e->textStringConst());
    if (e->rotation() != 0.0) w.real(50, e->rotation() * kDegrees);
    if (e->widthFactor() != 1.0) w.real(41, e->widthFactor());
    if (e->oblique() != 0.0) w.real(51, e->oblique() * kDegrees);
    w.text(7, WriteContext::nameOf(e->textStyle()));
    int64_t generation = (e->isMirroredInX() ? 2 : 0) | (e->isMirroredInY() ? 4 : 0) | o.bits(71);
    if (generation != 0) w.integer(71, generation);
    if (e->horizontalMode() != ZcDb::kTextLeft) w.integer(72, e->horizontalMode());
    // A left-aligned text may carry an alignment point too; it is kept.
    if (!e->isDefaultAlignment() || e->alignmentPoint() != ZcGePoint3d()) {
        ZcGePoint3d a = wcsToOcs(e->alignmentPoint(), n);
        w.point(11, a.x, a.y, a.z);
    }
    if (!isWorldZ(n)) w.point(210, n.x, n.y, n.z);
}

// ---- TEXT ----
ZcDbEntity* readText(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbText>();
    if (readTextPart(r, c, e.get()) && readVertical(r, c, e.get(), 73)) return e.release();
    return nullptr;
}

void writeText(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbText::cast(ent);
    writeTextPart(o, e);
    o.subclass("AcDbText");
    if (e->verticalMode() != ZcDb::kTextBase) o.w.integer(73, e->verticalMode());
}

// Flags of attributes: 1 invisible, 2 constant, 4 verify, 8 preset.
template <class T>
bool readAttributePart(Record& r, ReadContext& c, T* e, bool definition)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 2: e->setTag(c.text(r, i).c_str()); break;
        case 70: {
            int64_t f = r.integer(i, c.file);
            e->setInvisible((f & 1) != 0);
            if constexpr (std::is_same_v<T, ZcDbAttributeDefinition>) {
                e->setConstant((f & 2) != 0);
                e->setVerifiable((f & 4) != 0);
                e->setPreset((f & 8) != 0);
                c.keepBits(70, f & ~int64_t(15));
            } else {
                c.keepBits(70, f & ~int64_t(1));
            }
            break;
        }
        case 3:
            if constexpr (std::is_same_v<T, ZcDbAttributeDefinition>) e->setPrompt(c.text(r, i).c_str());
            break;
        default: break;
        }
    }
    (void)definition;
    return readVertical(r, c, e, 74);
}

ZcDbEntity* readAttdef(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbAttributeDefinition>();
    if (readTextPart(r, c, e.get()) && readAttributePart(r, c, e.get(), true)) return e.release();
    return nullptr;
}

ZcDbEntity* readAttrib(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbAttribute>();
    if (readTextPart(r, c, e.get()) && readAttributePart(r, c, e.get(), false)) return e.release();
    return nullptr;
}

void writeAttdef(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbAttributeDefinition::cast(ent);
    writeTextPart(o, e);
    o.subclass("AcDbAttributeDefinition");
    o.w.text(3, e->promptConst());
    o.w.text(2, e->tagConst());
    int64_t flags = (e->isInvisible() ? 1 : 0) | (e->isConstant() ? 2 : 0) | (e->isVerifiable() ? 4 : 0) |
                    (e->isPreset() ? 8 : 0) | o.bits(70);
    o.w.integer(70, flags);
    if (e->verticalMode() != ZcDb::kTextBase) o.w.integer(74, e->verticalMode());
}

void writeAttrib(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbAttribute::cast(ent);
    writeTextPart(o, e);
    o.subclass("AcDbAttribute");
    o.w.text(2, e->tagConst());
    int64_t flags = (e->isInvisible() ? 1 : 0) | (e->isConstant() ? 2 : 0) | (e->isVerifiable() ? 4 : 0) |
                    (e->isPreset() ? 8 : 0) | o.bits(70);
    o.w.integer(70, flags);
    if (e->verticalMode() != ZcDb::kTextBase) o.w.integer(74, e->verticalMode());
}

}  // namespace

extern const EntityCodec kTextCodec{"TEXT", &ZcDbText::desc, &readText, &writeText, nullptr, "1 10 40"};
extern const EntityCodec kAttdefCodec{"ATTDEF", &ZcDbAttributeDefinition::desc, &readAttdef, &writeAttdef, nullptr, "1 2 3 10 40"};
extern const EntityCodec kAttribCodec{"ATTRIB", &ZcDbAttribute::desc, &readAttrib, &writeAttrib, nullptr, "1 2 10 40"};

}  // namespace zrx::dxf
