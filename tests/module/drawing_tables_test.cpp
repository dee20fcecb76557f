// The tables of a drawing: line types loaded in the order the line type files are searched
// in, the stiffener line types, making layers that need them, and the text styles listed.
#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

class DrawingTables : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        // The product's system folder is on the CAD's support path, as its setup leaves it.
        zrxhost::setSupportFolders({install.at("TREVAN/SYSTEM").string()});
    }
    void TearDown() override
    {
        zrxhost::setSupportFolders({});
        EditorTest::TearDown();
    }
    // The first length of the line type's pattern in the drawing; 0 when it has none.
    double firstDash(const char* name)
    {
        ZcDbObjectPointer<ZcDbLinetypeTable> table(db->linetypeTableId(), ZcDb::kForRead);
        ZcDbLinetypeTableRecord* rec = nullptr;
        if (table->getAt(name, rec, ZcDb::kForRead) != Zcad::eOk) return 0;
        double dash = rec->numDashes() > 0 ? rec->dashLengthAt(0) : 0;
        rec->close();
        return dash;
    }
    SampleInstall install;
};

TEST_F(DrawingTables, TheProductsFileComesFirstThenTheCadsOwn)
{
    install.put("TREVAN/SYSTEM/Trevan.lin", "*CENTER,product\nA,40,-10,10,-10\n");
    install.put("TREVAN/SYSTEM/acadiso.lin", "*CENTER,first acadiso\nA,30,-5,5,-5\n*DASHED,x\nA,12.7,-6.35\n");
    EXPECT_TRUE(TrevanCom_LoadLineType("center", db.get()));
    EXPECT_EQ(firstDash("CENTER"), 40);
    // Only the first file found is read.
    EXPECT_FALSE(TrevanCom_LoadLineType("DASHED", db.get()));

    std::filesystem::remove(install.at("TREVAN/SYSTEM/Trevan.lin"));
    EXPECT_TRUE(TrevanCom_LoadLineType("DASHED", db.get()));
    std::filesystem::remove(install.at("TREVAN/SYSTEM/acadiso.lin"));
    // Last, the CAD installation's Support folder, as the registry names it.
    EXPECT_TRUE(TrevanCom_LoadLineType("DOT", db.get()));
    EXPECT_TRUE(TrevanCom_SearchLinetype("dot", db.get()));
    // Without the CAD's registry entries that folder is unknown.
    const std::string registry = zrxhost::registryFile();
    std::filesystem::remove(registry);
    zrxhost::setRegistryFile(registry);
    EXPECT_FALSE(TrevanCom_LoadLineType("DASHDOT", db.get()));
    // A line type the drawing has needs no file.
    EXPECT_TRUE(TrevanCom_LoadLineType("CONTINUOUS", db.get()));
}

TEST_F(DrawingTables, TheStiffenerLineTypesAreLoadedOrNamed)
{
    TrevanCom_LoadStiffLinetype();
    EXPECT_EQ(trimmed(transcript()), "");
    EXPECT_EQ(firstDash("STIFF_URA"), 12);
    install.put("TREVAN/DATA/MST/STIFFSIZE.INI", "[STIFF1]\r\nLT1=NOSUCH\r\n");
    TrevanCom_LoadStiffLinetype();
    EXPECT_EQ(trimmed(transcript()), "スチフナの表用線種のロードに失敗しました.ロードしようとした線種=NOSUCH"
                            "\nスチフナの裏用線種のロードに失敗しました.ロードしようとした線種=GetIniErrMsg");
}

TEST_F(DrawingTables, MakeLayerCreatesThenUpdatesTheLayer)
{
    ASSERT_EQ(TrevanComARX_MakeLayer("S-TEXT", 3, "HIDDEN", -3, "", db.get()), 1);
    auto expectLayer = [&](int color, const char* linetype, ZcDb::LineWeight weight) {
        ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForRead);
        ZcDbLayerTableRecord* layer = nullptr;
        ASSERT_EQ(table->getAt("S-TEXT", layer, ZcDb::kForRead), Zcad::eOk);
        EXPECT_EQ(layer->color().colorIndex(), color);
        EXPECT_EQ(layer->lineWeight(), weight);
        layer->close();
        EXPECT_EQ(TrevanCom_GetLayerLintype("s-text"), linetype);
    };
    expectLayer(3, "HIDDEN", ZcDb::kLnWtByLwDefault);
    ASSERT_EQ(TrevanComARX_MakeLayer("S-TEXT", 5, "PHANTOM2", 200, "", db.get()), 1);
    expectLayer(5, "PHANTOM2", ZcDb::kLnWt200);
    // A line type that no file defines leaves the layer as it was.
    EXPECT_EQ(TrevanComARX_MakeLayer("S-TEXT", 1, "NOSUCH", 0, "", db.get()), 0);
    expectLayer(5, "PHANTOM2", ZcDb::kLnWt200);
    EXPECT_EQ(TrevanCom_GetLayerLintype("NOLAYER"), "");

    EXPECT_EQ(TrevanComARX_MakeLayer("A<B", 1, "CONTINUOUS", 0, "", db.get()), 0);
    EXPECT_EQ(trimmed(transcript()), "画層[A<B]の追加に失敗しました。");
    {
        ZcDbObjectPointer<ZcDbLayerTableRecord> held(db->clayer(), ZcDb::kForWrite);
        EXPECT_EQ(TrevanComARX_MakeLayer("0", 1, "CONTINUOUS", 0, "", db.get()), 0);
    }
    EXPECT_EQ(trimmed(transcript()), "画層[0]の書き込みに失敗しました。");
}

TEST_F(DrawingTables, EveryTextStyleButErasedOnesIsAppendedInTableOrder)
{
    {
        ZcDbObjectPointer<ZcDbTextStyleTable> table(db->textStyleTableId(), ZcDb::kForWrite);
        for (const char* name : {"MS-GOTHIC", "OLD"}) {
            auto* style = new ZcDbTextStyleTableRecord;
            style->setName(name);
            ASSERT_EQ(table->add(style), Zcad::eOk);
            if (std::string(name) == "OLD") style->erase();
            style->close();
        }
    }
    CStringArray names;
    names.Add("kept");
    TrevanCom_GetTextStyleArray(names, db.get());
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[0] + "," + names[1] + "," + names[2], "kept,Standard,MS-GOTHIC");
}

}  // namespace
