// Longitudinal, ring, deck-section and slant-plate records on entities of a drawing on a
// copy of the sample installation: written and read back, through a saved and reopened
// drawing, in the older layout, and the longitudinal record compared and derived from a
// stiffener.
#include <cmath>

#include "QorComStd2002.h"
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

class MemberRecords : public EditorTest {
protected:
    // A two-vertex section polyline: foot, then the web's far end.
    ZcDbObjectId addSection(ZcGePoint2d foot, ZcGePoint2d second)
    {
        auto* pl = new ZcDbPolyline;
        pl->addVertexAt(0, foot);
        pl->addVertexAt(1, second);
        return addToModelSpace(pl);
    }
    void plant(ZcDbObjectId id, const char* app, resbuf* list, const char* entFile)
    {
        const bool written = QorComARX_Setxdata_List(id, app, list, stdFile(entFile).c_str());
        zcutRelRb(list);
        ASSERT_TRUE(written);
    }
    // The drawing saved and read again; the entity of the same handle there.
    ZcDbObjectId reopened(ZcDbDatabase& again, ZcDbObjectId id)
    {
        const std::string file = install.at("saved.dxf").string();
        EXPECT_EQ(db->saveAs(file.c_str()), Zcad::eOk);
        EXPECT_EQ(again.readDwgFile(file.c_str()), Zcad::eOk);
        ZcDbObjectId there;
        EXPECT_EQ(again.getZcDbObjectId(there, false, id.handle()), Zcad::eOk);
        return there;
    }
    static CLongData sampleLong()
    {
        CLongData l;
        l.m_strType = "LONG";
        l.m_strFType = "A";
        l.m_rSize1 = 250.0;
        l.m_rSize2 = 90.0;
        l.m_rSize3 = 10.0;
        l.m_rSize4 = 15.0;
        l.m_rSize5 = 8.0;
        l.m_rSize6 = 8.0;
        l.m_nRes1 = 3;
        l.m_strRes1 = "外板";
        l.m_strRes2 = "S2";
        l.m_strLandingLine = "2F";
        l.m_nRes2 = -12;
        l.m_rRes1 = 1.5;
        l.m_rRes2 = -0.25;
        l.m_rRes3 = 2700.0;
        l.m_rWeight = 41.2;
        l.m_strNewRes1 = "AH32";
        l.m_strNewRes2 = "FR.120";
        l.m_nNewRes1 = 32767;
        l.m_nNewRes2 = -32768;
        l.m_rNewRes1 = 0.5;
        l.m_rNewRes2 = 1.0e5;
        return l;
    }
    SampleInstall install;
};

TEST_F(MemberRecords, ALongitudinalComesBackWholeWithItsPointsFromThePolyline)
{
    ZcDbObjectId id = addSection({1000, 200}, {1000, 450});
    const CLongData l = sampleLong();
    ASSERT_TRUE(l.getData(id, "LONG"));
    CLongData back;
    ASSERT_TRUE(back.setData(id, "LONG"));
    EXPECT_TRUE(back == l);
    EXPECT_EQ(back.m_strRes1, l.m_strRes1);
    EXPECT_EQ(back.m_nNewRes2, -32768);
    EXPECT_EQ(back.m_ptFoot, ZcGePoint3d(1000, 200, 0));
    EXPECT_EQ(back.m_ptSecond, ZcGePoint3d(1000, 450, 0));

    // Through an open entity, and in a drawing saved and opened again.
    CLongData other = sampleLong();
    other.m_strLandingLine = "";
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        ASSERT_TRUE(other.getData(ent.object(), "LONG"));
    }
    ZcDbDatabase again(false, true);
    ZcDbObjectId there = reopened(again, id);
    CLongData saved;
    ASSERT_TRUE(saved.setData(there, "LONG"));
    EXPECT_TRUE(saved == other);
    EXPECT_FALSE(saved == l);
}

