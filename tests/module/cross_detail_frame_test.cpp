// The finish of an intersection detail: the frame drawing of the data folder brought in as a
// block at the middle of the detail, and the section texts placed by dragging, Esc while
// dragging each text answered as the detail command needs.
#include <cmath>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"
#include "zrxhost/session.h"

namespace {

class CrossFrame : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        addLine(0, 0, 600, 0);
        addLine(600, 0, 600, 1000);
    }
    std::vector<ZcDbObjectId> all(const char* kind)
    {
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllObjectIdArray(db.get(), ids, nullptr);
        std::vector<ZcDbObjectId> out;
        for (ZcDbObjectId id : ids) {
            ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
            if (e.openStatus() == Zcad::eOk && std::string(e->isA()->name()) == kind) out.push_back(id);
        }
        return out;
    }
    CStringArray labels(std::initializer_list<const char*> names)
    {
        CStringArray out;
        for (const char* n : names) out.Add(n);
        return out;
    }
    struct Placed {
        ZcGePoint3d at;
        double rotation, height;
        std::string text;
    };
    std::vector<Placed> texts()
    {
        std::vector<Placed> out;
        for (ZcDbObjectId id : all("AcDbText")) {
            ZcDbObjectPointer<ZcDbText> t(id, ZcDb::kForRead);
            char* s = t->textString();
            out.push_back({t->position(), t->rotation(), t->height(), s});
            zcutDelString(s);
        }
        return out;
    }
    SampleInstall install;
};

TEST_F(CrossFrame, TheFrameDrawingComesInAsABlockAtTheMiddleOfTheDetail)
{
    CString path;
    ZcGePoint3d centre;
    ASSERT_TRUE(TrevanCom_CrossDrawFrame(path, centre));
    EXPECT_EQ(path, "C:\\TREVAN\\DATA\\SYM\\WAKU_PLANRECORD.dwg");
    EXPECT_EQ(centre, ZcGePoint3d(300, 500, 0));
    auto refs = all("AcDbBlockReference");
    ASSERT_EQ(refs.size(), 1u);
    ZcDbObjectPointer<ZcDbBlockReference> ref(refs[0], ZcDb::kForRead);
    EXPECT_EQ(ref->position(), centre);
    ZcDbObjectPointer<ZcDbBlockTableRecord> block(ref->blockTableRecord(), ZcDb::kForRead);
    const char* name = nullptr;
    block->getName(name);
    EXPECT_STREQ(name, "WAKU_PLANRECORD");
    // The frame's sheet is centred on its base point, so it sits round the detail.
    ZcDbExtents box;
    ASSERT_EQ(ref->getGeomExtents(box), Zcad::eOk);
    EXPECT_NEAR((box.minPoint().x + box.maxPoint().x) / 2, 300, 1e-6);
    EXPECT_NEAR((box.minPoint().y + box.maxPoint().y) / 2, 500, 1e-6);
    EXPECT_GT(box.maxPoint().x - box.minPoint().x, 600);
}

TEST_F(CrossFrame, ASecondFrameUsesTheBlockAlreadyThere)
{
    CString path;
    ZcGePoint3d centre;
    ASSERT_TRUE(TrevanCom_CrossDrawFrame(path, centre));
    std::filesystem::remove(install.at("TREVAN/DATA/SYM/WAKU_PLANRECORD.dwg"));
    ASSERT_TRUE(TrevanCom_CrossDrawFrame(path, centre));
    EXPECT_EQ(all("AcDbBlockReference").size(), 2u);
}

TEST_F(CrossFrame, AMissingFrameDrawingIsReportedAndTheDetailGoesOn)
{
    std::filesystem::remove(install.at("TREVAN/DATA/SYM/WAKU_PLANRECORD.dwg"));
    transcript();
    CString path;
    ZcGePoint3d centre;
    EXPECT_TRUE(TrevanCom_CrossDrawFrame(path, centre));
    EXPECT_NE(transcript().find("WAKU_PLANRECORD.dwgを読み込めませんでした"), std::string::npos);
    EXPECT_TRUE(all("AcDbBlockReference").empty());
}

TEST_F(CrossFrame, WithoutADataFolderTheFrameStepFails)
{
    install.forgetFolders();
    CString path;
    ZcGePoint3d centre;
    EXPECT_FALSE(TrevanCom_CrossDrawFrame(path, centre));
}

TEST_F(CrossFrame, TheThroughTextReadsUpwardsWhereThePointIsAndEscAsksAgain)
{
    answer({"*cancel*", "*cancel*", "250,-80"});
    ASSERT_TRUE(TrevanCom_CrossDragThroughText("FB150x12", ZcGePoint3d::kOrigin));
    auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "FB150x12");
    EXPECT_EQ(t[0].at, ZcGePoint3d(250, -80, 0));
    EXPECT_NEAR(t[0].rotation, M_PI / 2, 1e-12);
    EXPECT_EQ(t[0].height, 20);
    const std::string shown = transcript();
    const std::string prompt = "通し部材の断面寸法の位置を指示：";
    size_t count = 0;
    for (size_t at = shown.find(prompt); at != std::string::npos; at = shown.find(prompt, at + 1)) ++count;
    EXPECT_EQ(count, 3u);
}

TEST_F(CrossFrame, AScriptThatRunsOutWhileDraggingEndsTheDragAndTakesTheTextAway)
{
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    answer({"*cancel*"});
    EXPECT_FALSE(TrevanCom_CrossDragThroughText("FB150x12", ZcGePoint3d::kOrigin));
    EXPECT_TRUE(texts().empty());
}

TEST_F(CrossFrame, WithOnePartnerOnlyOnePartnerTextIsDragged)
{
    answer({"*cancel*", "400,300", "9,9"});
    ASSERT_TRUE(TrevanCom_CrossDragPartnerTexts(labels({"FB150x12", "L200x90x9/14"}), ZcGePoint3d::kOrigin));
    auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "L200x90x9/14");
    EXPECT_EQ(t[0].at, ZcGePoint3d(400, 300, 0));
    EXPECT_EQ(t[0].rotation, 0);
}

TEST_F(CrossFrame, EscAtTheSecondPartnersTextEndsTheStepWithoutThatText)
{
    answer({"400,300", "*cancel*", "9,9"});
    EXPECT_FALSE(TrevanCom_CrossDragPartnerTexts(labels({"FB150x12", "L200x90x9/14", "FB100x10"}), ZcGePoint3d::kOrigin));
    auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "L200x90x9/14");
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
}

}  // namespace
