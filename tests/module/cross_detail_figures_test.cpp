// The figures of an intersection detail in its turned frame: the phantom boundary, the
// reference line with its mark, the through member's section of every form in both
// orientations checked against its sizes, the partners' elevation and the centre lines.
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

using Outline = std::vector<ZcGePoint2d>;

class CrossFigures : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        zrxhost::setSupportFolders({install.at("TREVAN/SYSTEM").string()});
        // The cut-out: two plate lines of the through member and a partner, in a 600 x 400 box.
        addLine(-200, 0, -200, 400);
        addLine(400, 100, -200, 100);
    }
    void TearDown() override
    {
        zrxhost::setSupportFolders({});
        EditorTest::TearDown();
    }
    static CStiffData through(const char* ftype, bool up, const char* escape, const char* flange)
    {
        CStiffData s;
        s.m_ptStart = {100, up ? -300.0 : 700.0, 0};
        s.m_ptEnd = {100, up ? 700.0 : -300.0, 0};
        s.m_strFType = ftype;
        s.m_rWebWidth = 250;
        s.m_rWebThick = 12;
        s.m_rFaceWidth = 90;
        s.m_rFaceThck = 16;
        s.setStiffItanigeAxis(escape);
        s.setStifffFlangeAxis(flange);
        return s;
    }
    // Draws the boundary (once) and the section; the outlines drawn.
    std::vector<Outline> draw(const CStiffData& s)
    {
        ZcGePoint3d maxPt, minPt;
        if (boundary.isNull()) {
            EXPECT_TRUE(TrevanCom_CrossDrawBoundary(boundary, maxPt, minPt));
        }
        EXPECT_TRUE(TrevanCom_CrossDrawSection(s, boundary, refLine, refPt, basePt, figures));
        std::vector<Outline> out;
        for (ZcDbObjectId id : figures) {
            ZcDbObjectPointer<ZcDbPolyline> p(id, ZcDb::kForRead);
            EXPECT_TRUE(p->isClosed());
            Outline o;
            for (unsigned i = 0; i < p->numVerts(); ++i) {
                ZcGePoint2d v;
                p->getPointAt(i, v);
                double bulge = 1;
                p->getBulgeAt(i, bulge);
                EXPECT_EQ(bulge, 0);
                o.push_back(v);
            }
            out.push_back(o);
        }
        return out;
    }
    SampleInstall install;
    ZcDbObjectId boundary, refLine;
    ZcGePoint3d refPt, basePt;
    ZcDbObjectIdArray figures;
};

void expectOutline(const Outline& got, const Outline& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << "vertex " << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << "vertex " << i;
    }
}

TEST_F(CrossFigures, TheBoundaryIsAPhantomRectangleRoundTheCutOut)
{
    ZcGePoint3d maxPt, minPt;
    ASSERT_TRUE(TrevanCom_CrossDrawBoundary(boundary, maxPt, minPt));
    EXPECT_EQ(minPt, ZcGePoint3d(-200, 0, 0));
    EXPECT_EQ(maxPt, ZcGePoint3d(400, 400, 0));
    ZcDbObjectPointer<ZcDbPolyline> rect(boundary, ZcDb::kForRead);
    EXPECT_EQ(rect->numVerts(), 4u);
    EXPECT_EQ(rect->colorIndex(), 6);
    char* lt = rect->linetype();
    EXPECT_STREQ(lt, "PHANTOM2");
    zcutDelString(lt);
    EXPECT_TRUE(TrevanCom_SearchLinetype("CENTER", db.get()));
}

TEST_F(CrossFigures, ALineTypeThatCannotBeLoadedStopsTheBoundary)
{
    zrxhost::setSupportFolders({});
    std::filesystem::remove_all(install.at("Program Files"));
    transcript();
    ZcGePoint3d maxPt, minPt;
    EXPECT_FALSE(TrevanCom_CrossDrawBoundary(boundary, maxPt, minPt));
    EXPECT_NE(transcript().find("線種のロードができませんでした。"), std::string::npos);
}

