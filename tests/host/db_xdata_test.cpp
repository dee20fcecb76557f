// Xdata: per application, registered applications only, replaced or removed one
// application at a time.
#include <string>
#include <vector>

#include "support/host_fixture.h"

namespace {

class Xdata : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        regApp("STIFF");
        regApp("STIFF_STEXT_HDNAME");
        id = addToModelSpace(new ZcDbLine({0, 0, 0}, {100, 0, 0}));
    }

    Zcad::ErrorStatus set(resbuf* chain)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        Zcad::ErrorStatus es = e->setXData(chain);
        zcutRelRb(chain);
        return es;
    }

    // The application names present, in order, and the number of groups under each.
    std::vector<std::string> summary()
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        resbuf* all = e->xData();
        std::vector<std::string> out;
        for (resbuf* rb = all; rb != nullptr; rb = rb->rbnext) {
            if (rb->restype == 1001) out.emplace_back(rb->resval.rstring);
            else out.back() += "+";
        }
        zcutRelRb(all);
        return out;
    }

    ZcDbObjectId id;
};

TEST_F(Xdata, UnregisteredApplicationIsRefusedAndNothingChanges)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1000, "L-100x75x7", 0)), Zcad::eOk);
    EXPECT_EQ(set(zcutBuildList(1001, "STIFF", 1000, "changed", 1001, "NOT_REGISTERED", 1070, 3, 0)),
              Zcad::eRegappIdNotFound);
    ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
    resbuf* x = e->xData("STIFF");
    ASSERT_NE(x, nullptr);
    EXPECT_STREQ(x->rbnext->resval.rstring, "L-100x75x7");
    zcutRelRb(x);
    EXPECT_EQ(e->xData("NOT_REGISTERED"), nullptr);
}

TEST_F(Xdata, ABare1001GroupRemovesOneApplicationOnly)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1040, 12.5, 1070, 2, 1001, "STIFF_STEXT_HDNAME", 1000, "2A", 0)),
              Zcad::eOk);
    EXPECT_EQ(summary(), (std::vector<std::string>{"STIFF++", "STIFF_STEXT_HDNAME+"}));
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 0)), Zcad::eOk);
    EXPECT_EQ(summary(), (std::vector<std::string>{"STIFF_STEXT_HDNAME+"}));
}

TEST_F(Xdata, ReplacingOneApplicationKeepsTheOthersAndTheirOrder)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1070, 1, 1001, "STIFF_STEXT_HDNAME", 1000, "2A", 0)), Zcad::eOk);
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1070, 1, 1070, 2, 1070, 3, 0)), Zcad::eOk);
    EXPECT_EQ(summary(), (std::vector<std::string>{"STIFF+++", "STIFF_STEXT_HDNAME+"}));
}

TEST_F(Xdata, LookupIgnoresCaseAndGivesTheRegisteredSpelling)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1000, "x", 0)), Zcad::eOk);
    ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
    resbuf* x = e->xData("stiff");
    ASSERT_NE(x, nullptr);
    EXPECT_STREQ(x->resval.rstring, "STIFF");
    zcutRelRb(x);
    EXPECT_TRUE(e->hasXData("Stiff"));
    EXPECT_FALSE(e->hasXData("STIFF_STEXT_HDNAME"));
}

TEST_F(Xdata, MalformedChainsAreRefused)
{
    EXPECT_EQ(set(zcutBuildList(1000, "no application first", 0)), Zcad::eBadDxfSequence);
    EXPECT_EQ(set(zcutBuildList(1001, "STIFF", 8, "0", 0)), Zcad::eBadDxfSequence);
    EXPECT_EQ(set(zcutBuildList(1001, "STIFF", 1002, "}", 0)), Zcad::eBadDxfSequence);
    EXPECT_EQ(summary(), std::vector<std::string>{});
}

TEST_F(Xdata, RegisteringAnApplicationTwiceAnswersError)
{
    EXPECT_EQ(zcdbRegApp("TRV_NEWAPP"), RTNORM);
    EXPECT_EQ(zcdbRegApp("TRV_NEWAPP"), RTERROR);
    EXPECT_EQ(zcdbRegApp("trv_newapp"), RTERROR);
    EXPECT_EQ(set(zcutBuildList(1001, "TRV_NEWAPP", 1071, 70000, 0)), Zcad::eOk);
}

TEST_F(Xdata, ACloneCarriesItsOwnCopy)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1000, "keep", 0)), Zcad::eOk);
    ZcDbEntity* copy = nullptr;
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        copy = static_cast<ZcDbEntity*>(e->clone());
    }
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 0)), Zcad::eOk);
    resbuf* x = copy->xData("STIFF");
    ASSERT_NE(x, nullptr);
    EXPECT_STREQ(x->rbnext->resval.rstring, "keep");
    zcutRelRb(x);
    EXPECT_FALSE(copy->isDatabaseResident());
    delete copy;
}

}  // namespace