TEST_F(MemberRecords, LongitudinalIntegersKeepTheirLowSixteenBits)
{
    ZcDbObjectId id = addSection({0, 0}, {0, 100});
    CLongData l;
    l.m_nRes1 = 70000;
    l.m_nRes2 = -1;
    l.m_nNewRes1 = 65536 + 7;
    l.m_nNewRes2 = 40000;
    ASSERT_TRUE(l.getData(id, "LONG"));
    CLongData back;
    ASSERT_TRUE(back.setData(id, "LONG"));
    EXPECT_EQ(back.m_nRes1, 4464);
    EXPECT_EQ(back.m_nRes2, -1);
    EXPECT_EQ(back.m_nNewRes1, 7);
    EXPECT_EQ(back.m_nNewRes2, 40000 - 65536);
}

TEST_F(MemberRecords, TheFirstLayoutReadsWithAWholeNumberReserveAndKeepsTheLaterFields)
{
    ZcDbObjectId id = addSection({0, 0}, {0, 100});
    plant(id, "LONG",
          zcutBuildList(RTSTR, "LONG", RTSTR, "T", RTREAL, 200.0, RTREAL, 10.0, RTREAL, 90.0, RTREAL, 12.0, RTREAL, 5.0,
                        RTREAL, 5.0, RTSHORT, 1, RTSTR, "", RTSTR, "", RTSTR, "A1", RTSHORT, 2, RTSHORT, 3, RTREAL, 0.0,
                        RTREAL, 0.0, 0),
          "LONG.OLD1");
    CLongData back;
    back.m_rWeight = 9.5;
    back.m_strNewRes1 = "kept";
    ASSERT_TRUE(back.setData(id, "LONG"));
    EXPECT_EQ(back.m_strFType, "T");
    EXPECT_EQ(back.m_rRes1, 3.0);
    EXPECT_EQ(back.m_strLandingLine, "A1");
    EXPECT_EQ(back.m_rWeight, 9.5);
    EXPECT_EQ(back.m_strNewRes1, "kept");
}

TEST_F(MemberRecords, ALongitudinalReadFromALineFailsWithItsAttributesRead)
{
    ZcDbObjectId line = addLine(0, 0, 0, 100);
    ASSERT_TRUE(sampleLong().getData(line, "LONG"));
    CLongData back;
    EXPECT_FALSE(back.setData(line, "LONG"));
    EXPECT_EQ(back.m_rSize1, 250.0);
    // Xdata no layout reads still marks a section, the record untouched.
    ZcDbObjectId odd = addSection({0, 0}, {0, 100});
    ASSERT_EQ(TrevanComARX_SetXdataStr(odd, "LONG", "?"), 1);
    CLongData untouched;
    EXPECT_TRUE(untouched.setData(odd, "LONG"));
    EXPECT_TRUE(untouched == CLongData());
    EXPECT_FALSE(untouched.setData(addSection({0, 0}, {1, 1}), "LONG"));
}

TEST_F(MemberRecords, ARefusedLongitudinalLeavesTheOldRecord)
{
    ZcDbObjectId id = addSection({0, 0}, {0, 100});
    ASSERT_TRUE(sampleLong().getData(id, "LONG"));
    CLongData bad = sampleLong();
    bad.m_rSize2 = std::nan("");
    EXPECT_FALSE(bad.getData(id, "LONG"));
    CLongData back;
    ASSERT_TRUE(back.setData(id, "LONG"));
    EXPECT_TRUE(back == sampleLong());
    install.forgetFolders();
    EXPECT_FALSE(sampleLong().getData(id, "LONG"));
    EXPECT_FALSE(back.setData(id, "LONG"));
}

