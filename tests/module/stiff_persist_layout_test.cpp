// Reading records stored in other layouts: shorter lists, mistyped items, the older
// definition file, and xdata that no layout fits.
#include "stiff_persist_fixture.h"

namespace {

// The type words of the current layout's 27 items.
const std::vector<const char*> kCurrent = {
    "string", "string", "string", "string", "real",    "real",    "real",   "real",   "real",
    "real",   "string", "string", "string", "string",  "string",  "integer", "integer", "real",
    "real",   "string", "real",   "string", "string",  "integer", "integer", "real",  "real"};

// The first 19 items of a record, as the first layout held them.
resbuf* firstNineteen(const char* sides = "L,R")
{
    return zcutBuildList(RTSTR, "STIFF", RTSTR, "LONG_F", RTSTR, "FB-150x12", RTSTR, "F15012",
                         RTREAL, 150.0, RTREAL, 12.0, RTREAL, 0.0, RTREAL, 0.0, RTREAL, 0.0, RTREAL, 0.0,
                         RTSTR, "S", RTSTR, "SN", RTSTR, sides, RTSTR, "r1", RTSTR, "Y,5.0000",
                         RTSHORT, 3, RTSHORT, -4, RTREAL, 0.5, RTREAL, 0.75, 0);
}

class StiffPersistLayout : public StiffPersistTest {
protected:
    // The installation's stiff.ent made of these type words; a line whose record is the
    // list, stored through it.
    ZcDbObjectId storedWith(const std::vector<const char*>& types, resbuf* list)
    {
        std::string text;
        for (size_t i = 0; i < types.size(); ++i) text += std::to_string(i + 1) + " " + types[i] + " f" + std::to_string(i + 1) + "\r\n";
        install.putStd("stiff.ent", text);
        ZcDbObjectId line = addLine(0, 0, 1000, 0);
        plant(line, list, "stiff.ent");
        return line;
    }
    // A record whose fields are all away from what the reads here give.
    static CStiffData filled()
    {
        CStiffData s = sample();
        s.m_strFType = "old";
        return s;
    }
    // What the first 19 items give, the rest of the record at its defaults.
    static std::vector<std::string> firstNineteenRead()
    {
        CStiffData s;
        s.m_strFType = "LONG_F";
        s.m_strName = "FB-150x12";
        s.m_strCode = "F15012";
        s.m_rWebWidth = 150.0;
        s.m_rWebThick = 12.0;
        s.m_strEndTypeE = "SN";
        s.m_strItanige = "L,R";
        s.m_strRes1 = "r1";
        s.m_strRes2 = "Y,5.0000";
        s.m_nRes1 = 3;
        s.m_nRes2 = -4;
        s.m_rRes1 = 0.5;
        s.m_rRes2 = 0.75;
        return stored(s);
    }
};

TEST_F(StiffPersistLayout, AListEndingAfterItem19GivesDefaultsForTheRest)
{
    ZcDbObjectId line = storedWith({kCurrent.begin(), kCurrent.begin() + 19}, firstNineteen());
    CStiffData r = filled();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(stored(r), firstNineteenRead());
    // An empty side string reads as the right side.
    line = storedWith({kCurrent.begin(), kCurrent.begin() + 19}, firstNineteen(""));
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(r.m_strItanige, "R");
}

TEST_F(StiffPersistLayout, AMistypedOptionalItemTakesItsDefaultAndKeepsItsPlace)
{
    std::vector<const char*> types = kCurrent;
    types[20] = "string";
    resbuf* list = firstNineteen();
    resbuf* last = list;
    while (last->rbnext != nullptr) last = last->rbnext;
    last->rbnext = zcutBuildList(RTSTR, "SS400", RTSTR, "18.5", RTSTR, "2A", RTSTR, "FR99", RTSHORT, 11, RTSHORT, -12,
                                 RTREAL, 1.5, RTREAL, 2.5, 0);
    CStiffData r = filled();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(storedWith(types, list), r));
    EXPECT_EQ(r.m_strMaterial, "SS400");
    EXPECT_EQ(r.m_rWeight, 0.0);
    EXPECT_EQ(r.m_strNewRes1, "2A");
    EXPECT_EQ(r.m_rNewRes2, 2.5);
}

TEST_F(StiffPersistLayout, AMistypedRequiredItemFailsTheReadAfterTheItemsBeforeIt)
{
    std::vector<const char*> types = kCurrent;
    types[4] = "string";
    ZcDbObjectId line = storedWith(
        types, zcutBuildList(RTSTR, "STIFF", RTSTR, "LONG_A", RTSTR, "N", RTSTR, "C", RTSTR, "150", RTREAL, 9.0, RTREAL,
                             90.0, RTREAL, 9.0, RTREAL, 0.0, RTREAL, 0.0, RTSTR, "S", RTSTR, "S", RTSTR, "R,R", RTSTR, "",
                             RTSTR, "", RTSHORT, 0, RTSHORT, 0, RTREAL, 0.0, RTREAL, 0.0, RTSTR, "", RTREAL, 0.0, RTSTR,
                             "", RTSTR, "", RTSHORT, 0, RTSHORT, 0, RTREAL, 0.0, RTREAL, 0.0, 0));
    CStiffData r = filled();
    r.m_rWebWidth = r.m_rWebThick = -1.0;
    EXPECT_FALSE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(r.m_strFType, "LONG_A");
    EXPECT_EQ(r.m_rWebWidth, -1.0);
    EXPECT_EQ(r.m_rWebThick, -1.0);
}

TEST_F(StiffPersistLayout, ARecordOfTheFirstLayoutIsReadThroughTheOlderFileAndRewrittenInTheCurrentOne)
{
    // The sample installation as shipped: stiff.ent has 27 items, STIFF.OLD1 the first 19.
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line, firstNineteen(), "STIFF.OLD1");
    CStiffData r = filled();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(stored(r), firstNineteenRead());
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, r));
    std::filesystem::remove(install.at("TREVAN/SYSTEM/STD/STIFF.OLD1"));
    EXPECT_EQ(stored(readBack(line)), stored(r));
}

TEST_F(StiffPersistLayout, XdataNoLayoutFitsStillMarksAStiffenerButChangesNothing)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line, firstNineteen(), "STIFF.OLD1");
    std::filesystem::remove(install.at("TREVAN/SYSTEM/STD/STIFF.OLD1"));
    CStiffData r = sample();
    r.m_ptEnd.set(5, 5, 5);
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(stored(r), stored(sample()));
    EXPECT_EQ(r.m_ptEnd, ZcGePoint3d(5, 5, 5));
    // Another application's xdata alone is no stiffener.
    ZcDbObjectId other = addLine(0, 100, 1000, 100);
    ASSERT_EQ(TrevanComARX_SetXdataStr(other, "STIFF_STEXT_HDNAME", "1A3"), 1);
    EXPECT_FALSE(TrevanComARX_GetStiffdata(other, r));
    EXPECT_EQ(stored(r), stored(sample()));
}

}  // namespace
