// A stiffener's record from LISP: its end points, and writing its attachment angle.
#include "stiff_persist_fixture.h"

namespace {

class StiffPersistLisp : public StiffPersistTest {
protected:
    void SetUp() override
    {
        StiffPersistTest::SetUp();
        // As a sibling module defines them, under LISP names of its own.
        define("stiffsept", TrevanComARX_GetStfiffSEPt);
        define("stiffangle", TrevanComARX_SetStiffAngle);
    }
    // Printed text and value, without the line breaks around them.
    std::string eval(const std::string& expression)
    {
        std::string t = call(expression);
        while (!t.empty() && t.back() == '\n') t.pop_back();
        while (!t.empty() && t.front() == '\n') t.erase(0, 1);
        return t;
    }
    std::string ent(ZcDbObjectId id) { return ename(id); }
};

TEST_F(StiffPersistLisp, EndPointsOfAStiffenerComeAsAListOfTwoPoints)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 250);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    EXPECT_EQ(eval("(stiffsept " + ent(line) + ")"), "((0.0 0.0 0.0) (1000.0 250.0 0.0))");

    auto* dim = new ZcDbAlignedDimension(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1000, 0, 0), ZcGePoint3d(1000, 50, 0));
    ZcDbObjectId dimId = addToModelSpace(dim);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(dimId, sample()));
    // Extra arguments are ignored.
    EXPECT_EQ(eval("(stiffsept " + ent(dimId) + " 1 \"x\")"), "((0.0 50.0 0.0) (1000.0 50.0 0.0))");
}

TEST_F(StiffPersistLisp, EndPointsArgumentErrorsNameTheirPlace)
{
    ZcDbObjectId plain = addLine(0, 0, 10, 0);
    EXPECT_EQ(eval("(stiffsept)"), "引数エラー\nnil");
    EXPECT_EQ(eval("(stiffsept 1)"), "引数エラー1\nnil");
    EXPECT_EQ(eval("(stiffsept \"" + hex(plain) + "\")"), "引数エラー1\nnil");
    // A line that is no stiffener is no argument error: just nil.
    EXPECT_EQ(eval("(stiffsept " + ent(plain) + ")"), "nil");
}

TEST_F(StiffPersistLisp, TheAngleIsWrittenIntoTheRecord)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    EXPECT_EQ(eval("(stiffangle " + ent(line) + " -22.5)"), "T");
    CStiffData r = readBack(line);
    EXPECT_EQ(r.m_strRes2, "X,-22.5000");
    EXPECT_EQ(r.getToritsukeAngle(), -22.5);
    // Nothing else of the record moves.
    CStiffData expected = sample();
    expected.m_strRes2 = "X,-22.5000";
    expectSameStored(r, expected);
}

TEST_F(StiffPersistLisp, TheAngleNeedsARealAndAStiffener)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    EXPECT_EQ(eval("(stiffangle " + ent(line) + " 30)"), "引数エラー\nnil");
    EXPECT_EQ(eval("(stiffangle " + ent(line) + ")"), "引数エラー\nnil");
    EXPECT_EQ(eval("(stiffangle)"), "引数エラー\nnil");
    EXPECT_EQ(eval("(stiffangle 30.0 " + ent(line) + ")"), "引数エラー\nnil");
    EXPECT_EQ(readBack(line).m_strRes2, "X,15.0000");

    ZcDbObjectId plain = addLine(0, 100, 1000, 100);
    EXPECT_EQ(eval("(stiffangle " + ent(plain) + " 30.0)"), "nil");
    EXPECT_FALSE(TrevanComARX_HasXdata(plain, "STIFF"));
}

TEST_F(StiffPersistLisp, WithoutTheSystemFolderTheAngleIsNotWritten)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    forgetSystemFolder();
    EXPECT_EQ(eval("(stiffangle " + ent(line) + " 30.0)"), "nil");
    EXPECT_EQ(eval("(stiffsept " + ent(line) + ")"), "nil");
    EXPECT_TRUE(TrevanComARX_HasXdata(line, "STIFF"));
}

}  // namespace