TEST_F(CrossFigures, TheReferenceLineIsMarkedAndLeavesTheBoundaryAtItsLowerCrossing)
{
    draw(through("LONG_F", true, "R", "R"));
    EXPECT_EQ(refPt, ZcGePoint3d(100, 0, 0));
    CString mark;
    EXPECT_EQ(TrevanComARX_GetXdataStr(refLine, "PlanRecord_Stline", mark), 1);
    EXPECT_EQ(mark, "DMY");
}

TEST_F(CrossFigures, AReferenceLineOutsideTheBoundaryFailsTheSection)
{
    ZcGePoint3d maxPt, minPt;
    ASSERT_TRUE(TrevanCom_CrossDrawBoundary(boundary, maxPt, minPt));
    CStiffData s = through("LONG_F", true, "R", "R");
    s.m_ptStart.x = s.m_ptEnd.x = 900;
    EXPECT_FALSE(TrevanCom_CrossDrawSection(s, boundary, refLine, refPt, basePt, figures));
    EXPECT_EQ(figures.length(), 0);
}

TEST_F(CrossFigures, AFlatBarStandsOnItsPlateEscapeSide)
{
    // Up with "R": from R.x to R.x + t; down with "R": from R.x - t to R.x; 500 below R.
    expectOutline(draw(through("LONG_F", true, "R", "R"))[0], {{112, -500}, {100, -500}, {100, -750}, {112, -750}});
    figures.setLogicalLength(0);
    expectOutline(draw(through("LONG_F", false, "R", "R"))[0], {{100, -500}, {88, -500}, {88, -750}, {100, -750}});
}

TEST_F(CrossFigures, AnAngleWithItsFlangeDrawnRightIsTheMirrorImageOfOneDrawnLeft)
{
    // Up, flange "R" (drawn left), plate escape "L": the web's outer face at R.x - t.
    auto left = draw(through("LONG_A", true, "L", "R"));
    ASSERT_EQ(left.size(), 1u);
    expectOutline(left[0], {{88, -500}, {-2, -500}, {-2, -516}, {76, -516}, {76, -750}, {88, -750}});
    figures.setLogicalLength(0);
    // Up, flange "L" (drawn right), plate escape "R": P.x = R.x + t, mirrored about it.
    auto right = draw(through("LONG_A", true, "R", "L"));
    ASSERT_EQ(right.size(), 1u);
    expectOutline(right[0], {{112, -500}, {112, -750}, {124, -750}, {124, -516}, {202, -516}, {202, -500}});
}

TEST_F(CrossFigures, ABulbIsAFourCornerOutlineOfWebAndBulb)
{
    auto o = draw(through("LONG_B", false, "L", "L"));
    // Down with flange "L" is drawn left; plate escape "L" makes neither shift apply: P.x = R.x.
    expectOutline(o[0], {{100, -500}, {-2, -500}, {88, -750}, {100, -750}});
}

TEST_F(CrossFigures, AnISectionIsCentredOnTheReferenceLineWithBothFlanges)
{
    auto o = draw(through("LONG_I", true, "R", "R"));
    // B 90, t 12, f 16, W 250: flanges 90 wide and 16 thick, a web 12 thick between them.
    expectOutline(o[0], {{145, -500}, {55, -500}, {55, -516}, {94, -516}, {94, -734}, {55, -734}, {55, -750},
                         {145, -750}, {145, -734}, {106, -734}, {106, -516}, {145, -516}});
}

TEST_F(CrossFigures, ATeeIsItsWebAndAFaceCentredOnIt)
{
    auto o = draw(through("LONG_T", true, "R", "R"));
    ASSERT_EQ(o.size(), 2u);
    expectOutline(o[0], {{112, -500}, {100, -500}, {100, -750}, {112, -750}});
    // c = (B - t) / 2 = 39: the face runs from x + c - B to x + c, f deep.
    expectOutline(o[1], {{151, -516}, {151, -500}, {61, -500}, {61, -516}});
}

TEST_F(CrossFigures, ASectionTypeWithoutAFigureDrawsNoneAndSucceeds)
{
    EXPECT_TRUE(draw(through("LONG_Z", true, "R", "R")).empty());
    EXPECT_FALSE(refLine.isNull());
}

