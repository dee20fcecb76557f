// Picks and selection sets: what a pick finds, regions, filters, and the set functions.
#include "support/editor_fixture.h"
#include "zrxhost/display_state.h"

namespace {

class EdSelection : public EditorTest {
protected:
    std::vector<ZcDbObjectId> members(const ads_name ss)
    {
        std::vector<ZcDbObjectId> ids;
        int32_t n = 0;
        zcedSSLength(ss, &n);
        for (int32_t i = 0; i < n; ++i) {
            ads_name e;
            zcedSSName(ss, i, e);
            ids.push_back(idOf(e));
        }
        return ids;
    }

    void tag(ZcDbObjectId id, const char* app)
    {
        zcdbRegApp(app);
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        resbuf* xd = zcutBuildList(1001, app, 1000, "x", 0);
        e->setXData(xd);
        zcutRelRb(xd);
    }

    void putOnLayer(ZcDbObjectId id, const char* layer, bool off = false)
    {
        ZcDbLayerTable* table = nullptr;
        db->getLayerTable(table, ZcDb::kForWrite);
        if (!table->has(layer)) {
            auto* r = new ZcDbLayerTableRecord;
            r->setName(layer);
            r->setIsOff(off);
            table->add(r);
            r->close();
        }
        table->close();
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        e->setLayer(layer);
    }
};

TEST_F(EdSelection, APickMissesWithErrno7AndEnterGivesErrno52)
{
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ads_name e;
    ads_point at;
    resbuf rb;
    answer({"50,20", "50,0.5", ""});
    EXPECT_EQ(zcedEntSel("\nSelect: ", e, at), RTERROR);
    zcedGetVar("ERRNO", &rb);
    EXPECT_EQ(rb.resval.rint, OL_ENTSELPICK);
    ASSERT_EQ(zcedEntSel("\nSelect: ", e, at), RTNORM);
    EXPECT_EQ(idOf(e), line);
    EXPECT_DOUBLE_EQ(at[Y], 0.5);
    EXPECT_EQ(zcedEntSel("\nSelect: ", e, at), RTERROR);
    zcedGetVar("ERRNO", &rb);
    EXPECT_EQ(rb.resval.rint, OL_ENTSELNULL);
}

TEST_F(EdSelection, ThePickBoxGrowsWithTheView)
{
    addLine(0, 0, 100, 0);
    ads_name e;
    ads_point at;
    // 3 pixels of a 297-unit-high view on 900 pixels: about one unit.
    answer({"50,1.5"});
    EXPECT_EQ(zcedEntSel(nullptr, e, at), RTERROR);
    ZcGsView* view = zcgsGetGsView(2, true);
    ASSERT_NE(view, nullptr);
    view->setView(ZcGePoint3d(50, 0, 1), ZcGePoint3d(50, 0, 0), ZcGeVector3d::kYAxis, 1600.0, 900.0);
    ASSERT_TRUE(zcgsSetViewParameters(2, view, false, false));
    answer({"50,1.5"});
    EXPECT_EQ(zcedEntSel(nullptr, e, at), RTNORM);
}

TEST_F(EdSelection, TheNearestEntityWinsAPick)
{
    addLine(0, 0, 100, 0);
    ZcDbObjectId upper = addLine(0, 0.8, 100, 0.8);
    ads_name e;
    ads_point at;
    answer({"50,0.6"});
    ASSERT_EQ(zcedEntSel(nullptr, e, at), RTNORM);
    EXPECT_EQ(idOf(e), upper);
}

TEST_F(EdSelection, AHandlePickFindsTheEntityAndAPointHalfWayAlongIt)
{
    ZcDbObjectId line = addLine(0, 0, 100, 50);
    ads_name e;
    ads_point at;
    answer({"#" + hex(line), "#" + hex(line) + "@10,5", "#FFFF"});
    ASSERT_EQ(zcedEntSel(nullptr, e, at), RTNORM);
    EXPECT_EQ(idOf(e), line);
    EXPECT_DOUBLE_EQ(at[X], 50.0);
    EXPECT_DOUBLE_EQ(at[Y], 25.0);
    ASSERT_EQ(zcedEntSel(nullptr, e, at), RTNORM);
    EXPECT_DOUBLE_EQ(at[X], 10.0);
    EXPECT_EQ(zcedEntSel(nullptr, e, at), RTERROR);
}

TEST_F(EdSelection, ErasedAndHiddenEntitiesCannotBePicked)
{
    ZcDbObjectId erased = addLine(0, 0, 100, 0);
    ZcDbObjectId hidden = addLine(0, 10, 100, 10);
    {
        ZcDbObjectPointer<ZcDbEntity> e(erased, ZcDb::kForWrite);
        e->erase();
    }
    putOnLayer(hidden, "OFFLAYER", true);
    ads_name e;
    ads_point at;
    answer({"50,0", "#" + hex(hidden)});
    EXPECT_EQ(zcedEntSel(nullptr, e, at), RTERROR);
    EXPECT_EQ(zcedEntSel(nullptr, e, at), RTERROR);
}

TEST_F(EdSelection, AWindowTakesWhatIsInsideACrossingAlsoWhatItTouches)
{
    ZcDbObjectId inside = addLine(10, 10, 20, 20);
    ZcDbObjectId crossing = addLine(15, 15, 80, 15);
    ZcDbObjectId outside = addLine(60, 60, 70, 70);
    ZcDbObjectId around = addToModelSpace(new ZcDbCircle(ZcGePoint3d(25, 25, 0), ZcGeVector3d::kZAxis, 100));
    ads_point a = {0, 0, 0}, b = {40, 40, 0};
    ads_name ss;
    ASSERT_EQ(zcedSSGet("W", a, b, nullptr, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({inside}));
    zcedSSFree(ss);
    ASSERT_EQ(zcedSSGet("C", a, b, nullptr, ss), RTNORM);
    // A circle around the whole window touches none of it.
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({inside, crossing}));
    zcedSSFree(ss);
    static_cast<void>(outside);
    static_cast<void>(around);
}

TEST_F(EdSelection, CrossingPolygonsFollowTheirEdges)
{
    ZcDbObjectId hit = addLine(0, 5, 3, 5);
    addLine(8, 8, 9, 9);
    ads_point p0 = {0, 0, 0}, p1 = {10, 0, 0}, p2 = {0, 10, 0};
    resbuf* poly = zcutBuildList(RTPOINT, p0, RTPOINT, p1, RTPOINT, p2, 0);
    ads_name ss;
    ASSERT_EQ(zcedSSGet("CP", poly, nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({hit}));
    zcedSSFree(ss);
    zcutRelRb(poly);
}

TEST_F(EdSelection, XFindsEverythingAndFiltersByTypeLayerAndOperators)
{
    ZcDbObjectId line = addLine(0, 0, 1, 1);
    ZcDbObjectId hiddenLine = addLine(0, 0, 2, 2);
    ZcDbObjectId circle = addToModelSpace(new ZcDbCircle(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, 1));
    ZcDbObjectId arc = addToModelSpace(new ZcDbArc(ZcGePoint3d(0, 0, 0), 1, 0, 1));
    putOnLayer(hiddenLine, "HIDDEN", true);
    ads_name ss;

    resbuf* types = zcutBuildList(RTDXF0, "line,ARC", 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, types, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({line, hiddenLine, arc}));
    zcedSSFree(ss);
    zcutRelRb(types);

    resbuf* ops = zcutBuildList(-4, "<OR", RTDXF0, "CIRCLE", -4, "<AND", RTDXF0, "LINE", -4, "<NOT", 8, "HID*", -4,
                                "NOT>", -4, "AND>", -4, "OR>", 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, ops, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({line, circle}));
    zcedSSFree(ss);
    zcutRelRb(ops);

    resbuf* xorFilter = zcutBuildList(-4, "<XOR", RTDXF0, "LINE", 8, "HIDDEN", -4, "XOR>", 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, xorFilter, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({line}));
    zcedSSFree(ss);
    zcutRelRb(xorFilter);
}

TEST_F(EdSelection, GroupsAreComparedByValueAndRelationalOperators)
{
    addLine(0, 0, 10, 0);
    ZcDbObjectId high = addLine(0, 50, 10, 50);
    ZcDbObjectId small = addToModelSpace(new ZcDbCircle(ZcGePoint3d(5, 60, 0), ZcGeVector3d::kZAxis, 1));
    ZcDbObjectId big = addToModelSpace(new ZcDbCircle(ZcGePoint3d(5, 5, 0), ZcGeVector3d::kZAxis, 8));
    ads_name ss;
    ads_point corner = {0, 20, 0};
    // Lines starting above y 20, whatever their x.
    resbuf* f = zcutBuildList(RTDXF0, "LINE", -4, "*,>,*", 10, corner, 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({high}));
    zcedSSFree(ss);
    zcutRelRb(f);
    // Circles of radius 5 or more; then exactly 1 with no operator.
    f = zcutBuildList(-4, ">=", 40, 5.0, 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({big}));
    zcedSSFree(ss);
    zcutRelRb(f);
    f = zcutBuildList(40, 1.0, 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({small}));
    zcedSSFree(ss);
    zcutRelRb(f);
    // Centres below y 10 or above y 55, through OR.
    ads_point below = {0, 10, 0}, above = {0, 55, 0};
    f = zcutBuildList(-4, "<OR", -4, "*,<,*", 10, below, -4, "*,>,*", 10, above, -4, "OR>", RTDXF0, "CIRCLE", 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({small, big}));
    zcedSSFree(ss);
    zcutRelRb(f);
}

TEST_F(EdSelection, MalformedFiltersAreRefused)
{
    addLine(0, 0, 1, 1);
    ads_name ss;
    ads_point origin = {0, 0, 0};
    for (resbuf* f : {zcutBuildList(-4, "<OR", RTDXF0, "LINE", 0), zcutBuildList(-4, "<NOT", RTDXF0, "LINE", 8, "0", -4, "NOT>", 0),
                      zcutBuildList(-4, "AND>", 0), zcutBuildList(-4, ">", 0), zcutBuildList(-4, "<<", 10, origin, 0),
                      zcutBuildList(-4, ">", 1, "TEXT", 0), zcutBuildList(-4, ">,>", 10, origin, 0)}) {
        EXPECT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTERROR);
        zcutRelRb(f);
    }
}

TEST_F(EdSelection, XdataFiltersNeedEveryApplicationNamed)
{
    ZcDbObjectId both = addLine(0, 0, 1, 1);
    ZcDbObjectId one = addLine(0, 0, 2, 2);
    addLine(0, 0, 3, 3);
    tag(both, "HULL");
    tag(both, "STIFF");
    tag(one, "HULL");
    ads_name ss;
    resbuf* f = zcutBuildList(-3, 1001, "HULL", 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({both, one}));
    zcedSSFree(ss);
    zcutRelRb(f);
    f = zcutBuildList(-3, 1001, "HULL", 1001, "ST*", 0);
    ASSERT_EQ(zcedSSGet("X", nullptr, nullptr, f, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({both}));
    zcedSSFree(ss);
    zcutRelRb(f);
}

TEST_F(EdSelection, TheSelectionPromptTakesLinesUntilEnter)
{
    ZcDbObjectId a = addLine(0, 0, 10, 0);
    ZcDbObjectId b = addLine(0, 5, 10, 5);
    ZcDbObjectId c = addLine(50, 50, 60, 60);
    ads_name ss;
    answer({"W -1,-1 11,1", "#" + hex(c) + " #" + hex(a), "R", "#" + hex(a), "A", "C 5,4 6,6", ""});
    ASSERT_EQ(zcedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({c, b}));
    zcedSSFree(ss);
    std::string t = transcript();
    EXPECT_NE(t.find("Select objects: W -1,-1 11,1\n1 found, 1 total"), std::string::npos) << t;
    EXPECT_NE(t.find("Remove objects: #"), std::string::npos) << t;
}

TEST_F(EdSelection, CustomPromptsSingleModeEscAndNothing)
{
    ZcDbObjectId a = addLine(0, 0, 10, 0);
    const char* prompts[2] = {"\nPick members: ", "\nDrop members: "};
    ads_name ss;
    answer({"#" + hex(a), "*cancel*", "", "L", ""});
    ASSERT_EQ(zcedSSGet(":$:S", prompts, nullptr, nullptr, ss), RTNORM);
    zcedSSFree(ss);
    EXPECT_EQ(zcedSSGet(":$", prompts, nullptr, nullptr, ss), RTCAN);
    EXPECT_EQ(zcedSSGet(":$", prompts, nullptr, nullptr, ss), RTERROR);
    ASSERT_EQ(zcedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({a}));
    zcedSSFree(ss);
    EXPECT_NE(transcript().find("Pick members: #"), std::string::npos);
}

TEST_F(EdSelection, LastIsTheLastShownEntity)
{
    ZcDbObjectId first = addLine(0, 0, 1, 0);
    ZcDbObjectId last = addLine(0, 0, 2, 0);
    putOnLayer(last, "OFFLAYER", true);
    ads_name ss;
    ASSERT_EQ(zcedSSGet("L", nullptr, nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({first}));
    zcedSSFree(ss);
}

TEST_F(EdSelection, EntLastIsTheLastEntityHiddenOrNotButNotAnErasedOne)
{
    ads_name e;
    EXPECT_EQ(zcdbEntLast(e), RTERROR);
    ZcDbObjectId first = addLine(0, 0, 1, 0);
    ZcDbObjectId hidden = addLine(0, 0, 2, 0);
    putOnLayer(hidden, "OFFLAYER", true);
    ASSERT_EQ(zcdbEntLast(e), RTNORM);
    EXPECT_EQ(idOf(e), hidden);
    {
        ZcDbObjectPointer<ZcDbEntity> h(hidden, ZcDb::kForWrite);
        h->erase();
    }
    ASSERT_EQ(zcdbEntLast(e), RTNORM);
    EXPECT_EQ(idOf(e), first);
}

TEST_F(EdSelection, SetFunctionsAddDeleteAndTestMembers)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    ZcDbObjectId b = addLine(0, 0, 2, 0);
    ads_name ea, eb, ss, same;
    zcdbGetAdsName(ea, a);
    zcdbGetAdsName(eb, b);
    ASSERT_EQ(zcedSSAdd(nullptr, nullptr, ss), RTNORM);
    int32_t n = -1;
    zcedSSLength(ss, &n);
    EXPECT_EQ(n, 0);
    ASSERT_EQ(zcedSSAdd(ea, ss, same), RTNORM);
    EXPECT_EQ(same[1], ss[1]);
    zcedSSAdd(eb, ss, same);
    zcedSSAdd(ea, ss, same);
    EXPECT_EQ(members(ss), std::vector<ZcDbObjectId>({a, b}));
    EXPECT_EQ(zcedSSMemb(eb, ss), RTNORM);
    EXPECT_EQ(zcedSSDel(eb, ss), RTNORM);
    EXPECT_EQ(zcedSSMemb(eb, ss), RTERROR);
    EXPECT_EQ(zcedSSDel(eb, ss), RTERROR);
    ads_name e;
    EXPECT_EQ(zcedSSName(ss, 1, e), RTERROR);
    EXPECT_EQ(zcedSSFree(ss), RTNORM);
    EXPECT_EQ(zcedSSFree(ss), RTERROR);
    EXPECT_EQ(zcedSSLength(ss, &n), RTERROR);
}

TEST_F(EdSelection, NoMoreThan128SetsAreHeld)
{
    std::vector<std::array<int64_t, 2>> held;
    ads_name ss;
    while (zcedSSAdd(nullptr, nullptr, ss) == RTNORM) held.push_back({ss[0], ss[1]});
    EXPECT_EQ(held.size(), 128u);
    zcedSSFree(held.back().data());
    EXPECT_EQ(zcedSSAdd(nullptr, nullptr, ss), RTNORM);
    zcedSSFree(ss);
    for (size_t i = 0; i + 1 < held.size(); ++i) zcedSSFree(held[i].data());
}

TEST_F(EdSelection, TransformingASetMovesItsEntities)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    ads_name ea, ss;
    zcdbGetAdsName(ea, a);
    zcedSSAdd(ea, nullptr, ss);
    ads_matrix m = {{1, 0, 0, 5}, {0, 1, 0, 7}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    ASSERT_EQ(zcedXformSS(ss, m), RTNORM);
    zcedSSFree(ss);
    ZcDbObjectPointer<ZcDbLine> line(a, ZcDb::kForRead);
    EXPECT_EQ(line->startPoint(), ZcGePoint3d(5, 7, 0));
}

int g_dragCalls = 0;
int dragBy(ads_point pt, ads_matrix mt)
{
    ++g_dragCalls;
    mt[0][3] = pt[X];
    mt[1][3] = pt[Y];
    return RTNORM;
}

TEST_F(EdSelection, ADragTakesAPointLineEscCancelsAndARunOutScriptIsAnError)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    ads_name ea, ss;
    zcdbGetAdsName(ea, a);
    zcedSSAdd(ea, nullptr, ss);
    ads_point p = {0, 0, 0};
    g_dragCalls = 0;
    answer({"*cancel*", "30,40", "*cancel*"});
    EXPECT_EQ(zcedDragGen(ss, "\nWhere: ", 0, dragBy, p), RTCAN);
    EXPECT_EQ(g_dragCalls, 0);
    ASSERT_EQ(zcedDragGen(ss, "\nWhere: ", 0, dragBy, p), RTNORM);
    EXPECT_EQ(g_dragCalls, 1);
    EXPECT_EQ(p[X], 30);
    EXPECT_EQ(p[Y], 40);
    // The caller moves the set; the drag itself leaves it alone.
    EXPECT_EQ(ZcDbObjectPointer<ZcDbLine>(a, ZcDb::kForRead)->startPoint(), ZcGePoint3d(0, 0, 0));
    // Interactive input may still answer after Esc; a script that has run out never will.
    EXPECT_EQ(zcedDragGen(ss, "\nWhere: ", 0, dragBy, p), RTCAN);
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    answer({"*cancel*"});
    EXPECT_EQ(zcedDragGen(ss, "\nWhere: ", 0, dragBy, p), RTERROR);
    zcedSSFree(ss);
    EXPECT_EQ(transcript(), "Where: *cancel*\nWhere: 30,40\nWhere: *cancel*\nWhere: *cancel*\n");
}

TEST_F(EdSelection, ModifiedGraphicsWaitForTheNextDisplayUpdate)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    {
        ZcDbObjectPointer<ZcDbLine> line(a, ZcDb::kForWrite);
        line->recordGraphicsModified();
    }
    EXPECT_TRUE(zrxhost::isGraphicsPending(a));
    zcedUpdateDisplay();
    EXPECT_FALSE(zrxhost::isGraphicsPending(a));
    // Asking for it on an entity open for read breaks the open protocol.
    ZcDbObjectPointer<ZcDbLine> line(a, ZcDb::kForRead);
    EXPECT_CONTRACT_BREACH(line->recordGraphicsModified());
}

