// Dimensions in drawing files: what the host makes comes back in every version with its
// overrides, a new dimension carries a picture block other programs can draw, and a
// dimension read from a file keeps what the file had. Also: an entity the writer cannot
// write stops the save instead of going missing.
#include <algorithm>
#include <cmath>

#include "dxf/raw_objects.h"
#include "dxf_test_files.h"
#include "owned_entities.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"
#include "db/access.h"
#include "db/record_name.h"

namespace {

using dxftest::pairs;

class DxfDimensions : public HostTest {
protected:
    std::unique_ptr<ZcDbDatabase> saveAndLoad(ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT)
    {
        EXPECT_EQ(db->dxfOut(path.c_str(), 16, version), Zcad::eOk) << zrxhost::lastDrawingFileError();
        return load(path);
    }

    std::unique_ptr<ZcDbDatabase> load(const std::string& file) { return loadDrawing(file); }

    template <class T>
    ZcDbObjectPointer<T> open(ZcDbDatabase* d, ZcDbHandle h)
    {
        return openByHandle<T>(d, h);
    }

    // DXF types of the entities of a block, in order.
    static std::vector<std::string> blockContent(ZcDbObjectId blockId)
    {
        std::vector<std::string> out;
        ZcDbObjectPointer<ZcDbBlockTableRecord> block(blockId, ZcDb::kForRead);
        if (block.openStatus() != Zcad::eOk) return out;
        ZcDbBlockTableRecordIterator* it = nullptr;
        block->newIterator(it);
        for (; !it->done(); it->step()) {
            ZcDbObjectId id;
            it->getEntityId(id);
            out.emplace_back(id.objectClass()->dxfName());
        }
        delete it;
        return out;
    }

    dxftest::ScratchDir dir;
    std::string path = dir.file("deck.dxf");
};

class DxfDimensionVersions : public DxfDimensions, public ::testing::WithParamInterface<ZcDb::ZcDbDwgVersion> {};

TEST_P(DxfDimensionVersions, LinearDimensionsComeBackWithTheirValuesAndOverrides)
{
    auto* rotated = new ZcDbRotatedDimension(M_PI / 6, {0, 0, 0}, {800, 300, 0}, {0, 650, 0}, "FR.<>");
    rotated->setOblique(M_PI / 12);
    rotated->setDimasz(7.5);
    rotated->setDimscale(20.0);
    rotated->setTextPosition({400, 900, 0});
    ZcDbObjectId rotatedId = addToModelSpace(rotated);
    auto* aligned = new ZcDbAlignedDimension({0, 0, 0}, {300, 400, 0}, {-40, 30, 0});
    ZcDbObjectId alignedId = addToModelSpace(aligned);

    auto loaded = saveAndLoad(GetParam());
    {
        auto d = open<ZcDbRotatedDimension>(loaded.get(), rotatedId.handle());
        ASSERT_EQ(d.openStatus(), Zcad::eOk);
        EXPECT_NEAR(d->rotation(), M_PI / 6, 1e-12);
        EXPECT_NEAR(d->oblique(), M_PI / 12, 1e-12);
        EXPECT_EQ(d->xLine2Point(), ZcGePoint3d(800, 300, 0));
        EXPECT_EQ(d->dimLinePoint(), ZcGePoint3d(0, 650, 0));
        EXPECT_STREQ(zrxhost::dimensionText(d.object()), "FR.<>");
        EXPECT_FALSE(d->isUsingDefaultTextPosition());
        EXPECT_EQ(d->textPosition(), ZcGePoint3d(400, 900, 0));
        EXPECT_TRUE(zrxhost::hasDimaszOverride(d.object()));
        EXPECT_EQ(d->dimasz(), 7.5);
        EXPECT_EQ(d->dimscale(), 20.0);
    }
    auto d = open<ZcDbAlignedDimension>(loaded.get(), alignedId.handle());
    ASSERT_EQ(d.openStatus(), Zcad::eOk);
    EXPECT_EQ(d->xLine2Point(), ZcGePoint3d(300, 400, 0));
    EXPECT_TRUE(d->isUsingDefaultTextPosition());
    EXPECT_FALSE(zrxhost::hasDimaszOverride(d.object()));
    double measured = 0;
    d->measurement(measured);
    EXPECT_NEAR(measured, 500.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, DxfDimensionVersions,
                         ::testing::Values(ZcDb::kDHL_CURRENT, ZcDb::kDHL_2100, ZcDb::kDHL_1800, ZcDb::kDHL_1015,
                                           ZcDb::kDHL_1009));

TEST_F(DxfDimensions, ANewDimensionIsSavedWithAPictureBlockOfLinesSolidsAndText)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbRotatedDimension(0.0, {0, 0, 0}, {10, 0, 0}, {0, 5, 0}));
    auto loaded = saveAndLoad();
    auto d = open<ZcDbRotatedDimension>(loaded.get(), id.handle());
    ASSERT_EQ(d.openStatus(), Zcad::eOk);
    ZcDbObjectPointer<ZcDbBlockTableRecord> block(d->dimBlockId(), ZcDb::kForRead);
    ASSERT_EQ(block.openStatus(), Zcad::eOk);
    EXPECT_TRUE(block->isAnonymous());
    EXPECT_EQ(std::string(zrxhost::recordName(block.object())).substr(0, 2), "*D");
    std::vector<std::string> kinds = blockContent(d->dimBlockId());
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "LINE"), 3);  // two extension lines, one dimension line
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "SOLID"), 2);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "TEXT"), 1);
    // The block is made once: a second save names the same one.
    ZcDbObjectId first = d->dimBlockId();
    d.close();
    std::string again = dir.file("again.dxf");
    ASSERT_EQ(loaded->saveAs(again.c_str()), Zcad::eOk);
    auto reloaded = load(again);
    auto d2 = open<ZcDbRotatedDimension>(reloaded.get(), id.handle());
    EXPECT_EQ(d2->dimBlockId().handle(), first.handle());
}

