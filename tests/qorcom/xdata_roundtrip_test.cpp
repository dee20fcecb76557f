// Lists written through a definition file read back unchanged, by either write form.
#include "qorcom_fixture.h"
#include "stiff_list.h"

namespace {

class XdataRoundTrip : public QorComTest {
protected:
    void SetUp() override
    {
        QorComTest::SetUp();
        regApp("STIFF");
        line = newLine();
    }
    ZcDbObjectId line;
};

TEST_F(XdataRoundTrip, AllStiffenerItemsComeBackByObjectId)
{
    Chain list(currentStiffList());
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", list.rb, stdFile("stiff.ent").c_str()));
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), items(list.rb));
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")).size(), 27u);
    EXPECT_EQ(transcript, "");
}

TEST_F(XdataRoundTrip, AllStiffenerItemsComeBackThroughAnOpenEntity)
{
    Chain list(currentStiffList());
    {
        // A read open is upgraded, as the module hands over entities it only read so far.
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        ASSERT_TRUE(QorComARX_Setxdata_List_NewVer(e.object(), "STIFF", list.rb, stdFile("stiff.ent").c_str()));
    }
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), items(list.rb));
}

TEST_F(XdataRoundTrip, StoredAsPlainGroupsOfStringRealAndInteger)
{
    Chain list(zcutBuildList(RTSTR, "RING", RTSTR, "R1", RTSTR, "", RTSTR, "リング", RTREAL, 1.5, RTREAL, 2.0,
                             RTREAL, 3.0, RTSTR, "a", RTSTR, "b", RTSTR, "c", RTSTR, "d", RTSHORT, 7, RTSHORT, -7,
                             RTREAL, 4.0, RTREAL, 5.0, 0));
    regApp("RING");
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "RING", list.rb, stdFile("ring.ent").c_str()));
    std::vector<std::string> xd = stored(line, "RING");
    ASSERT_EQ(xd.size(), 16u);
    EXPECT_EQ(xd[0], "1001:RING");
    EXPECT_EQ(xd[4], "1000:リング");
    EXPECT_EQ(xd[5], "1040:1.500000");
    EXPECT_EQ(xd[13], "1070:-7");
}

TEST_F(XdataRoundTrip, AWriteReplacesTheOldValuesAndKeepsOtherApplications)
{
    regApp("OTHER");
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        Chain other(zcutBuildList(1001, "OTHER", 1000, "kept", 0));
        e->setXData(other.rb);
    }
    Chain first(currentStiffList("初回"));
    Chain second(currentStiffList("二回目", -300));
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", first.rb, stdFile("stiff.ent").c_str()));
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", second.rb, stdFile("stiff.ent").c_str()));
    std::vector<std::string> back = read(line, "STIFF", stdFile("stiff.ent"));
    EXPECT_EQ(back, items(second.rb));
    EXPECT_EQ(back[2], "5005:二回目");
    EXPECT_EQ(back[15], "5003:-300");
    EXPECT_EQ(stored(line, "OTHER"), (std::vector<std::string>{"1001:OTHER", "1000:kept"}));
}

TEST_F(XdataRoundTrip, AnUnregisteredApplicationIsRegisteredWhereTheEntityLives)
{
    Chain list(currentStiffList());
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF_COPY", list.rb, stdFile("stiff.ent").c_str()));
    EXPECT_EQ(zcdbRegApp("STIFF_COPY"), RTERROR);  // already there
    EXPECT_EQ(read(line, "STIFF_COPY", stdFile("stiff.ent")), items(list.rb));
}

TEST_F(XdataRoundTrip, TheOldLongitudinalLayoutTakesItsReserveAsIntegerOrReal)
{
    regApp("LONG");
    auto longList = [](resbuf* res1) {
        resbuf* head = zcutBuildList(RTSTR, "LONG", RTSTR, "T", RTREAL, 200.0, RTREAL, 10.0, RTREAL, 90.0, RTREAL, 12.0,
                                     RTREAL, 5.0, RTREAL, 5.0, RTSHORT, 1, RTSTR, "", RTSTR, "", RTSTR, "2AF",
                                     RTSHORT, 0, 0);
        resbuf* tail = head;
        while (tail->rbnext != nullptr) tail = tail->rbnext;
        tail->rbnext = res1;
        res1->rbnext = zcutBuildList(RTREAL, 0.0, RTREAL, 0.0, 0);
        return head;
    };
    Chain asInteger(longList(zcutBuildList(RTSHORT, 3, 0)));
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "LONG", asInteger.rb, stdFile("LONG.OLD1").c_str()));
    std::vector<std::string> back = read(line, "LONG", stdFile("long.old1"));
    ASSERT_EQ(back.size(), 16u);
    EXPECT_EQ(back[13], "5003:3");
    // Sixteen items never fit the current layout, whichever type item 14 has.
    EXPECT_EQ(read(line, "LONG", stdFile("LONG.ENT")), (std::vector<std::string>{"null"}));

    Chain asReal(longList(zcutBuildList(RTREAL, 3.5, 0)));
    ASSERT_TRUE(QorComARX_Setxdata_List(line, "LONG", asReal.rb, stdFile("LONG.OLD1").c_str()));
    EXPECT_EQ(read(line, "LONG", stdFile("LONG.OLD1"))[13], "5001:3.500000");
}

}  // namespace
