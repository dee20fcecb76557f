// Frame-line tools from LISP: straight and level tests of picked lines, removing the working
// marks of interpolated sections, and centre lines with the scale mark around a block.
#include <memory>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"
#include "zrxhost/spaces.h"

namespace {

class FrameTools : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("checkline", TrevanComARX_CheckLine);
        define("checkab", TrevanComARX_CheckWarikomiAB);
        define("delmarks", TrevanComARX_delXdataWFRMNO);
        define("centerline", TrevanComARX_center_line);
    }
    ZcDbObjectId polyline(std::vector<ZcGePoint2d> points, double bulge = 0.0)
    {
        auto* pl = new ZcDbPolyline;
        for (unsigned i = 0; i < points.size(); ++i) pl->addVertexAt(i, points[i], i == 0 ? bulge : 0.0);
        return addToModelSpace(pl);
    }
    std::vector<std::string> apps(ZcDbObjectId id)
    {
        std::vector<std::string> out;
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        resbuf* xd = e->xData();
        for (resbuf* rb = xd; rb != nullptr; rb = rb->rbnext) {
            if (rb->restype == 1001) out.emplace_back(rb->resval.rstring);
        }
        zcutRelRb(xd);
        return out;
    }
    void tag(ZcDbObjectId id, const char* app)
    {
        zcdbRegApp(app);
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        resbuf* xd = zcutBuildList(1001, app, 1000, "dmy", 0);
        e->setXData(xd);
        zcutRelRb(xd);
    }
};

TEST_F(FrameTools, LinesAndTwoPointPolylinesWithoutBulgeAreStraight)
{
    EXPECT_EQ(call("(checkline " + ename(addLine(0, 0, 10, 5)) + ")"), "\nT\n");
    EXPECT_EQ(call("(checkline " + ename(polyline({{0, 0}, {10, 0}}, 1e-6)) + ")"), "\nT\n");
    EXPECT_EQ(call("(checkline " + ename(polyline({{0, 0}, {10, 0}}, 2e-6)) + ")"), "\nポリラインが直線ではありません.\nnil\n");
    EXPECT_EQ(call("(checkline " + ename(polyline({{0, 0}, {10, 0}, {10, 10}})) + ")"),
              "\n選択ポリラインの頂点数が2つではありません.\nnil\n");
    ZcDbObjectId circle = addToModelSpace(new ZcDbCircle({0, 0, 0}, ZcGeVector3d::kZAxis, 5));
    EXPECT_EQ(call("(checkline " + ename(circle) + ")"), "\n選択図形が線分またはポリラインではありません.\nnil\n");
    EXPECT_EQ(call("(checkline)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(checkline 12)"), "\n引数エラー\nnil\n");
}

TEST_F(FrameTools, LevelLinesPassWithinAThousandth)
{
    EXPECT_EQ(call("(checkab " + ename(addLine(0, 0, 100, 0.001)) + ")"), "\nT\n");
    EXPECT_EQ(call("(checkab " + ename(addLine(0, 0, 100, 0.0011)) + ")"), "\n選択図形が水平ではありません.\nnil\n");
    EXPECT_EQ(call("(checkab " + ename(polyline({{0, 5}, {100, 5}})) + ")"), "\nT\n");
    // The straightness test comes first, with its own message.
    EXPECT_EQ(call("(checkab " + ename(polyline({{0, 0}, {10, 0}}, 0.5)) + ")"), "\nポリラインが直線ではありません.\nnil\n");
}

TEST_F(FrameTools, WorkingMarksGoWhateverStandsAroundTheirName)
{
    ZcDbObjectId section = addLine(0, 0, 0, 100);
    tag(section, "WFRMNO-25+250");
    tag(section, "XWFRMNO-1");
    tag(section, "A_FNAM");
    EXPECT_EQ(call("(delmarks " + ename(section) + ")"), "\nT\n");
    EXPECT_EQ(apps(section), std::vector<std::string>({"A_FNAM"}));
    EXPECT_EQ(call("(delmarks \"x\")"), "\n引数エラー\nnil\n");
}

