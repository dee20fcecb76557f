// How an entity is seen through its layer: the colour it shows and giving it one, natively
// and from LISP, and whether a stiffener line lies on the back, by the back line type of
// STIFFSIZE.INI, drawn directly or through its layer.
#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

class EntityAppearance : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        ASSERT_EQ(db->loadLineTypeFile("STIFF_URA", "C:\\TREVAN\\SYSTEM\\Trevan.lin"), Zcad::eOk);
        ZcDbObjectPointer<ZcDbLinetypeTable> linetypes(db->linetypeTableId(), ZcDb::kForRead);
        ZcDbObjectPointer<ZcDbLayerTable> layers(db->layerTableId(), ZcDb::kForWrite);
        auto* layer = new ZcDbLayerTableRecord;
        // Blue, and drawn with the back line type.
        layer->setName("LONG_BACK");
        ZcCmColor color;
        color.setColorIndex(5);
        layer->setColor(color);
        ZcDbObjectId ura;
        ASSERT_EQ(linetypes->getAt("STIFF_URA", ura), Zcad::eOk);
        layer->setLinetypeObjectId(ura);
        ASSERT_EQ(layers->add(layer), Zcad::eOk);
        layer->close();
    }
    ZcDbObjectId line(const char* layer, int color = 256, const char* linetype = "ByLayer")
    {
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1000, 0, 0));
        line->setDatabaseDefaults(db.get());
        EXPECT_EQ(line->setLayer(layer), Zcad::eOk);
        line->setColorIndex(static_cast<uint16_t>(color));
        EXPECT_EQ(line->setLinetype(linetype), Zcad::eOk);
        return addToModelSpace(line);
    }
    int ownColour(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        return e->colorIndex();
    }
    SampleInstall install;
};

TEST_F(EntityAppearance, ByLayerAndByBlockShowTheLayersColourAColourAlreadySeenChangesNothing)
{
    EXPECT_EQ(TrevanCom_GetObjCol(line("LONG_BACK", 256)), 5);
    EXPECT_EQ(TrevanCom_GetObjCol(line("LONG_BACK", 0)), 5);
    EXPECT_EQ(TrevanCom_GetObjCol(line("LONG_BACK", 1)), 1);
    EXPECT_EQ(TrevanCom_GetObjCol(ZcDbObjectId()), 0);
    ZcDbObjectId byLayer = line("LONG_BACK");
    EXPECT_TRUE(TrevanCom_SetObjCol(byLayer, 5));
    EXPECT_EQ(ownColour(byLayer), 256);
    EXPECT_TRUE(TrevanCom_SetObjCol(byLayer, 3));
    EXPECT_EQ(ownColour(byLayer), 3);
    EXPECT_FALSE(TrevanCom_SetObjCol(byLayer, 300));
    EXPECT_FALSE(TrevanCom_SetObjCol(ZcDbObjectId(), 3));
}

TEST_F(EntityAppearance, TheLispColourFormGivesTOrNilWithTheArgumentError)
{
    define("objcol", TrevanComARX_SetObjCol);
    ZcDbObjectId id = line("LONG_BACK");
    const std::string l = ename(id);
    const std::pair<std::string, const char*> calls[] = {{"(objcol " + l + " 5)", "T"},
                                                         {"(objcol " + l + " 2.0)", "引数エラー\nnil"},
                                                         {"(objcol " + l + " 999)", "引数エラー\nnil"},
                                                         {"(objcol)", "引数エラー\nnil"}};
    for (const auto& [expression, answer] : calls) EXPECT_EQ(trimmed(call(expression)), answer) << expression;
    EXPECT_EQ(ownColour(id), 256);
    EXPECT_EQ(trimmed(call("(objcol " + l + " 2)")), "T");
    EXPECT_EQ(ownColour(id), 2);
}

TEST_F(EntityAppearance, TheStiffenerLineTypesComeFromTheDataFolder)
{
    CString front = "x", back = "y";
    TrevanCom_GetStiffOU(front, back);
    EXPECT_EQ(front + "|" + back, "CONTINUOUS|STIFF_URA");
    install.put("TREVAN/DATA/MST/STIFFSIZE.INI", "[STIFF1]\r\nLT1=DASHED\r\n");
    TrevanCom_GetStiffOU(front, back);
    EXPECT_EQ(front + "|" + back, CString("DASHED|") + TREVAN_INI_NOT_FOUND);
    install.forgetFolders();
    TrevanCom_GetStiffOU(front, back);
    EXPECT_EQ(front + "|" + back, CString("DASHED|") + TREVAN_INI_NOT_FOUND);
}

TEST_F(EntityAppearance, AStiffenerDrawnWithTheBackLineTypeLiesOnTheBack)
{
    EXPECT_FALSE(TrevanCom_CheckStiffOU(line("0", 256, "stiff_ura")));
    EXPECT_TRUE(TrevanCom_CheckStiffOU(line("LONG_BACK", 256, "Continuous")));
    // By layer and by block both take the layer's line type.
    EXPECT_FALSE(TrevanCom_CheckStiffOU(line("LONG_BACK", 256, "ByLayer")));
    EXPECT_FALSE(TrevanCom_CheckStiffOU(line("LONG_BACK", 256, "ByBlock")));
    EXPECT_TRUE(TrevanCom_CheckStiffOU(line("0", 256, "ByBlock")));
    EXPECT_FALSE(TrevanCom_CheckStiffOU(ZcDbObjectId()));
    // Without a back line type every stiffener is in front.
    ZcDbObjectId back = line("LONG_BACK");
    install.forgetFolders();
    EXPECT_TRUE(TrevanCom_CheckStiffOU(back));
}

}  // namespace
