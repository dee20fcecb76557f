// Aligned and rotated dimensions. The dimension's block (group 2) is the picture other
// programs draw; a dimension read from a file keeps its block and its text middle as the
// file had them, so what the drawing showed is shown again. Angular, radial and ordinate
// dimensions stay as read.
#include <memory>

#include "db/access.h"
#include "db_dimension.h"
#include "dxf/dimension_overrides.h"
#include "dxf/entity_codec.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

namespace {

constexpr int64_t kRotated = 0;
constexpr int64_t kAligned = 1;
constexpr int64_t kKindBits = 7;
constexpr int64_t kOwnBlock = 32;      // the block is this dimension's alone
constexpr int64_t kUserPlaced = 128;   // the text is where the user put it

// A file without subclass markers (R12) has the dimension's codes nowhere else.
bool dimensionPart(const Record& r, size_t i)
{
    if (!r.hasMarkers()) return true;
    if (r.markerNo[i] == 0) return false;
    std::string_view m = r.markerAt(i);
    return m == "AcDbDimension" || m == "AcDbAlignedDimension" || m == "AcDbRotatedDimension";
}

// The linear kinds share every member the codec touches but are separate classes.
template <class Dim>
void setLinear(Dim* d, const ZcGePoint3d& x1, const ZcGePoint3d& x2, const ZcGePoint3d& dimLine, double oblique)
{
    d->setXLine1Point(x1);
    d->setXLine2Point(x2);
    d->setDimLinePoint(dimLine);
    d->setOblique(oblique);
}

ZcDbEntity* readDimension(Record& r, ReadContext& c)
{
    int64_t flags = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        if (!r.used(i) && r[i].code == 70 && dimensionPart(r, i)) {
            flags = r.integer(i, c.file);
            break;
        }
    }
    const int64_t kind = flags & kKindBits;
    if (kind != kRotated && kind != kAligned) return nullptr;
    c.keepBits(70, flags & ~(kKindBits | kOwnBlock | kUserPlaced));

    std::unique_ptr<ZcDbDimension> e;
    if (kind == kAligned) e = std::make_unique<ZcDbAlignedDimension>();
    else e = std::make_unique<ZcDbRotatedDimension>();
    ZcGePoint3d x1, x2, dimLine;
    double oblique = 0.0;
    size_t textAt = r.size();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i) || !dimensionPart(r, i)) continue;
        switch (r[i].code) {
        case 1: e->setDimensionText(c.text(r, i).c_str()); break;
        case 2: {
            // No name: the picture block is not made yet (it is made when the drawing is saved).
            std::string name = c.text(r, i);
            if (!name.empty()) e->setDimBlockId(c.block(name, r[i].line));
            break;
        }
        case 3: {
            ZcDbObjectId style = c.dimStyleForEntity(c.text(r[i]), r[i].line);
            if (!style.isNull() && e->setDimensionStyle(style) == Zcad::eOk) r.use(i);
            break;
        }
        case 10: dimLine = r.point(i, c.file); break;
        case 11: textAt = i; break;
        case 13: x1 = r.point(i, c.file); break;
        case 14: x2 = r.point(i, c.file); break;
        case 50:
            if (kind == kRotated) static_cast<ZcDbRotatedDimension*>(e.get())->setRotation(r.real(i, c.file) / kDegrees);
            break;
        case 52: oblique = r.real(i, c.file) / kDegrees; break;
        case 210:
            if (e->setNormal(r.vector(i, c.file)) != Zcad::eOk) return nullptr;
            break;
        default: break;
        }
    }
    if (kind == kAligned) setLinear(static_cast<ZcDbAlignedDimension*>(e.get()), x1, x2, dimLine, oblique);
    else setLinear(static_cast<ZcDbRotatedDimension*>(e.get()), x1, x2, dimLine, oblique);
    // Text in its default place keeps the file's middle as a kept pair: the host's layout
    // differs from the one that drew the file's block.
    if ((flags & kUserPlaced) != 0 && textAt < r.size()) {
        e->setTextPosition(ocsToWcs(r.point(textAt, c.file), e->normal()));
    }
    DimOverrides overrides = readDimOverrides(r);
    if (overrides.dimasz && e->setDimasz(*overrides.dimasz) != Zcad::eOk) return nullptr;
    if (overrides.dimscale && e->setDimscale(*overrides.dimscale) != Zcad::eOk) return nullptr;
    if (overrides.dimsah) e->setDimsah(*overrides.dimsah);
    // A handle naming no block leaves the style's arrow.
    const auto arrow = [&c](uint64_t handle) { return handle == 0 ? ZcDbObjectId::kNull : c.idOf(handle); };
    if (overrides.dimblk && (*overrides.dimblk == 0 || !arrow(*overrides.dimblk).isNull())) e->setDimblk(arrow(*overrides.dimblk));
    if (overrides.dimblk1 && (*overrides.dimblk1 == 0 || !arrow(*overrides.dimblk1).isNull())) e->setDimblk1(arrow(*overrides.dimblk1));
    if (overrides.dimblk2 && (*overrides.dimblk2 == 0 || !arrow(*overrides.dimblk2).isNull())) e->setDimblk2(arrow(*overrides.dimblk2));
    return e.release();
}

