// The codecs by DXF type and by host class.
#include "dxf/entity_codec.h"

namespace zrx::dxf {

extern const EntityCodec kLineCodec, kRayCodec, kXlineCodec, kCircleCodec, kArcCodec, kPointCodec;
extern const EntityCodec kPolylineCodec, kLeaderCodec, kTextCodec, kAttdefCodec, kAttribCodec, kInsertCodec;
extern const EntityCodec kSplineCodec, kDimensionCodec, kRotatedDimensionCodec;

namespace {
const EntityCodec* const kCodecs[] = {
    &kLineCodec, &kPolylineCodec, &kArcCodec, &kCircleCodec, &kTextCodec, &kInsertCodec, &kAttribCodec,
    &kAttdefCodec, &kPointCodec, &kLeaderCodec, &kRayCodec, &kXlineCodec, &kSplineCodec, &kDimensionCodec, &kRotatedDimensionCodec,
};
}  // namespace

const EntityCodec* codecForType(std::string_view type)
{
    for (const EntityCodec* c : kCodecs) {
        if (c->type == type) return c;
    }
    return nullptr;
}

const EntityCodec* codecForClass(const ZcRxClass* cls)
{
    for (const EntityCodec* c : kCodecs) {
        if (c->cls() == cls) return c;
    }
    return nullptr;
}

}  // namespace zrx::dxf