// A dimension as another program wrote it: its own block, text where that program's
// layout put it, DIMASZ and the unmodelled DIMTXT overridden in DSTYLE.
std::string drawnElsewhere()
{
    return pairs({{0, "DIMENSION"}, {5, "2A"}, {8, "0"}, {2, "*D7"}, {10, "0.0"}, {20, "5.0"}, {30, "0.0"},
                  {11, "4.75"}, {21, "6.5"}, {31, "0.0"}, {70, "0"}, {1, ""}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"},
                  {14, "10.0"}, {24, "0.0"}, {34, "0.0"}, {50, "0.0"}, {1001, "ACAD"}, {1000, "DSTYLE"},
                  {1002, "{"}, {1070, "41"}, {1040, "3.0"}, {1070, "140"}, {1040, "1.5"}, {1002, "}"}});
}

TEST_F(DxfDimensions, ADimensionReadFromAFileKeepsItsBlockTextPlaceAndOtherOverrides)
{
    std::string blocks = pairs({{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {8, "0"}, {2, "*D7"}, {70, "1"},
                                {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, "*D7"}, {0, "LINE"}, {8, "0"},
                                {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {11, "0.0"}, {21, "5.0"}, {31, "0.0"},
                                {0, "ENDBLK"}, {8, "0"}, {0, "ENDSEC"}});
    std::string text = dxftest::r12Drawing(drawnElsewhere());
    text.insert(text.find("\n0\nSECTION\n2\nENTITIES\n") + 1, blocks);
    std::string source = dir.file("source.dxf");
    dxftest::writeFile(source, text);
    auto read = load(source);
    {
        auto d = open<ZcDbRotatedDimension>(read.get(), ZcDbHandle("2A"));
        ASSERT_EQ(d.openStatus(), Zcad::eOk);
        EXPECT_EQ(d->dimasz(), 3.0);
        EXPECT_TRUE(d->isUsingDefaultTextPosition());
        EXPECT_EQ(blockContent(d->dimBlockId()), std::vector<std::string>{"LINE"});
    }
    {
        ZcDbObjectId id;
        read->getZcDbObjectId(id, false, ZcDbHandle("2A"));
        ZcDbObjectPointer<ZcDbRotatedDimension> w(id, ZcDb::kForWrite);
        w->setDimasz(4.0);
        w->setDimscale(10.0);
    }
    ASSERT_EQ(read->saveAs(path.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    std::string saved = dxftest::readFile(path);
    EXPECT_NE(saved.find("\n  2\n*D7\n"), std::string::npos);
    EXPECT_NE(saved.find("\n 11\n4.75\n 21\n6.5\n"), std::string::npos);
    // DIMASZ changed in place, DIMTXT untouched, DIMSCALE added inside the group.
    EXPECT_NE(saved.find("1070\n41\n1040\n4.0\n1070\n140\n1040\n1.5\n1070\n40\n1040\n10.0\n1002\n}\n"),
              std::string::npos);
    auto back = load(path);
    auto d = open<ZcDbRotatedDimension>(back.get(), ZcDbHandle("2A"));
    EXPECT_EQ(d->dimasz(), 4.0);
    EXPECT_EQ(d->dimscale(), 10.0);
    resbuf* acad = d->xData("ACAD");
    int values = 0;
    for (resbuf* rb = acad; rb != nullptr; rb = rb->rbnext) values += rb->restype == 1040 ? 1 : 0;
    zcutRelRb(acad);
    EXPECT_EQ(values, 3);
}

TEST_F(DxfDimensions, ArrowBlocksOfOneDimensionTravelInItsStyleOverridesWithTheirHandles)
{
    ZcDbObjectId arrow;
    {
        ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
        auto* block = new ZcDbBlockTableRecord;
        block->setName("LiOpen");
        ASSERT_EQ(blocks->add(arrow, block), Zcad::eOk);
        block->close();
    }
    auto* dim = new ZcDbAlignedDimension({0, 0, 0}, {600, 0, 0}, {0, 50, 0});
    dim->setDimsah(true);
    dim->setDimblk1(arrow);
    dim->setDimblk2(ZcDbObjectId::kNull);
    dim->setDimasz(6.0);
    const ZcDbObjectId id = addToModelSpace(dim);
    ASSERT_EQ(db->saveAs(path.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    const std::string saved = dxftest::readFile(path);
    char handle[17];
    ASSERT_TRUE(arrow.handle().getIntoAsciiBuffer(handle));
    EXPECT_NE(saved.find("1001\nACAD\n1000\nDSTYLE\n1002\n{\n1070\n41\n1040\n6.0\n1070\n173\n1070\n1\n1070\n343\n1005\n" +
                         std::string(handle) + "\n1070\n344\n1005\n0\n1002\n}"),
              std::string::npos);
    auto back = load(path);
    auto d = open<ZcDbAlignedDimension>(back.get(), id.handle());
    ASSERT_EQ(d.openStatus(), Zcad::eOk);
    EXPECT_TRUE(d->dimsah());
    EXPECT_EQ(d->dimblk1().handle(), arrow.handle());
    EXPECT_TRUE(d->dimblk2().isNull());
    EXPECT_EQ(d->dimasz(), 6.0);
}

TEST_F(DxfDimensions, AStyleKeepsEveryVariableItHolds)
{
    ZcDbObjectId styleId;
    {
        ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbDimStyleTableRecord;
        rec->setName("STIFF1");
        rec->setDimtix(true);
        rec->setDimzin(12);
        rec->setDimtfac(0.75);
        rec->setDimpost("<> mm");
        rec->setDimdsep('.');
        rec->setDimlwd(ZcDb::kLnWt050);
        rec->setDimsah(true);
        ASSERT_EQ(table->add(styleId, rec), Zcad::eOk);
        rec->close();
    }
    ASSERT_EQ(db->saveAs(path.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    auto back = load(path);
    auto rec = open<ZcDbDimStyleTableRecord>(back.get(), styleId.handle());
    ASSERT_EQ(rec.openStatus(), Zcad::eOk);
    EXPECT_TRUE(rec->dimtix());
    EXPECT_EQ(rec->dimzin(), 12);
    EXPECT_EQ(rec->dimtfac(), 0.75);
    EXPECT_STREQ(rec->dimpost(), "<> mm");
    EXPECT_EQ(rec->dimdsep(), '.');
    EXPECT_EQ(rec->dimlwd(), ZcDb::kLnWt050);
    EXPECT_TRUE(rec->dimsah());
    EXPECT_TRUE(rec->dimtofl());
}

TEST_F(DxfDimensions, AngularDimensionsAreKeptAsTheyWere)
{
    std::string angular = pairs({{0, "DIMENSION"}, {5, "2B"}, {8, "0"}, {2, "*D9"}, {10, "1.0"}, {20, "2.0"},
                                 {30, "0.0"}, {70, "2"}, {13, "3.0"}, {23, "0.0"}, {33, "0.0"}, {14, "4.0"},
                                 {24, "1.0"}, {34, "0.0"}, {15, "0.0"}, {25, "0.0"}, {35, "0.0"}, {16, "2.0"},
                                 {26, "2.0"}, {36, "0.0"}});
    std::string source = dir.file("angular.dxf");
    dxftest::writeFile(source, dxftest::r12Drawing(angular));
    auto read = load(source);
    ZcDbObjectId id;
    ASSERT_EQ(read->getZcDbObjectId(id, false, ZcDbHandle("2B")), Zcad::eOk);
    EXPECT_NE(ZcDbRawEntity::cast(ZcDbObjectPointer<ZcDbEntity>(id, ZcDb::kForRead).object()), nullptr);
    ASSERT_EQ(read->dxfOut(path.c_str(), 16, ZcDb::kDHL_1009), Zcad::eOk);
    EXPECT_NE(dxftest::readFile(path).find("\n 16\n2.0\n 26\n2.0\n"), std::string::npos);
}

TEST_F(DxfDimensions, AnEntityTheWriterCannotWriteStopsTheSaveAndLeavesTheFile)
{
    OwnedEntities sides;
    for (auto [a, b] : {std::pair{ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0)}, {{10, 0, 0}, {10, 5, 0}},
                        {{10, 5, 0}, {0, 5, 0}}, {{0, 5, 0}, {0, 0, 0}}}) {
        sides.items.append(new ZcDbLine(a, b));
    }
    OwnedEntities regions;
    ASSERT_EQ(ZcDbRegion::createFromCurves(sides.items, regions.items), Zcad::eOk);
    auto* region = static_cast<ZcDbEntity*>(regions.items[0]);
    regions.items.removeAt(0);
    ZcDbObjectId regionId = addToModelSpace(region);
    dxftest::writeFile(path, "the drawing as it was\n");

    EXPECT_EQ(db->saveAs(path.c_str()), Zcad::eNotApplicable);
    const std::string& error = zrxhost::lastDrawingFileError();
    EXPECT_NE(error.find(path), std::string::npos) << error;
    char handle[17];
    regionId.handle().getIntoAsciiBuffer(handle);
    EXPECT_NE(error.find(std::string(" ") + handle + " (AcDbRegion)"), std::string::npos) << error;
    EXPECT_EQ(dxftest::readFile(path), "the drawing as it was\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
