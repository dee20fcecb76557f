// Making the layers members are drawn on: made once, with what was asked, never twice.
#include "qorcom_fixture.h"

namespace {

class LayerMaker : public QorComTest {
protected:
    int layerCount()
    {
        ZcDbObjectPointer<ZcDbLayerTable> t(db->layerTableId(), ZcDb::kForRead);
        ZcDbSymbolTableIterator* it = nullptr;
        t->newIterator(it);
        int count = 0;
        for (; !it->done(); it->step()) ++count;
        delete it;
        return count;
    }
    // Colour, line type and weight of the layer; "" when there is none.
    std::string layer(const char* name)
    {
        ZcDbObjectPointer<ZcDbLayerTable> t(db->layerTableId(), ZcDb::kForRead);
        ZcDbLayerTableRecord* rec = nullptr;
        if (t->getAt(name, rec, ZcDb::kForRead) != Zcad::eOk) return "";
        ZcDbObjectPointer<ZcDbLinetypeTableRecord> lt(rec->linetypeObjectId(), ZcDb::kForRead);
        const char* linetype = "";
        lt->getName(linetype);
        std::string out = std::to_string(rec->color().colorIndex()) + " " + linetype + " " + std::to_string(rec->lineWeight());
        rec->close();
        return out;
    }
};

TEST_F(LayerMaker, ANewLayerTakesWhatWasAskedAnExistingOneIsNeitherDuplicatedNorChanged)
{
    {
        ZcDbObjectPointer<ZcDbLinetypeTable> t(db->linetypeTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbLinetypeTableRecord;
        rec->setName("HIDDEN");
        ASSERT_EQ(t->add(rec), Zcad::eOk);
        rec->close();
    }
    const int before = layerCount();
    EXPECT_EQ(QorComARX_MakeLayer("S-TEXT", 3, "hidden", 200, ""), 1);
    EXPECT_EQ(layerCount(), before + 1);
    EXPECT_EQ(layer("S-TEXT"), "3 HIDDEN 200");
    EXPECT_EQ(QorComARX_MakeLayer("s-text", 1, "continuous", 50, ""), 1);
    EXPECT_EQ(layerCount(), before + 1);
    EXPECT_EQ(layer("S-TEXT"), "3 HIDDEN 200");
    EXPECT_EQ(transcript, "");
}

TEST_F(LayerMaker, UnknownValuesFallBackToPlainOnes)
{
    // A line type the drawing lacks, a colour out of range and a weight the platform does
    // not have: the layer still exists, on Continuous, white, default weight.
    EXPECT_EQ(QorComARX_MakeLayer("断面文字", 256, "DASHDOT_NOT_LOADED", 300, ""), 1);
    EXPECT_EQ(layer("断面文字"), "7 Continuous " + std::to_string(ZcDb::kLnWtByLwDefault));
    EXPECT_EQ(QorComARX_MakeLayer("NO_LT", 0, "", -1, nullptr), 1);
    EXPECT_NE(layer("NO_LT").find(" Continuous "), std::string::npos);
}

TEST_F(LayerMaker, ANameTheDrawingCannotHoldIsReported)
{
    const int before = layerCount();
    EXPECT_EQ(QorComARX_MakeLayer("A<B", 1, "continuous", 0, ""), 0);
    EXPECT_EQ(QorComARX_MakeLayer("", 1, "continuous", 0, ""), 0);
    EXPECT_EQ(QorComARX_MakeLayer(nullptr, 1, "continuous", 0, ""), 0);
    EXPECT_EQ(layerCount(), before);
    EXPECT_EQ(said(), "画層[A<B]の追加に失敗しました。\n画層[]の追加に失敗しました。\n画層[]の追加に失敗しました。");
}

}  // namespace
