// Single-value xdata on entities: presence, writing, reading and clearing.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

using G = std::vector<std::pair<int, std::string>>;

class SingleXdata : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        line = addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0)));
    }
    // The entity's xdata of the application as (code, text) pairs.
    G groups(const char* app)
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        resbuf* xd = e->xData(app);
        G out;
        for (resbuf* rb = xd; rb != nullptr; rb = rb->rbnext)
            out.emplace_back(rb->restype, rb->restype == 1000 || rb->restype == 1001 ? rb->resval.rstring : "");
        zcutRelRb(xd);
        return out;
    }
    ZcDbObjectId line;
};

TEST_F(SingleXdata, AStringReplacesEverythingTheApplicationHeld)
{
    regApp("STIFF_LINK");
    regApp("OTHER");
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        resbuf* chain = zcutBuildList(1001, "STIFF_LINK", 1000, "a", 1040, 1.0, 1070, 2, 1001, "OTHER", 1000, "kept", 0);
        e->setXData(chain);
        zcutRelRb(chain);
    }
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF_LINK", "1A3"), 1);
    EXPECT_EQ(groups("STIFF_LINK"), (G{{1001, "STIFF_LINK"}, {1000, "1A3"}}));
    EXPECT_EQ(groups("OTHER"), (G{{1001, "OTHER"}, {1000, "kept"}}));
}

TEST_F(SingleXdata, EachKindReadsBackOnlyAsItselfAndANewApplicationIsRegistered)
{
    {
        // A read open is upgraded for the writes.
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        ASSERT_EQ(TrevanComARX_SetXdataReal(e.object(), "PlanRecord_Angle", 12.5), 1);
        ASSERT_EQ(TrevanComARX_SetXdataInt(e.object(), "PlanRecord_No", 70000), 1);
        ASSERT_EQ(TrevanComARX_SetXdataStr(e.object(), "A_LONGLINENAME", "L1"), 1);
    }
    ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
    double r = 0;
    EXPECT_EQ(TrevanComARX_GetXdataReal(e.object(), "PlanRecord_Angle", r), 1);
    EXPECT_EQ(r, 12.5);
    // Xdata integers hold 16 bits: 70000 keeps only its low half.
    int n = 0;
    EXPECT_EQ(TrevanComARX_GetXdataInt(e.object(), "PlanRecord_No", n), 1);
    EXPECT_EQ(n, 70000 - 65536);
    CString s;
    EXPECT_EQ(TrevanComARX_GetXdataStr(e.object(), "A_LONGLINENAME", s), 1);
    EXPECT_EQ(s, "L1");
    r = -1;
    EXPECT_EQ(TrevanComARX_GetXdataReal(e.object(), "A_LONGLINENAME", r), 0);
    EXPECT_EQ(TrevanComARX_GetXdataStr(e.object(), "NOT_THERE", s), 0);
    EXPECT_EQ(r, -1);
    EXPECT_EQ(s, "L1");
    // Nothing opens by a null id.
    EXPECT_EQ(TrevanComARX_SetXdataStr(ZcDbObjectId::kNull, "APP", "v"), 0);
    EXPECT_EQ(TrevanComARX_GetXdataStr(ZcDbObjectId::kNull, "APP", s), 0);
    EXPECT_EQ(s, "L1");
}

TEST_F(SingleXdata, PresenceAndClearingWhichRemovesTheApplicationOnlyANeverRegisteredOneTouchingNothing)
{
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF", "x"), 1);
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "OTHER", "y"), 1);
    // Presence is the same by id, by name and open, whatever the case of the name.
    ads_name name;
    ASSERT_EQ(zcdbGetAdsName(name, line), Zcad::eOk);
    EXPECT_TRUE(TrevanComARX_HasXdata(line, "STIFF") && TrevanComARX_HasXdata(name, "stiff"));
    EXPECT_FALSE(TrevanComARX_HasXdata(name, "LONG") || TrevanComARX_HasXdata(ZcDbObjectId::kNull, "STIFF"));
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        EXPECT_TRUE(TrevanComARX_HasXdata(e.object(), "STIFF"));
        EXPECT_TRUE(TrevanComARX_ClearXdata(e.object(), "STIFF"));
    }
    EXPECT_TRUE(groups("STIFF").empty());
    EXPECT_EQ(groups("OTHER"), (G{{1001, "OTHER"}, {1000, "y"}}));
    ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
    EXPECT_TRUE(TrevanComARX_ClearXdata(e.object(), "NEVER_SEEN"));
    // Left open for read: the entity was not changed; the name is registered now.
    EXPECT_FALSE(e->isWriteEnabled());
    EXPECT_EQ(zcdbRegApp("NEVER_SEEN"), RTERROR);
}

}  // namespace
