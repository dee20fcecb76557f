// Front and back of stiffeners: the two line types of STIFFSIZE.INI, and which of them a
// stiffener line is drawn with, directly or through its layer.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/host_fixture.h"

namespace {

class StiffOU : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ASSERT_EQ(db->loadLineTypeFile("STIFF_URA", "C:\\TREVAN\\SYSTEM\\Trevan.lin"), Zcad::eOk);
        ZcDbObjectId ura;
        {
            ZcDbObjectPointer<ZcDbLinetypeTable> linetypes(db->linetypeTableId(), ZcDb::kForRead);
            ASSERT_EQ(linetypes->getAt("STIFF_URA", ura), Zcad::eOk);
        }
        ZcDbObjectPointer<ZcDbLayerTable> layers(db->layerTableId(), ZcDb::kForWrite);
        auto* back = new ZcDbLayerTableRecord;
        back->setName("STIFF_BACK");
        back->setLinetypeObjectId(ura);
        ASSERT_EQ(layers->add(back), Zcad::eOk);
        back->close();
    }
    // A stiffener line on the layer, drawn with the line type.
    ZcDbObjectId stiffener(const char* layer, const char* linetype)
    {
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1000, 0, 0));
        line->setDatabaseDefaults(db.get());
        EXPECT_EQ(line->setLayer(layer), Zcad::eOk);
        EXPECT_EQ(line->setLinetype(linetype), Zcad::eOk);
        return addToModelSpace(line);
    }
    SampleInstall install;
};

TEST_F(StiffOU, TheLineTypesComeFromTheDataFolder)
{
    CString front = "x", back = "y";
    TrevanCom_GetStiffOU(front, back);
    EXPECT_EQ(front, "CONTINUOUS");
    EXPECT_EQ(back, "STIFF_URA");
    install.put("TREVAN/DATA/MST/STIFFSIZE.INI", "[STIFF1]\r\nLT1=DASHED\r\n");
    TrevanCom_GetStiffOU(front, back);
    EXPECT_EQ(front, "DASHED");
    EXPECT_EQ(back, TREVAN_INI_NOT_FOUND);
    install.forgetFolders();
    TrevanCom_GetStiffOU(front, back);
    EXPECT_EQ(front, "DASHED");
    EXPECT_EQ(back, TREVAN_INI_NOT_FOUND);
}

TEST_F(StiffOU, AStiffenerDrawnWithTheBackLineTypeLiesOnTheBack)
{
    EXPECT_FALSE(TrevanCom_CheckStiffOU(stiffener("0", "stiff_ura")));
    EXPECT_TRUE(TrevanCom_CheckStiffOU(stiffener("STIFF_BACK", "Continuous")));
    // By layer and by block both take the layer's line type.
    EXPECT_FALSE(TrevanCom_CheckStiffOU(stiffener("STIFF_BACK", "ByLayer")));
    EXPECT_FALSE(TrevanCom_CheckStiffOU(stiffener("STIFF_BACK", "ByBlock")));
    EXPECT_TRUE(TrevanCom_CheckStiffOU(stiffener("0", "ByBlock")));
    EXPECT_FALSE(TrevanCom_CheckStiffOU(ZcDbObjectId()));
}

TEST_F(StiffOU, WithoutABackLineTypeEveryStiffenerIsInFront)
{
    ZcDbObjectId back = stiffener("STIFF_BACK", "ByLayer");
    install.forgetFolders();
    EXPECT_TRUE(TrevanCom_CheckStiffOU(back));
}

}  // namespace