TEST_F(MemberRecords, LongitudinalsCompareByStoredFieldsAndSections)
{
    CLongData a = sampleLong();
    CLongData b = sampleLong();
    b.m_ptFoot.set(5, 5, 0);
    b.m_strRes1 = a.m_strRes1;
    b.m_strType = "long";
    b.m_rSize3 += 1e-7;
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    b.m_rRes1 += 1e-9;
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a.equal(b));
    b = a;
    b.m_vecNormal.set(0, 0, -1);
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a.equal(b));
    b = a;
    b.m_nNewRes2 = 0;
    EXPECT_FALSE(a == b);
    b = a;
    b.m_strLandingLine = "2f";
    b.m_strNewRes1 = "x";
    EXPECT_FALSE(a == b);
    b.m_strNewRes1 = a.m_strNewRes1;
    EXPECT_TRUE(a == b);
    b.m_rSize6 += 1e-5;
    EXPECT_FALSE(a.equal(b));
    b = a;
    b.m_nRes1 = 4;
    EXPECT_FALSE(a.equal(b));
    b = a;
    b.m_strFType = "a";
    b.m_strRes2 = "other";
    EXPECT_TRUE(a.equal(b));
    CLongData c;
    c = &a;
    EXPECT_TRUE(c == a);
}

TEST_F(MemberRecords, ALongitudinalTakesItsSectionFromAStiffener)
{
    CStiffData s;
    s.m_strFType = "LONG_T";
    s.m_rWebWidth = 200;
    s.m_rWebThick = 10;
    s.m_rFaceWidth = 90;
    s.m_rFaceThck = 12;
    s.m_rCornerR1 = 5;
    s.m_rCornerR2 = 7;
    s.m_rWeight = 22.5;
    CLongData l;
    l.m_strRes1 = "kept";
    l.m_ptFoot.set(1, 2, 0);
    ASSERT_TRUE(l.setData(s, "ignored"));
    EXPECT_EQ(l.m_strType, "LONG");
    EXPECT_EQ(l.m_strFType, "T");
    const double tee[] = {200, 10, 90, 12, 5, 5};
    const double* got[] = {&l.m_rSize1, &l.m_rSize2, &l.m_rSize3, &l.m_rSize4, &l.m_rSize5, &l.m_rSize6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(*got[i], tee[i]) << "size " << i + 1;
    EXPECT_EQ(l.m_rWeight, 22.5);
    EXPECT_EQ(l.m_strRes1, "kept");
    EXPECT_EQ(l.m_ptFoot, ZcGePoint3d(1, 2, 0));

    for (const char* form : {"LONG_A", "LONG_h", "", "LONG_X"}) {
        s.m_strFType = form;
        ASSERT_TRUE(l.setData(s, ""));
        EXPECT_EQ(l.m_rSize2, 90.0) << form;
        EXPECT_EQ(l.m_rSize3, 10.0) << form;
    }
    EXPECT_EQ(l.m_strFType, "X");
    for (const char* form : {"LONG_F", "LONG_L2", "LONG_b"}) {
        s.m_strFType = form;
        ASSERT_TRUE(l.setData(s, ""));
        EXPECT_EQ(l.m_rSize2, 10.0) << form;
    }
}

TEST_F(MemberRecords, ARingComesBackThroughEveryWriterAndASavedDrawing)
{
    ZcDbObjectId id = addLine(0, 0, 100, 0);
    CRingData r;
    r.m_str1 = "R1";
    r.m_str4 = "リング";
    r.m_str8 = "end";
    r.m_r1 = 12.5;
    r.m_r3 = -3.0;
    r.m_r5 = 1e4;
    r.m_n1 = 70000;
    r.m_n2 = -2;
    ASSERT_TRUE(r.setRingdata(id, "RING"));
    CRingData back;
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        ASSERT_TRUE(back.getRingdata(ent.object(), "RING"));
        EXPECT_FALSE(CRingData().getRingdata(ent.object(), "OTHER"));
    }
    EXPECT_EQ(back.m_str4, "リング");
    EXPECT_EQ(back.m_str8, "end");
    EXPECT_EQ(back.m_r5, 1e4);
    EXPECT_EQ(back.m_n1, 4464);
    EXPECT_EQ(back.m_n2, -2);

    r.m_str2 = "open";
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        ASSERT_TRUE(r.setRingdata(ent.object(), "RING"));
    }
    ZcDbDatabase again(false, true);
    CRingData saved;
    ASSERT_TRUE(saved.setData(reopened(again, id)));
    EXPECT_EQ(saved.m_str2, "open");
    EXPECT_EQ(saved.m_r1, 12.5);
    EXPECT_EQ(saved.m_r3, -3.0);

    // Unreadable "RING" xdata: the fixed-name reader says yes, the named one no.
    ZcDbObjectId odd = addLine(0, 0, 1, 0);
    ASSERT_EQ(TrevanComARX_SetXdataStr(odd, "RING", "?"), 1);
    CRingData untouched;
    EXPECT_TRUE(untouched.setData(odd));
    EXPECT_EQ(untouched.m_r1, 0.0);
    ZcDbObjectPointer<ZcDbEntity> ent(odd, ZcDb::kForRead);
    EXPECT_FALSE(untouched.getRingdata(ent.object(), "RING"));
}

