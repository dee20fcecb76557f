// Drawing to SVG: one element per visible entity, colours, dash patterns.
#include <cmath>

#include "support/editor_fixture.h"
#include "zrx/gs_view.h"
#include "zrxhost/display_state.h"
#include "zrxhost/render.h"

namespace {

class RenderSvg : public EditorTest {
protected:
    int count(const std::string& svg, const std::string& what)
    {
        int n = 0;
        for (size_t at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1)) ++n;
        return n;
    }
    ZcDbObjectId layer(const char* name, int color, bool off, ZcDbObjectId linetype = {})
    {
        ZcDbLayerTable* t = nullptr;
        db->getLayerTable(t, ZcDb::kForWrite);
        auto* r = new ZcDbLayerTableRecord;
        r->setName(name);
        ZcCmColor aci;
        aci.setColorIndex(static_cast<uint16_t>(color));
        r->setColor(aci);
        r->setIsOff(off);
        if (!linetype.isNull()) r->setLinetypeObjectId(linetype);
        ZcDbObjectId id;
        t->add(id, r);
        r->close();
        t->close();
        return id;
    }
};

TEST_F(RenderSvg, EveryVisibleEntityIsOneElement)
{
    addLine(0, 0, 100, 0);
    addToModelSpace(new ZcDbCircle(ZcGePoint3d(50, 50, 0), ZcGeVector3d::kZAxis, 10));
    addToModelSpace(new ZcDbArc(ZcGePoint3d(0, 0, 0), 20, 0, M_PI / 2));
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, ZcGePoint2d(0, 0), 1.0);
    pl->addVertexAt(1, ZcGePoint2d(10, 0));
    pl->addVertexAt(2, ZcGePoint2d(10, 10));
    addToModelSpace(pl);
    addToModelSpace(new ZcDbText(ZcGePoint3d(0, -10, 0), "FR.45 <L>", ZcDbObjectId::kNull, 3.5));
    addToModelSpace(new ZcDbPoint(ZcGePoint3d(5, 5, 0)));
    addToModelSpace(new ZcDbAlignedDimension(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0), ZcGePoint3d(50, -20, 0)));
    auto* leader = new ZcDbLeader;
    leader->appendVertex(ZcGePoint3d(10, 10, 0));
    leader->appendVertex(ZcGePoint3d(30, 30, 0));
    addToModelSpace(leader);
    auto* hidden = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0));
    hidden->setVisibility(ZcDb::kInvisible);
    addToModelSpace(hidden);
    ZcDbObjectId offLine = addLine(0, 5, 5, 5);
    layer("OFFLAYER", 1, true);
    {
        ZcDbObjectPointer<ZcDbEntity> e(offLine, ZcDb::kForWrite);
        e->setLayer("OFFLAYER");
    }
    std::string svg = zrxhost::renderSvg(db.get());
    EXPECT_EQ(count(svg, "data-handle="), 8) << svg;
    EXPECT_EQ(count(svg, "<text"), 2);  // the text and the dimension's
    EXPECT_NE(svg.find("&lt;L&gt;"), std::string::npos);
    EXPECT_NE(svg.find(" A"), std::string::npos);  // arcs stay arcs
    EXPECT_NE(svg.find("<polygon"), std::string::npos);  // the leader's arrowhead
}

TEST_F(RenderSvg, ColoursFollowEntityLayerAndBlock)
{
    ZcDbObjectId byLayer = addLine(0, 0, 1, 0);
    layer("HULL", 3, false);
    {
        ZcDbObjectPointer<ZcDbEntity> e(byLayer, ZcDb::kForWrite);
        e->setLayer("HULL");
    }
    auto* red = new ZcDbLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0));
    red->setColorIndex(1);
    addToModelSpace(red);
    std::string svg = zrxhost::renderSvg(db.get());
    EXPECT_NE(svg.find("stroke=\"#00ff00\""), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos);
}

