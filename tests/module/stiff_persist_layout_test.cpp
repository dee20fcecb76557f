// Reading records stored in other layouts: shorter lists, mistyped items, the older
// definition file, and xdata that no layout fits.
#include <sstream>

#include "stiff_persist_fixture.h"

namespace {

using StiffPersistLayout = StiffPersistTest;

// The first 19 items of a record, as the first layout held them.
resbuf* firstNineteen(const char* itanige = "L,R")
{
    return zcutBuildList(RTSTR, "STIFF", RTSTR, "LONG_F", RTSTR, "FB-150x12", RTSTR, "F15012",
                         RTREAL, 150.0, RTREAL, 12.0, RTREAL, 0.0, RTREAL, 0.0, RTREAL, 0.0, RTREAL, 0.0,
                         RTSTR, "S", RTSTR, "SN", RTSTR, itanige, RTSTR, "r1", RTSTR, "Y,5.0000",
                         RTSHORT, 3, RTSHORT, -4, RTREAL, 0.5, RTREAL, 0.75, 0);
}

// Appends a chain to the end of another.
resbuf* append(resbuf* head, resbuf* tail)
{
    resbuf* last = head;
    while (last->rbnext != nullptr) last = last->rbnext;
    last->rbnext = tail;
    return head;
}

// A definition file with the given type words, one per position.
std::string definition(const std::vector<const char*>& types)
{
    std::ostringstream out;
    for (size_t i = 0; i < types.size(); ++i) out << (i + 1) << " " << types[i] << " f" << (i + 1) << "\r\n";
    return out.str();
}

const std::vector<const char*> kCurrent = {
    "string", "string", "string", "string", "real",    "real",    "real",   "real",   "real",
    "real",   "string", "string", "string", "string",  "string",  "integer", "integer", "real",
    "real",   "string", "real",   "string", "string",  "integer", "integer", "real",  "real"};

// A record whose second-generation fields are all away from their defaults.
CStiffData filledBefore()
{
    CStiffData s;
    s.m_strMaterial = "old";
    s.m_rWeight = 9.0;
    s.m_strNewRes1 = "old1";
    s.m_strNewRes2 = "old2";
    s.m_nNewRes1 = 5;
    s.m_nNewRes2 = 6;
    s.m_rNewRes1 = 7.0;
    s.m_rNewRes2 = 8.0;
    return s;
}

void expectFirstNineteen(const CStiffData& r)
{
    EXPECT_EQ(r.m_strFType, "LONG_F");
    EXPECT_EQ(r.m_strName, "FB-150x12");
    EXPECT_EQ(r.m_rWebThick, 12.0);
    EXPECT_EQ(r.m_strEndTypeE, "SN");
    EXPECT_EQ(r.m_strItanige, "L,R");
    EXPECT_EQ(r.m_strRes2, "Y,5.0000");
    EXPECT_EQ(r.m_nRes2, -4);
    EXPECT_EQ(r.m_rRes2, 0.75);
}

TEST_F(StiffPersistLayout, AListEndingAfterItem19GivesDefaultsForTheRest)
{
    // An installation whose current layout still stops at item 19.
    putStd("stiff.ent", definition(std::vector<const char*>(kCurrent.begin(), kCurrent.begin() + 19)));
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line, firstNineteen(), "stiff.ent");
    CStiffData r = filledBefore();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    expectFirstNineteen(r);
    EXPECT_EQ(r.m_strMaterial, "");
    EXPECT_EQ(r.m_rWeight, 0.0);
    EXPECT_EQ(r.m_strNewRes1, "");
    EXPECT_EQ(r.m_strNewRes2, "");
    EXPECT_EQ(r.m_nNewRes1, 0);
    EXPECT_EQ(r.m_nNewRes2, 0);
    EXPECT_EQ(r.m_rNewRes1, 0.0);
    EXPECT_EQ(r.m_rNewRes2, 0.0);
}

