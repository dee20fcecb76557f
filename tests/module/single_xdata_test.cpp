// Single-value xdata on entities: presence, writing, reading and clearing.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class SingleXdata : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        line = addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0)));
    }
    // The entity's xdata of the application as (code, text) pairs.
    std::vector<std::pair<int, std::string>> groups(const char* app)
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        resbuf* xd = e->xData(app);
        std::vector<std::pair<int, std::string>> out;
        for (resbuf* rb = xd; rb != nullptr; rb = rb->rbnext) {
            std::string v = rb->restype == 1000 || rb->restype == 1001 ? rb->resval.rstring : "";
            out.emplace_back(rb->restype, v);
        }
        zcutRelRb(xd);
        return out;
    }
    void setRaw(resbuf* chain)
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        e->setXData(chain);
        zcutRelRb(chain);
    }
    ZcDbObjectId line;
};

using G = std::vector<std::pair<int, std::string>>;

TEST_F(SingleXdata, AStringReplacesEverythingTheApplicationHeld)
{
    regApp("STIFF_LINK");
    regApp("OTHER");
    setRaw(zcutBuildList(1001, "STIFF_LINK", 1000, "a", 1040, 1.0, 1070, 2, 1001, "OTHER", 1000, "kept", 0));
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF_LINK", "1A3"), 1);
    EXPECT_EQ(groups("STIFF_LINK"), (G{{1001, "STIFF_LINK"}, {1000, "1A3"}}));
    EXPECT_EQ(groups("OTHER"), (G{{1001, "OTHER"}, {1000, "kept"}}));
}

TEST_F(SingleXdata, WritingRegistersANewApplicationAndUpgradesAReadOpen)
{
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        ASSERT_EQ(TrevanComARX_SetXdataReal(e.object(), "PlanRecord_Angle", 12.5), 1);
        ASSERT_EQ(TrevanComARX_SetXdataInt(e.object(), "PlanRecord_No", 70000), 1);
    }
    ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
    double r = 0;
    EXPECT_EQ(TrevanComARX_GetXdataReal(e.object(), "PlanRecord_Angle", r), 1);
    EXPECT_EQ(r, 12.5);
    // Xdata integers hold 16 bits: 70000 keeps only its low half.
    int n = 0;
    EXPECT_EQ(TrevanComARX_GetXdataInt(e.object(), "PlanRecord_No", n), 1);
    EXPECT_EQ(n, 70000 - 65536);
}

TEST_F(SingleXdata, AValueOfAnotherKindIsNotRead)
{
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "A_LONGLINENAME", "L1"), 1);
    ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
    double r = -1;
    EXPECT_EQ(TrevanComARX_GetXdataReal(e.object(), "A_LONGLINENAME", r), 0);
    EXPECT_EQ(r, -1);
    CString s;
    EXPECT_EQ(TrevanComARX_GetXdataStr(e.object(), "NOT_THERE", s), 0);
    EXPECT_EQ(TrevanComARX_GetXdataStr(e.object(), "A_LONGLINENAME", s), 1);
    EXPECT_EQ(s, "L1");
}

TEST_F(SingleXdata, ByObjectIdAnUnopenableEntityFails)
{
    CString s = "x";
    EXPECT_EQ(TrevanComARX_SetXdataStr(ZcDbObjectId::kNull, "APP", "v"), 0);
    EXPECT_EQ(TrevanComARX_GetXdataStr(ZcDbObjectId::kNull, "APP", s), 0);
    EXPECT_EQ(s, "x");
    EXPECT_FALSE(TrevanComARX_HasXdata(ZcDbObjectId::kNull, "APP"));
}

TEST_F(SingleXdata, PresenceIsTheSameOpenByIdOrByName)
{
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF", "x"), 1);
    ads_name name;
    ASSERT_EQ(zcdbGetZdsName(name, line), Zcad::eOk);
    EXPECT_TRUE(TrevanComARX_HasXdata(line, "STIFF"));
    EXPECT_TRUE(TrevanComARX_HasXdata(name, "stiff"));
    EXPECT_FALSE(TrevanComARX_HasXdata(name, "LONG"));
    ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
    EXPECT_TRUE(TrevanComARX_HasXdata(e.object(), "STIFF"));
}

TEST_F(SingleXdata, ClearingRemovesTheApplicationOnly)
{
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF", "x"), 1);
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "OTHER", "y"), 1);
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        EXPECT_TRUE(TrevanComARX_ClearXdata(e.object(), "STIFF"));
    }
    EXPECT_TRUE(groups("STIFF").empty());
    EXPECT_EQ(groups("OTHER").size(), 2u);
}

TEST_F(SingleXdata, ClearingANeverRegisteredApplicationRegistersItAndTouchesNothing)
{
    ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
    EXPECT_TRUE(TrevanComARX_ClearXdata(e.object(), "NEVER_SEEN"));
    // Left open for read: the entity was not changed.
    EXPECT_FALSE(e->isWriteEnabled());
    EXPECT_EQ(zcdbRegApp("NEVER_SEEN"), RTERROR);
}

}  // namespace