class CentreLines : public FrameTools {
protected:
    // Block "PLATE": a box from (-100,-50) to (100,300) about its base point.
    ZcDbObjectId placePlate(const ZcGePoint3d& at)
    {
        ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
        auto* block = new ZcDbBlockTableRecord;
        block->setName("PLATE");
        ZcDbObjectId blockId;
        EXPECT_EQ(blocks->add(blockId, block), Zcad::eOk);
        auto* outline = new ZcDbPolyline;
        const ZcGePoint2d corners[] = {{-100, -50}, {100, -50}, {100, 300}, {-100, 300}};
        for (unsigned i = 0; i < 4; ++i) outline->addVertexAt(i, corners[i]);
        outline->setClosed(true);
        block->appendZcDbEntity(outline);
        outline->close();
        block->close();
        blocks.close();
        return addToModelSpace(new ZcDbBlockReference(at, blockId));
    }
    // Model space after the call: its kinds, and for each line its ends, colour, type and scale.
    std::vector<std::string> modelSpace()
    {
        std::vector<std::string> out;
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db.get()), ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* raw = nullptr;
        ms->newIterator(raw);
        std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
        for (; !it->done(); it->step()) {
            ZcDbEntity* e = nullptr;
            it->getEntity(e, ZcDb::kForRead);
            std::string d = e->isA()->name();
            char buf[160];
            if (auto* l = ZcDbLine::cast(e)) {
                char* linetype = l->linetype();
                std::snprintf(buf, sizeof buf, " %g,%g-%g,%g c%d %s s%g", l->startPoint().x, l->startPoint().y,
                              l->endPoint().x, l->endPoint().y, l->colorIndex(), linetype, l->linetypeScale());
                zcutDelString(linetype);
                d += buf;
            } else if (auto* r = ZcDbBlockReference::cast(e)) {
                ZcDbObjectPointer<ZcDbBlockTableRecord> b(r->blockTableRecord(), ZcDb::kForRead);
                const char* name = nullptr;
                b->getName(name);
                std::snprintf(buf, sizeof buf, " %s @%g,%g x%g c%d", name, r->position().x, r->position().y,
                              r->scaleFactors().sx, r->colorIndex());
                d += buf;
            }
            out.push_back(d);
            e->close();
        }
        return out;
    }
    SampleInstall install;
};

TEST_F(CentreLines, LinesReachBeyondTheBlockAndTheMarkSitsBelowInRed)
{
    ZcDbObjectId plate = placePlate({1000, 500, 0});
    std::string said = call("(centerline " + ename(plate) + ")");
    EXPECT_EQ(said.substr(said.size() - 3), "\nT\n") << said;
    // Horizontal: 100 either side plus 2000; vertical: 300 up plus 2000, down to 5000 below;
    // the mark 1400 under that.
    std::vector<std::string> drawn = modelSpace();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0], "AcDbPolyline");
    EXPECT_EQ(drawn[1], "AcDbLine -1100,500-3100,500 c1 CENTER s50");
    EXPECT_EQ(drawn[2], "AcDbLine 1000,2800-1000,-4500 c1 CENTER s50");
    EXPECT_EQ(drawn[3], "AcDbBlockReference sclmark @1000,-5900 x200 c1");
    EXPECT_TRUE(plate.isErased());
}

TEST_F(CentreLines, WithoutADataFolderTheLinesStayButTheAnswerIsNil)
{
    install.forgetFolders();
    ZcDbObjectId plate = placePlate({0, 0, 0});
    std::string said = call("(centerline " + ename(plate) + ")");
    EXPECT_EQ(said.substr(said.size() - 4), "nil\n") << said;
    std::vector<std::string> drawn = modelSpace();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].substr(0, 8), "AcDbLine");
}

TEST_F(CentreLines, OnlyABlockReferenceIsTaken)
{
    ZcDbObjectId line = addLine(0, 0, 10, 0);
    EXPECT_EQ(call("(centerline " + ename(line) + ")"), "\nnil\n");
    EXPECT_FALSE(line.isErased());
    EXPECT_EQ(call("(centerline)"), "\n引数エラー\nnil\n");
}

}  // namespace