TEST_F(StiffPersistLayout, AMistypedOptionalItemTakesItsDefaultAndKeepsItsPlace)
{
    std::vector<const char*> types = kCurrent;
    types[20] = "string";
    putStd("stiff.ent", definition(types));
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line,
          append(firstNineteen(), zcutBuildList(RTSTR, "SS400", RTSTR, "18.5", RTSTR, "2A", RTSTR, "FR99",
                                                RTSHORT, 11, RTSHORT, -12, RTREAL, 1.5, RTREAL, 2.5, 0)),
          "stiff.ent");
    CStiffData r = filledBefore();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(r.m_strMaterial, "SS400");
    EXPECT_EQ(r.m_rWeight, 0.0);
    EXPECT_EQ(r.m_strNewRes1, "2A");
    EXPECT_EQ(r.m_strNewRes2, "FR99");
    EXPECT_EQ(r.m_nNewRes1, 11);
    EXPECT_EQ(r.m_nNewRes2, -12);
    EXPECT_EQ(r.m_rNewRes1, 1.5);
    EXPECT_EQ(r.m_rNewRes2, 2.5);
}

TEST_F(StiffPersistLayout, AMistypedRequiredItemFailsTheRead)
{
    std::vector<const char*> types = kCurrent;
    types[4] = "string";
    putStd("stiff.ent", definition(types));
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line,
          zcutBuildList(RTSTR, "STIFF", RTSTR, "LONG_A", RTSTR, "N", RTSTR, "C", RTSTR, "150", RTREAL, 9.0,
                        RTREAL, 90.0, RTREAL, 9.0, RTREAL, 0.0, RTREAL, 0.0, RTSTR, "S", RTSTR, "S", RTSTR, "R,R",
                        RTSTR, "", RTSTR, "", RTSHORT, 0, RTSHORT, 0, RTREAL, 0.0, RTREAL, 0.0, RTSTR, "",
                        RTREAL, 0.0, RTSTR, "", RTSTR, "", RTSHORT, 0, RTSHORT, 0, RTREAL, 0.0, RTREAL, 0.0, 0),
          "stiff.ent");
    CStiffData r;
    r.m_rWebWidth = -1.0;
    r.m_rWebThick = -1.0;
    EXPECT_FALSE(TrevanComARX_GetStiffdata(line, r));
    // The fields before the bad one were taken; the ones after it were not.
    EXPECT_EQ(r.m_strFType, "LONG_A");
    EXPECT_EQ(r.m_rWebWidth, -1.0);
    EXPECT_EQ(r.m_rWebThick, -1.0);
}

TEST_F(StiffPersistLayout, AnEmptySideReadsAsTheRightSide)
{
    putStd("stiff.ent", definition(std::vector<const char*>(kCurrent.begin(), kCurrent.begin() + 19)));
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line, firstNineteen(""), "stiff.ent");
    CStiffData r;
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(r.m_strItanige, "R");
}

TEST_F(StiffPersistLayout, ARecordOfTheFirstLayoutIsReadThroughTheOlderFile)
{
    // The sample installation as shipped: stiff.ent has 27 items, STIFF.OLD1 the first 19.
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line, firstNineteen(), "STIFF.OLD1");
    CStiffData r = filledBefore();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    expectFirstNineteen(r);
    EXPECT_EQ(r.m_strMaterial, "");
    EXPECT_EQ(r.m_rNewRes2, 0.0);
    EXPECT_EQ(r.m_ptEnd, ZcGePoint3d(1000, 0, 0));

    // Rewritten, it takes the current layout.
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, r));
    std::filesystem::remove(root / "TREVAN/SYSTEM/STD/STIFF.OLD1");
    expectSameStored(readBack(line), r);
}

TEST_F(StiffPersistLayout, XdataNoLayoutFitsStillMarksAStiffenerButChangesNothing)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    plant(line, firstNineteen(), "STIFF.OLD1");
    std::filesystem::remove(root / "TREVAN/SYSTEM/STD/STIFF.OLD1");
    CStiffData r = sample();
    r.m_ptEnd.set(5, 5, 5);
    ASSERT_TRUE(TrevanComARX_GetStiffdata(line, r));
    expectSameStored(r, sample());
    EXPECT_EQ(r.m_ptEnd, ZcGePoint3d(5, 5, 5));
}

TEST_F(StiffPersistLayout, AnEntityWithoutARecordIsNoStiffener)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF_STEXT_HDNAME", "1A3"), 1);
    CStiffData r;
    r.m_strName = "kept";
    EXPECT_FALSE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(r.m_strName, "kept");
}

}  // namespace