TEST_F(RenderSvg, LineTypesBecomeDashArrays)
{
    ZcDbLinetypeTable* t = nullptr;
    db->getLinetypeTable(t, ZcDb::kForWrite);
    auto* dashed = new ZcDbLinetypeTableRecord;
    dashed->setName("DASHED");
    dashed->setNumDashes(2);
    dashed->setDashLengthAt(0, 12.0);
    dashed->setDashLengthAt(1, -6.0);
    dashed->setPatternLength(18.0);
    ZcDbObjectId ltId;
    t->add(ltId, dashed);
    dashed->close();
    t->close();
    auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
    line->setLinetype(ltId);
    line->setLinetypeScale(0.5);
    addToModelSpace(line);
    std::string svg = zrxhost::renderSvg(db.get());
    EXPECT_NE(svg.find("stroke-dasharray=\"6,3\""), std::string::npos) << svg;
}

TEST_F(RenderSvg, TemporaryVectorsShowInTheirDrawingsViewUntilARegen)
{
    addLine(0, 0, 100, 0);
    ZcGeMatrix3d moved;
    moved.setToTranslation(ZcGeVector3d(0, 300, 0));
    ASSERT_EQ(zcedSetCurrentUCS(moved), Zcad::eOk);
    ads_point a = {0, 0, 0}, b = {500, 0, 0}, c = {0, 50, 0};
    ASSERT_EQ(zcedGrDraw(a, b, 2, 0), RTNORM);
    ASSERT_EQ(zcedGrDraw(a, c, -1, 1), RTNORM);
    ASSERT_EQ(zcedSetCurrentUCS(ZcGeMatrix3d::kIdentity), Zcad::eOk);
    std::string svg = zrxhost::renderSvg(db.get());
    EXPECT_EQ(count(svg, "class=\"grdraw\""), 2) << svg;
    // Drawn where the UCS of the moment put them, yellow, and the XOR one dashed in black.
    EXPECT_NE(svg.find("d=\"M0,-300 L500,-300\" fill=\"none\" stroke=\"#ffff00\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("d=\"M0,-300 L0,-350\" fill=\"none\" stroke=\"#000000\""), std::string::npos) << svg;
    EXPECT_EQ(count(svg, "stroke-dasharray"), 1);
    // The view reaches out to them, and they never enter the drawing.
    EXPECT_NE(svg.find("viewBox=\"-25 -375"), std::string::npos) << svg;
    EXPECT_EQ(count(svg, "data-handle="), 1);
    ZcDbDatabase other(true, true);
    EXPECT_EQ(count(zrxhost::renderSvg(&other), "grdraw"), 0);
    zrxhost::runCommandLine("REGEN");
    EXPECT_TRUE(zrxhost::grDrawVectors().empty());
    EXPECT_EQ(count(zrxhost::renderSvg(db.get()), "grdraw"), 0);
}

TEST_F(RenderSvg, TheViewWindowIsWhatZoomShowsNotTheExtents)
{
    addLine(0, 0, 10000, 0);
    ZcGsView zoomed;
    zoomed.setView(ZcGePoint3d(500, 0, 1), ZcGePoint3d(500, 0, 0), ZcGeVector3d::kYAxis, 1600, 900);
    ASSERT_TRUE(zcgsSetViewParameters(2, &zoomed, false, false, true));
    // The screen's 1600 x 900 about the view's centre, no margin added; the line reaching
    // out of it is clipped, not dropped.
    std::string svg = zrxhost::renderSvg(db.get(), zrxhost::SvgWindow::View);
    EXPECT_NE(svg.find("viewBox=\"-300 -450 1600 900\""), std::string::npos) << svg;
    EXPECT_EQ(count(svg, "data-handle="), 1);
    EXPECT_NE(zrxhost::renderSvg(db.get()).find("viewBox=\"-500 -500"), std::string::npos);
}

TEST(AciColours, ThePlatformsPalette)
{
    EXPECT_EQ(zrxhost::aciToRgb(1), "#ff0000");
    EXPECT_EQ(zrxhost::aciToRgb(7), "#000000");
    EXPECT_EQ(zrxhost::aciToRgb(8), "#808080");
    EXPECT_EQ(zrxhost::aciToRgb(11), "#ff7f7f");
    EXPECT_EQ(zrxhost::aciToRgb(20), "#ff3f00");
    EXPECT_EQ(zrxhost::aciToRgb(30), "#ff7f00");
    EXPECT_EQ(zrxhost::aciToRgb(130), "#00ffff");
    EXPECT_EQ(zrxhost::aciToRgb(170), "#0000ff");
    EXPECT_EQ(zrxhost::aciToRgb(250), "#333333");
}

}  // namespace
