// A read answers only when the stored values fit the definition, so callers fall back to
// the older layout; the shipped definitions describe each record's list exactly.
#include "qorcom_fixture.h"
#include "stiff_list.h"

namespace {

const std::vector<std::string> kNull{"null"};

class XdataLayout : public QorComTest {
protected:
    void SetUp() override
    {
        QorComTest::SetUp();
        regApp("STIFF");
        line = newLine();
    }
    // A list of the kinds given by letters: s string, r real, i integer.
    static resbuf* listOf(const std::string& kinds)
    {
        resbuf* head = nullptr;
        resbuf** tail = &head;
        int n = 0;
        for (char k : kinds) {
            ++n;
            std::string text = "値" + std::to_string(n);
            *tail = k == 's' ? zcutBuildList(RTSTR, text.c_str(), 0)
                  : k == 'r' ? zcutBuildList(RTREAL, n + 0.25, 0)
                             : zcutBuildList(RTSHORT, -n, 0);
            tail = &(*tail)->rbnext;
        }
        return head;
    }
    ZcDbObjectId line;
};

TEST_F(XdataLayout, TheFirstStiffenerLayoutDoesNotReadTheCurrentOne)
{
    Chain list(currentStiffList());
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", list.rb, stdFile("stiff.ent").c_str()));
    EXPECT_EQ(read(line, "STIFF", stdFile("STIFF.OLD1")), kNull);
}

TEST_F(XdataLayout, AnOldStiffenerFallsBackToTheFirstLayout)
{
    Chain old(firstStiffList());
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", old.rb, stdFile("STIFF.OLD1").c_str()));
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), kNull);
    std::vector<std::string> back = read(line, "STIFF", stdFile("STIFF.OLD1"));
    EXPECT_EQ(back, items(old.rb));
    EXPECT_EQ(back.size(), 19u);
}

TEST_F(XdataLayout, AnEntityWithoutTheApplicationReadsNull)
{
    regApp("OTHER");
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        Chain other(zcutBuildList(1001, "OTHER", 1000, "x", 0));
        e->setXData(other.rb);
    }
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), kNull);
    EXPECT_EQ(read(newLine(), "STIFF", stdFile("stiff.ent")), kNull);
}

TEST_F(XdataLayout, AnotherTypeAtOnePositionReadsNull)
{
    // Item 5 (web width) stored as a string: the right count, the wrong type.
    Chain written(currentStiffList());
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", written.rb, stdFile("stiff.ent").c_str()));
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        resbuf* xd = e->xData("STIFF");
        resbuf* fifth = xd;
        for (int i = 0; i < 5; ++i) fifth = fifth->rbnext;
        ASSERT_EQ(fifth->restype, 1040);
        fifth->restype = 1000;
        fifth->resval.rstring = nullptr;
        zcutNewString("150", fifth->resval.rstring);
        ASSERT_EQ(e->setXData(xd), Zcad::eOk);
        zcutRelRb(xd);
    }
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), kNull);
}

TEST_F(XdataLayout, EveryShippedDefinitionHoldsItsRecordsList)
{
    const std::pair<const char*, const char*> records[] = {
        {"stiff.ent", "ssssrrrrrrsssssiirrsrssiirr"},
        {"STIFF.OLD1", "ssssrrrrrrsssssiirr"},
        {"LONG.ENT", "ssrrrrrrisssirrrrssiirr"},
        {"LONG.OLD1", "ssrrrrrrisssiirr"},
        {"ring.ent", "ssssrrrssssiirr"},
        {"UDECKSECTION.ent", "sssrrssiirr"},
        {"SLANTPLATE.ent", "srrssssiirr"},
    };
    for (const auto& [file, kinds] : records) {
        SCOPED_TRACE(file);
        Chain list(listOf(kinds));
        ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", list.rb, stdFile(file).c_str()));
        EXPECT_EQ(read(line, "STIFF", stdFile(file)), items(list.rb));
        // One item short is another layout.
        Chain shorter(listOf(std::string(kinds).substr(1)));
        EXPECT_FALSE(QorComARX_Setxdata_List(line, "STIFF", shorter.rb, stdFile(file).c_str()));
    }
}

}  // namespace
