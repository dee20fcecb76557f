// Handle names both ways, and stale and unknown handles.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class HandleNames : public HostTest {};

TEST_F(HandleNames, AHandleNameLeadsBackToItsEntity)
{
    ZcDbObjectId line = addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
    CString name = TrevanComARX_GetHandleName(line);
    char expected[17];
    line.handle().getIntoAsciiBuffer(expected, sizeof expected);
    EXPECT_EQ(name, expected);
    EXPECT_EQ(TrevanComARX_GetObjid(name), line);
    // Lower case is the same hexadecimal number.
    CString lower = name;
    lower.MakeLower();
    EXPECT_EQ(TrevanComARX_GetObjid(lower), line);
    ZcDbObjectId found;
    EXPECT_TRUE(TrevanComARX_GetObjid(name, found));
    EXPECT_EQ(found, line);

    ads_name ent;
    ASSERT_EQ(zcdbGetZdsName(ent, line), Zcad::eOk);
    EXPECT_EQ(TrevanComARX_GetHandleName(ent), name);
}

TEST_F(HandleNames, UnknownTextAndStaleHandlesGiveNothingUsable)
{
    ZcDbObjectId line = addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
    ZcDbObjectId found = line;
    EXPECT_TRUE(TrevanComARX_GetObjid("FFFFFF").isNull());
    EXPECT_TRUE(TrevanComARX_GetObjid("not a handle").isNull());
    EXPECT_TRUE(TrevanComARX_GetObjid("").isNull());
    EXPECT_FALSE(TrevanComARX_GetObjid("FFFFFF", found));
    EXPECT_TRUE(found.isNull());
    EXPECT_EQ(TrevanComARX_GetHandleName(ZcDbObjectId::kNull), "");

    // An erased entity keeps its handle until the drawing is saved, but cannot be opened.
    CString name = TrevanComARX_GetHandleName(line);
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        ASSERT_EQ(e->erase(), Zcad::eOk);
    }
    EXPECT_EQ(TrevanComARX_GetObjid(name), line);
    EXPECT_FALSE(TrevanComARX_GetObjid(name, found));
}

}  // namespace
