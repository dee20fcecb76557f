// The box around the whole drawing from LISP: every entity but points, and the answer
// when there is nothing to measure.
#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

class DrawingBox : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("objbox", TrevanComARX_GetObjctbox);
    }
};

TEST_F(DrawingBox, EncloseEverythingButPoints)
{
    addToModelSpace(new ZcDbLine({-10, 5, 2}, {40, 20, -3}));
    addToModelSpace(new ZcDbCircle({100, 0, 7}, {0, 0, 1}, 10));
    addToModelSpace(new ZcDbPoint({500, -500, 90}));
    EXPECT_EQ(call("(objbox)"), "\n((-10.0 -10.0 -3.0) (110.0 20.0 7.0))\n");
    // Extra arguments are not read.
    EXPECT_EQ(call("(objbox 1 \"a\")"), "\n((-10.0 -10.0 -3.0) (110.0 20.0 7.0))\n");
}

TEST_F(DrawingBox, NothingToMeasureFails)
{
    EXPECT_EQ(call("(objbox)"), "\n\"FAIL\"\n");
    addToModelSpace(new ZcDbPoint({1, 2, 3}));
    EXPECT_EQ(call("(objbox)"), "\n\"FAIL\"\n");
    // An erased entity is not selected.
    ZcDbObjectId line = addLine(0, 0, 10, 10);
    addLine(-5, 1, 5, 2);
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        e->erase();
    }
    EXPECT_EQ(call("(objbox)"), "\n((-5.0 1.0 0.0) (5.0 2.0 0.0))\n");
}

}  // namespace
