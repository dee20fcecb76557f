// Making the layers members are drawn on: made once, with what was asked, never twice.
#include "qorcom_fixture.h"

namespace {

class LayerMaker : public QorComTest {
protected:
    int layerCount()
    {
        ZcDbObjectPointer<ZcDbLayerTable> t(db->layerTableId(), ZcDb::kForRead);
        return static_cast<int>(t->recordIds().length());
    }
    struct Layer {
        int color = -1;
        std::string linetype;
        int weight = 0;
    };
    Layer layer(const char* name)
    {
        Layer out;
        ZcDbObjectPointer<ZcDbLayerTable> t(db->layerTableId(), ZcDb::kForRead);
        ZcDbLayerTableRecord* rec = nullptr;
        if (t->getAt(name, rec, ZcDb::kForRead) != Zcad::eOk) return out;
        out.color = rec->color().colorIndex();
        out.weight = rec->lineWeight();
        ZcDbObjectPointer<ZcDbLinetypeTableRecord> lt(rec->linetypeObjectId(), ZcDb::kForRead);
        out.linetype = lt->name();
        rec->close();
        return out;
    }
    void addLinetype(const char* name)
    {
        ZcDbObjectPointer<ZcDbLinetypeTable> t(db->linetypeTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbLinetypeTableRecord;
        rec->setName(name);
        ASSERT_EQ(t->add(rec), Zcad::eOk);
        rec->close();
    }
};

TEST_F(LayerMaker, ANewLayerTakesColourLinetypeAndWeight)
{
    addLinetype("HIDDEN");
    const int before = layerCount();
    EXPECT_EQ(QorComARX_MakeLayer("S-TEXT", 3, "hidden", 200, ""), 1);
    EXPECT_EQ(layerCount(), before + 1);
    Layer made = layer("S-TEXT");
    EXPECT_EQ(made.color, 3);
    EXPECT_EQ(made.linetype, "HIDDEN");
    EXPECT_EQ(made.weight, 200);
    EXPECT_EQ(transcript, "");
}

TEST_F(LayerMaker, AnExistingLayerIsNeitherDuplicatedNorChanged)
{
    EXPECT_EQ(QorComARX_MakeLayer("SSS_CROSSPOINT", 7, "continuous", 0, ""), 1);
    const int made = layerCount();
    EXPECT_EQ(QorComARX_MakeLayer("sss_crosspoint", 1, "continuous", 50, ""), 1);
    EXPECT_EQ(layerCount(), made);
    Layer kept = layer("SSS_CROSSPOINT");
    EXPECT_EQ(kept.color, 7);
    EXPECT_EQ(kept.weight, 0);
    EXPECT_EQ(kept.linetype, "Continuous");
}

TEST_F(LayerMaker, UnknownValuesFallBackToPlainOnes)
{
    // A line type the drawing lacks, a colour out of range and a weight the platform does
    // not have: the layer still exists, on Continuous, white, default weight.
    EXPECT_EQ(QorComARX_MakeLayer("断面文字", 256, "DASHDOT_NOT_LOADED", 300, ""), 1);
    Layer made = layer("断面文字");
    EXPECT_EQ(made.color, 7);
    EXPECT_EQ(made.linetype, "Continuous");
    EXPECT_EQ(made.weight, ZcDb::kLnWtByLwDefault);
    EXPECT_EQ(QorComARX_MakeLayer("NO_LT", 0, "", -1, nullptr), 1);
    EXPECT_EQ(layer("NO_LT").linetype, "Continuous");
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
