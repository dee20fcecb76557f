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
    x = e->xData("Stiff");
    EXPECT_NE(x, nullptr);
    zcutRelRb(x);
    EXPECT_EQ(e->xData("STIFF_STEXT_HDNAME"), nullptr);
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

TEST_F(Xdata, EveryKindOfGroupComesBackAsItWasSet)
{
    const char bytes[] = {'\x00', '\x7F', '\xFF', '\x00'};
    ads_binary binary{4, const_cast<char*>(bytes)};
    ads_point p = {1.5, -2.25, 1e300};
    resbuf* chain = zcutBuildList(1001, "STIFF", 1000, "", 1000, "\xE5\xA4\x96\xE6\x9D\xBF L-100x75x7", 1004, &binary,
                                  1010, p, 1040, -0.1, 1070, -32768, 1071, -2147483647 - 1, 1005, "1A3", 0);
    // A string group whose value is a null pointer stays one.
    resbuf* nullText = zcutNewRb(1000);
    nullText->rbnext = chain->rbnext;
    chain->rbnext = nullText;
    ASSERT_EQ(set(chain), Zcad::eOk);

    ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
    resbuf* x = e->xData("STIFF");
    std::vector<const resbuf*> g;
    for (const resbuf* rb = x; rb != nullptr; rb = rb->rbnext) g.push_back(rb);
    ASSERT_EQ(g.size(), 10u);
    EXPECT_EQ(g[1]->restype, 1000);
    EXPECT_EQ(g[1]->resval.rstring, nullptr);
    EXPECT_STREQ(g[2]->resval.rstring, "");
    EXPECT_STREQ(g[3]->resval.rstring, "\xE5\xA4\x96\xE6\x9D\xBF L-100x75x7");
    ASSERT_EQ(g[4]->resval.rbinary.clen, 4);
    EXPECT_EQ(std::string(g[4]->resval.rbinary.buf, 4), std::string(bytes, 4));
    EXPECT_EQ(g[5]->resval.rpoint[0], 1.5);
    EXPECT_EQ(g[5]->resval.rpoint[1], -2.25);
    EXPECT_EQ(g[5]->resval.rpoint[2], 1e300);
    EXPECT_EQ(g[6]->resval.rreal, -0.1);
    EXPECT_EQ(g[7]->resval.rint, -32768);
    EXPECT_EQ(g[8]->resval.rlong, -2147483647 - 1);
    EXPECT_EQ(g[9]->restype, 1005);
    EXPECT_STREQ(g[9]->resval.rstring, "1A3");
    zcutRelRb(x);
}

TEST_F(Xdata, AnApplicationNamedTwiceInOneChainKeepsItsLastGroupsInItsFirstPlace)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1070, 1, 1001, "STIFF_STEXT_HDNAME", 1000, "2A", 1001, "stiff", 1070, 2,
                                1070, 3, 0)),
              Zcad::eOk);
    EXPECT_EQ(summary(), (std::vector<std::string>{"STIFF++", "STIFF_STEXT_HDNAME+"}));
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF_STEXT_HDNAME", 1000, "2B", 1001, "STIFF_STEXT_HDNAME", 0)), Zcad::eOk);
    EXPECT_EQ(summary(), (std::vector<std::string>{"STIFF++"}));
}

TEST_F(Xdata, RemovingTheLastApplicationLeavesNoXdata)
{
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 1070, 1, 0)), Zcad::eOk);
    ASSERT_EQ(set(zcutBuildList(1001, "STIFF", 0)), Zcad::eOk);
    ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
    EXPECT_EQ(e->xData(), nullptr);
    EXPECT_EQ(e->xData("STIFF"), nullptr);
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