TEST_F(EdSelection, RedrawKeepsHighlightsOfEntitiesAndSets)
{
    ZcDbObjectId a = addLine(0, 0, 1, 0);
    ads_name ea, ss;
    zcdbGetAdsName(ea, a);
    zcedRedraw(ea, 3);
    EXPECT_TRUE(zrxhost::isHighlighted(a));
    zcedSSAdd(ea, nullptr, ss);
    zcedRedraw(ss, 4);
    EXPECT_FALSE(zrxhost::isHighlighted(a));
    zcedSSFree(ss);
    ads_point p1 = {0, 0, 0}, p2 = {1, 1, 0};
    zcedGrDraw(p1, p2, 1, 0);
    ASSERT_EQ(zrxhost::grDrawVectors().size(), 1u);
    EXPECT_EQ(zrxhost::grDrawVectors()[0].to, ZcGePoint3d(1, 1, 0));
    zcedRedraw(nullptr, 1);
    EXPECT_TRUE(zrxhost::grDrawVectors().empty());
    EXPECT_EQ(zcedRedraw(nullptr, 3), RTERROR);
}

TEST_F(EdSelection, GrVecsDrawsPairsInTheColourBeforeThemAfterTheMatrix)
{
    ads_point a = {0, 0, 0}, b = {10, 0, 0};
    ads_point c = {0, 5, 99}, d = {10, 5, 99};  // 2D points have no z
    resbuf* list = zcutBuildList(RT3DPOINT, a, RT3DPOINT, b, RTSHORT, 1, RT3DPOINT, a, RTPOINT, c, RTSHORT, 300,
                                 RTPOINT, c, RTPOINT, d, RTSHORT, -1, RT3DPOINT, b, RTPOINT, d, 0);
    ads_matrix shift = {{1, 0, 0, 100}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    ASSERT_EQ(zcedGrVecs(list, shift), RTNORM);
    zcutRelRb(list);
    const auto& v = zrxhost::grDrawVectors();
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0].from, ZcGePoint3d(100, 0, 0));
    EXPECT_EQ(v[0].to, ZcGePoint3d(110, 0, 0));
    EXPECT_EQ(v[0].color, 7);
    EXPECT_EQ(v[1].color, 1);
    EXPECT_EQ(v[1].to, ZcGePoint3d(100, 5, 0));
    EXPECT_EQ(v[2].color, -1);  // XOR ink
    EXPECT_FALSE(v[2].highlighted);
    EXPECT_TRUE(v[3].highlighted);
    // A point without its partner, or anything but colours and points, draws nothing.
    resbuf* odd = zcutBuildList(RT3DPOINT, a, RT3DPOINT, b, RT3DPOINT, a, 0);
    EXPECT_EQ(zcedGrVecs(odd, nullptr), RTERROR);
    zcutRelRb(odd);
    resbuf* wrong = zcutBuildList(RTSTR, "x", RT3DPOINT, a, RT3DPOINT, b, 0);
    EXPECT_EQ(zcedGrVecs(wrong, nullptr), RTERROR);
    zcutRelRb(wrong);
    EXPECT_EQ(v.size(), 4u);
}

TEST(WcMatch, PlatformPatterns)
{
    EXPECT_EQ(zcutWcMatch("L100X10", "L###X##"), RTNORM);
    EXPECT_EQ(zcutWcMatch("LINE", "LINE,ARC"), RTNORM);
    EXPECT_EQ(zcutWcMatch("ARC", "LINE,ARC"), RTNORM);
    EXPECT_EQ(zcutWcMatch("line", "LINE"), RTNONE);
    EXPECT_EQ(zcutWcMatch("HULL-1", "~HULL*"), RTNONE);
    EXPECT_EQ(zcutWcMatch("DECK", "~HULL*"), RTNORM);
    EXPECT_EQ(zcutWcMatch("B", "[A-C]"), RTNORM);
    EXPECT_EQ(zcutWcMatch("D", "[~A-C]"), RTNORM);
    EXPECT_EQ(zcutWcMatch("A*", "A`*"), RTNORM);
    EXPECT_EQ(zcutWcMatch("AB", "A`*"), RTNONE);
    EXPECT_EQ(zcutWcMatch("X-1", "@.#"), RTNORM);
    // One ? stands for one character, Japanese ones included.
    EXPECT_EQ(zcutWcMatch("外板1", "外?#"), RTNORM);
}

}  // namespace