template <class Dim>
void writeLinear(ObjectOut& o, const Dim* d)
{
    o.subclass("AcDbAlignedDimension");
    ZcGePoint3d p = d->xLine1Point();
    o.w.point(13, p.x, p.y, p.z);
    p = d->xLine2Point();
    o.w.point(14, p.x, p.y, p.z);
}

void writeDimension(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* d = ZcDbDimension::cast(ent);
    auto* aligned = ZcDbAlignedDimension::cast(ent);
    auto* rotated = ZcDbRotatedDimension::cast(ent);
    TagWriter& w = o.w;
    const ZcGeVector3d normal = d->normal();
    o.subclass("AcDbDimension");
    w.text(2, WriteContext::nameOf(d->dimBlockId()));
    ZcGePoint3d p = aligned != nullptr ? aligned->dimLinePoint() : rotated->dimLinePoint();
    w.point(10, p.x, p.y, p.z);
    const bool userPlaced = !d->isUsingDefaultTextPosition();
    if (userPlaced || !o.kept(11)) {
        p = wcsToOcs(d->textPosition(), normal);
        w.point(11, p.x, p.y, p.z);
        for (int code : {11, 21, 31}) o.dropKept(code);
    }
    int64_t flags = (aligned != nullptr ? kAligned : kRotated) | o.bits(70) | (userPlaced ? kUserPlaced : 0);
    if (!o.r12()) flags |= kOwnBlock;
    w.integer(70, flags);
    if (*zrxhost::dimensionText(d) != '\0') w.text(1, zrxhost::dimensionText(d));
    // The measurement is optional and only informs readers: written, up to date, where
    // the file had it.
    if (o.kept(42)) {
        double measured = 0.0;
        d->measurement(measured);
        w.real(42, measured);
        o.dropKept(42);
    }
    if (!o.kept(3)) w.text(3, WriteContext::nameOf(d->dimensionStyle()));
    if (!isWorldZ(normal)) w.point(210, normal.x, normal.y, normal.z);
    const double oblique = aligned != nullptr ? aligned->oblique() : rotated->oblique();
    if (aligned != nullptr) {
        writeLinear(o, aligned);
    } else {
        writeLinear(o, rotated);
        w.real(50, rotated->rotation() * kDegrees);
    }
    if (oblique != 0.0) w.real(52, oblique * kDegrees);
    if (rotated != nullptr) o.subclass("AcDbRotatedDimension");

    DimOverrides overrides;
    if (zrxhost::hasDimaszOverride(d)) overrides.dimasz = d->dimasz();
    if (zrxhost::hasDimscaleOverride(d)) overrides.dimscale = d->dimscale();
    overrides.dimsah = zrxhost::dimsahOverride(d);
    const auto handleOf = [](const std::optional<ZcDbObjectId>& id) -> std::optional<uint64_t> {
        if (!id) return std::nullopt;
        return id->isNull() || id->isErased() ? 0 : static_cast<uint64_t>(id->handle());
    };
    const auto blocks = zrxhost::dimblkOverrides(d);
    overrides.dimblk = handleOf(blocks[0]);
    overrides.dimblk1 = handleOf(blocks[1]);
    overrides.dimblk2 = handleOf(blocks[2]);
    o.replaceXdata(withDimOverrides(d->xData(), overrides));
}

}  // namespace

// One entry per class written; reading goes through the first, which makes either kind.
extern const EntityCodec kDimensionCodec{"DIMENSION", &ZcDbAlignedDimension::desc, &readDimension, &writeDimension, nullptr, "10 13 14"};
extern const EntityCodec kRotatedDimensionCodec{"DIMENSION", &ZcDbRotatedDimension::desc, &readDimension,
                                                &writeDimension, nullptr, "10 13 14"};

}  // namespace zrx::dxf
