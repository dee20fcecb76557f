// Layers the product's members are drawn on, made when a drawing does not have them yet.
#include <algorithm>
#include <array>

#include "QorComStd2002.h"

namespace {

// The line weights a layer can take, in hundredths of a millimetre.
constexpr std::array<int, 24> kLineWeights = {0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                              53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

ZcDb::LineWeight layerLineWeight(int weight)
{
    if (std::find(kLineWeights.begin(), kLineWeights.end(), weight) != kLineWeights.end()) {
        return static_cast<ZcDb::LineWeight>(weight);
    }
    return ZcDb::kLnWtByLwDefault;
}

ZcDbObjectId layerLinetype(ZcDbDatabase* db, const char* name)
{
    ZcDbObjectId id;
    if (name != nullptr && name[0] != '\0') {
        ZcDbObjectPointer<ZcDbLinetypeTable> table(db->linetypeTableId(), ZcDb::kForRead);
        if (table.openStatus() == Zcad::eOk && table->getAt(name, id) == Zcad::eOk) return id;
    }
    return db->continuousLinetype();
}

}  // namespace

int QorComARX_MakeLayer(const char* layerName, int colorIndex, const char* linetypeName, int lineWeight,
                        const char* /*reserved*/)
{
    const char* name = layerName != nullptr ? layerName : "";
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || name[0] == '\0') {
        zcutPrintf("\n画層[%s]の追加に失敗しました。", name);
        return 0;
    }
    ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForRead);
    if (table.openStatus() != Zcad::eOk) {
        zcutPrintf("\n画層[%s]の追加に失敗しました。", name);
        return 0;
    }
    if (table->has(name)) return 1;

    auto* layer = new ZcDbLayerTableRecord;
    Zcad::ErrorStatus es = layer->setName(name);
    if (es == Zcad::eOk) {
        ZcCmColor color;
        color.setColorIndex(colorIndex >= 1 && colorIndex <= 255 ? colorIndex : 7);
        layer->setColor(color);
        layer->setLinetypeObjectId(layerLinetype(db, linetypeName));
        layer->setLineWeight(layerLineWeight(lineWeight));
        es = table->upgradeOpen();
    }
    if (es == Zcad::eOk) es = table->add(layer);
    if (es != Zcad::eOk) {
        delete layer;
        zcutPrintf("\n画層[%s]の追加に失敗しました。", name);
        return 0;
    }
    layer->close();
    return 1;
}