TEST_F(CrossFigures, TheSideListGivesTheFlangeSideAsDrawn)
{
    CStringArray sides;
    TrevanCom_CrossSideList(through("LONG_A", true, "L", "R"), sides);
    ASSERT_EQ(sides.GetSize(), 3);
    EXPECT_EQ(sides[0], "R");
    EXPECT_EQ(sides[1], "L");
    EXPECT_EQ(sides[2], "L");
    TrevanCom_CrossSideList(through("LONG_A", false, "L", "R"), sides);
    EXPECT_EQ(sides[2], "R");
    TrevanCom_CrossSideList(through("LONG_A", true, "L", "L"), sides);
    EXPECT_EQ(sides[2], "R");
    CStiffData level = through("LONG_A", true, "L", "L");
    level.m_ptEnd.y = level.m_ptStart.y;
    TrevanCom_CrossSideList(level, sides);
    EXPECT_EQ(sides.GetSize(), 2);
}

TEST_F(CrossFigures, PartnersAreSeenBesideTheSectionAndTheCentreLinesRunPastEverything)
{
    CStiffData t = through("LONG_F", true, "R", "R");
    draw(t);
    // A bulb partner on the left of the member (its far end at x -200), a flat bar crossing it.
    CStiffData bulb, flat;
    bulb.m_strFType = "LONG_B";
    bulb.m_rWebWidth = 200;
    bulb.m_rFaceThck = 20;
    bulb.m_ptStart = {-200, 100, 0};
    bulb.m_ptEnd = {100, 100, 0};
    flat = bulb;
    flat.m_strFType = "LONG_F";
    flat.m_ptStart = {-200, 300, 0};
    flat.m_ptEnd = {400, 300, 0};
    ZcArray<CStiffData> records;
    records.append(t);
    records.append(bulb);
    records.append(flat);
    ZcGePoint3dArray points;
    for (const CStiffData& p : {bulb, flat}) {
        points.append(p.m_ptStart);
        points.append(p.m_ptEnd);
    }
    ZcDbObjectIdArray lines, centres;
    ASSERT_TRUE(TrevanCom_CrossDrawPartnerLines(records, points, basePt, boundary, figures, lines, centres));
    struct L {
        double x0, x1, y;
    };
    std::vector<L> got;
    for (ZcDbObjectId id : lines) {
        ZcDbObjectPointer<ZcDbLine> l(id, ZcDb::kForRead);
        EXPECT_EQ(l->startPoint().y, l->endPoint().y);
        got.push_back({l->startPoint().x, l->endPoint().x, l->startPoint().y});
    }
    // Bulb, left only: top, bottom and face line; flat bar, both sides: top and bottom.
    ASSERT_EQ(got.size(), 3u + 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(got[i].x0, 100);
        EXPECT_EQ(got[i].x1, -200);
    }
    EXPECT_EQ(got[0].y, -500);
    EXPECT_EQ(got[1].y, -700);
    EXPECT_EQ(got[2].y, -680);
    EXPECT_EQ(got[3].x0, 112);
    EXPECT_EQ(got[3].x1, 400);
    EXPECT_EQ(got[5].x0, 100);
    EXPECT_EQ(got[5].x1, -200);
    ASSERT_EQ(centres.length(), 2);

    ASSERT_TRUE(TrevanCom_CrossDrawCentreLines(figures, centres, boundary, refLine));
    // Everything lies between y -750 (the section's foot) and 400, x -200 and 400.
    ZcDbObjectPointer<ZcDbLine> ref(refLine, ZcDb::kForRead);
    EXPECT_EQ(ref->startPoint(), ZcGePoint3d(100, -900, 0));
    EXPECT_EQ(ref->endPoint(), ZcGePoint3d(100, 550, 0));
    EXPECT_EQ(ref->colorIndex(), 3);
    char* lt = ref->linetype();
    EXPECT_STREQ(lt, "CENTER");
    zcutDelString(lt);
    ZcDbObjectPointer<ZcDbLine> c(centres[0], ZcDb::kForRead);
    EXPECT_NEAR(c->startPoint().x, -350, 1e-9);
    EXPECT_NEAR(c->endPoint().x, 550, 1e-9);
    EXPECT_EQ(c->colorIndex(), 3);
}

}  // namespace