TEST_F(MemberRecords, DeckSectionsAndSlantPlatesAreReadFromTheirApplications)
{
    ZcDbObjectId deck = addLine(0, 0, 100, 0);
    plant(deck, "UDECKSECTION",
          zcutBuildList(RTSTR, "UD1", RTSTR, "b", RTSTR, "c", RTREAL, 1.5, RTREAL, 2.5, RTSTR, "d", RTSTR, "e", RTSHORT,
                        -4, RTSHORT, 5, RTREAL, 3.5, RTREAL, 4.5, 0),
          "UDECKSECTION.ent");
    ZcDbObjectId slant = addLine(0, 0, 0, 100);
    plant(slant, "SLANTPLATE",
          zcutBuildList(RTSTR, "SP", RTREAL, 7.0, RTREAL, 8.0, RTSTR, "w", RTSTR, "x", RTSTR, "y", RTSTR, "z", RTSHORT, 9,
                        RTSHORT, -10, RTREAL, 11.0, RTREAL, 12.0, 0),
          "SLANTPLATE.ent");
    ZcDbDatabase again(false, true);
    ZcDbObjectId deckThere = reopened(again, deck);
    ZcDbObjectId slantThere;
    ASSERT_EQ(again.getZcDbObjectId(slantThere, false, slant.handle()), Zcad::eOk);

    CDeckSectionData d;
    ASSERT_TRUE(TrevanComARX_GetDeckSectiondata(deckThere, d));
    EXPECT_EQ(d.m_str1, "UD1");
    EXPECT_EQ(d.m_str5, "e");
    EXPECT_EQ(d.m_r2, 2.5);
    EXPECT_EQ(d.m_n1, -4);
    EXPECT_EQ(d.m_r4, 4.5);
    CDeckSectionData dc;
    dc = &d;
    EXPECT_EQ(dc.m_str3, "c");

    CSlantPlateData s;
    {
        ZcDbObjectPointer<ZcDbEntity> ent(slantThere, ZcDb::kForRead);
        ASSERT_TRUE(TrevanComARX_GetSlantPlatedata(ent.object(), s));
    }
    EXPECT_EQ(s.m_str1, "SP");
    EXPECT_EQ(s.m_r2, 8.0);
    EXPECT_EQ(s.m_str5, "z");
    EXPECT_EQ(s.m_n2, -10);
    EXPECT_EQ(s.m_r3, 11.0);
    CSlantPlateData sc(s);
    EXPECT_EQ(sc.m_str4, "y");

    // A slant plate is no deck section; unreadable deck xdata leaves the record alone.
    CDeckSectionData none;
    EXPECT_FALSE(TrevanComARX_GetDeckSectiondata(slant, none));
    ASSERT_EQ(TrevanComARX_SetXdataStr(slant, "UDECKSECTION", "?"), 1);
    EXPECT_TRUE(TrevanComARX_GetDeckSectiondata(slant, none));
    EXPECT_EQ(none.m_str1, "");
    install.forgetFolders();
    EXPECT_FALSE(TrevanComARX_GetSlantPlatedata(slant, s));
}

}  // namespace
