// Picking one entity: the plain pick's answers and re-asking, and the conditional pick's
// cancel, Enter, type refusal and pick-box application test.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

class PickSingle : public EditorTest {
protected:
    void mark(ZcDbObjectId id, const char* app)
    {
        regAppOnce(app);
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        ASSERT_EQ(TrevanComARX_SetXdataStr(e.object(), app, "x"), 1);
    }
    void regAppOnce(const char* app)
    {
        ZcDbRegAppTable* table = nullptr;
        ASSERT_EQ(db->getRegAppTable(table, ZcDb::kForRead), Zcad::eOk);
        bool has = table->has(app);
        table->close();
        if (!has) regApp(app);
    }
    static constexpr const char* kWrongType = "指定外のオブジェクトです";
};

TEST_F(PickSingle, EnterGivesTwoEscMinusOneAndAMissAsksAgain)
{
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ZcDbObjectId picked;
    answer({"50,40", "50,0", ""});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\n部材を選択："), 1);
    EXPECT_EQ(picked, line);
    // The miss was asked again with the same prompt.
    std::string t = transcript();
    EXPECT_EQ(t.find("部材を選択：50,40"), 0u) << t;
    EXPECT_NE(t.find("部材を選択：50,0"), std::string::npos) << t;
    ZcDbObjectId untouched = picked;
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\n部材を選択："), 2);
    EXPECT_EQ(picked, untouched);
    // Esc: quietly -1.
    answer({"*cancel*"});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: "), -1);
    EXPECT_EQ(transcript().find("ERRNO"), std::string::npos);
}

TEST_F(PickSingle, TheConditionalPickGivesTwoOnEscAndThreeOnEnter)
{
    addLine(0, 0, 100, 0);
    ZcDbObjectId picked;
    answer({"*cancel*", ""});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "LINE", ""), 2);
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "LINE", ""), 3);
}

TEST_F(PickSingle, AnEntityOfAnotherTypeIsRefusedAndAskedAgain)
{
    ZcDbObjectId circle = addToModelSpace(new ZcDbCircle(ZcGePoint3d(200, 0, 0), ZcGeVector3d::kZAxis, 10));
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ZcDbObjectId picked;
    answer({"210,0", "50,0"});
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "lwpolyline,line", nullptr), 1);
    EXPECT_EQ(picked, line);
    std::string t = transcript();
    EXPECT_NE(t.find(kWrongType), std::string::npos) << t;
    answer({"210,0"});
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "CIRCLE", ""), 1);
    EXPECT_EQ(picked, circle);
    EXPECT_EQ(transcript().find(kWrongType), std::string::npos);
}

TEST_F(PickSingle, TheApplicationTestTakesTheMarkedEntityUnderThePickBox)
{
    // Two lines crossing at (50, 0); the later drawn (unmarked) wins the host's pick.
    ZcDbObjectId marked = addLine(0, 0, 100, 0);
    ZcDbObjectId plain = addLine(50, -50, 50, 50);
    mark(marked, "STIFF");
    ZcDbObjectId picked;
    answer({"50,0", "50,0", ""});
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", "PLATE,STIFF"), 1);
    EXPECT_EQ(picked, marked);
    // Without the application test the host's pick stands.
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", ""), 1);
    EXPECT_EQ(picked, plain);
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", ""), 3);

    // Where only the plain line lies, nothing carries the application.
    answer({"50,40", "*cancel*"});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", "STIFF"), 2);
    EXPECT_NE(transcript().find(kWrongType), std::string::npos);
}

TEST_F(PickSingle, TheTypeTestLooksAtWhatTheHostPicked)
{
    // A marked circle under the box of a pick that hits the unmarked line: the application
    // test settles on the circle, but the line's type decides.
    ZcDbObjectId circle = addToModelSpace(new ZcDbCircle(ZcGePoint3d(50, 10, 0), ZcGeVector3d::kZAxis, 10));
    addLine(0, 0, 100, 0);
    mark(circle, "STIFF");
    ZcDbObjectId picked;
    answer({"50,0", "*cancel*"});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "CIRCLE", "STIFF"), 2);
    EXPECT_NE(transcript().find(kWrongType), std::string::npos);
    answer({"50,0"});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "LINE", "STIFF"), 1);
    EXPECT_EQ(picked, circle);
}

TEST_F(PickSingle, Entsel2WantsAListedClassOrApplicationAndGivesThePoint)
{
    addToModelSpace(new ZcDbCircle(ZcGePoint3d(200, 0, 0), ZcGeVector3d::kZAxis, 10));
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ZcDbObjectId picked;
    ZcGePoint3d at;
    // The circle's class is not listed, Enter and a miss ask again.
    answer({"210,0", "", "300,300", "40,0.5", "*cancel*"});
    ASSERT_EQ(TrevanCom_GetARX_Entsel2("\nPick: ", picked, at, "acdbline,AcDbPolyline", ""), 0);
    EXPECT_EQ(picked, line);
    EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(40, 0.5, 0)));
    EXPECT_EQ(TrevanCom_GetARX_Entsel2("\nPick: ", picked, at, "", "STIFF"), -1);
}

}  // namespace
