// Copying between drawings: wblock of a set of entities into a drawing of their own, and
// insert of a drawing into another's model space through a matrix.
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "support/host_fixture.h"
#include "zrxhost/spaces.h"
#include "db/database_impl.h"

namespace {

template <class Table>
ZcDbObjectId recordId(ZcDbDatabase*, ZcDbObjectId table, const char* name)
{
    ZcDbObjectPointer<Table> t(table, ZcDb::kForRead);
    ZcDbObjectId id;
    t->getAt(name, id);
    return id;
}

template <class Record, class Table>
ZcDbObjectId addRecord(ZcDbObjectId table, Record* record, const char* name)
{
    record->setName(name);
    ZcDbObjectPointer<Table> t(table, ZcDb::kForWrite);
    ZcDbObjectId id;
    t->add(id, record);
    record->close();
    return id;
}

ZcDbObjectId addLayer(ZcDbDatabase* db, const char* name, int color, ZcDbObjectId linetype = {})
{
    auto* layer = new ZcDbLayerTableRecord;
    ZcCmColor c;
    c.setColorIndex(static_cast<uint16_t>(color));
    layer->setColor(c);
    layer->setLinetypeObjectId(linetype.isNull() ? db->continuousLinetype() : linetype);
    return addRecord<ZcDbLayerTableRecord, ZcDbLayerTable>(db->layerTableId(), layer, name);
}

int layerColor(ZcDbDatabase* db, const char* name)
{
    ZcDbObjectPointer<ZcDbLayerTableRecord> layer(recordId<ZcDbLayerTable>(db, db->layerTableId(), name), ZcDb::kForRead);
    return layer.openStatus() == Zcad::eOk ? layer->color().colorIndex() : -1;
}

std::vector<ZcDbObjectId> modelSpace(ZcDbDatabase* db)
{
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db), ZcDb::kForRead);
    std::vector<ZcDbObjectId> out;
    for (ZcDbObjectId id : zrxhost::entityIds(ms.object())) {
        if (!id.isErased()) out.push_back(id);
    }
    return out;
}

class DrawingCopy : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        // A plate line on a dashed layer with xdata, a text in a style of its own, a
        // reference to a block, and what the copy must leave behind.
        dashed = addRecord<ZcDbLinetypeTableRecord, ZcDbLinetypeTable>(db->linetypeTableId(), new ZcDbLinetypeTableRecord,
                                                                         "DASHED");
        addLayer(db.get(), "STIFF", 3, dashed);
        addLayer(db.get(), "UNUSED", 4);
        regApp("STIFF_SupportDraw_JitsuitaLine");
        plate = addToModelSpace(new ZcDbLine({100, 200, 0}, {400, 200, 0}));
        {
            resbuf* xd = zcutBuildList(1001, "STIFF_SupportDraw_JitsuitaLine", 1000, "2F", RTNONE);
            ZcDbObjectPointer<ZcDbEntity> e(plate, ZcDb::kForWrite);
            EXPECT_EQ(e->setLayer("STIFF"), Zcad::eOk);
            EXPECT_EQ(e->setLinetype(dashed), Zcad::eOk);
            EXPECT_EQ(e->setXData(xd), Zcad::eOk);
            zcutRelRb(xd);
        }
        ZcDbObjectId jis = addRecord<ZcDbTextStyleTableRecord, ZcDbTextStyleTable>(db->textStyleTableId(),
                                                                                  new ZcDbTextStyleTableRecord, "JIS");
        label = addToModelSpace(new ZcDbText({150, 250, 0}, "L-150x90x9", jis, 50, 0));
        auto* block = new ZcDbBlockTableRecord;
        ZcDbObjectId blockId = addRecord<ZcDbBlockTableRecord, ZcDbBlockTable>(db->blockTableId(), block, "MARK");
        {
            ZcDbObjectPointer<ZcDbBlockTableRecord> b(blockId, ZcDb::kForWrite);
            auto* circle = new ZcDbCircle({0, 0, 0}, ZcGeVector3d::kZAxis, 5);
            b->appendZcDbEntity(circle);
            circle->close();
        }
        mark = addToModelSpace(new ZcDbBlockReference({300, 300, 0}, blockId));
        left = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 1, 0}));
    }

    ZcDbObjectId dashed, plate, label, mark, left;
};

TEST_F(DrawingCopy, WblockMakesADrawingOfTheEntitiesWithWhatTheyUse)
{
    ZcDbDatabase* out = nullptr;
    ZcDbObjectIdArray ids;
    for (ZcDbObjectId id : {plate, label, mark}) ids.append(id);
    ASSERT_EQ(db->wblock(out, ids, ZcGePoint3d(10, 20, 0)), Zcad::eOk);
    std::unique_ptr<ZcDbDatabase> owned(out);

    std::vector<ZcDbObjectId> copied = modelSpace(out);
    ASSERT_EQ(copied.size(), 3u);
    EXPECT_TRUE(out->insbase().isEqualTo(ZcGePoint3d(10, 20, 0)));
    {
        // The entities keep their places; the base point is only where the drawing is
        // inserted from.
        ZcDbObjectPointer<ZcDbLine> line(copied[0], ZcDb::kForRead);
        ASSERT_EQ(line.openStatus(), Zcad::eOk);
        EXPECT_TRUE(line->startPoint().isEqualTo(ZcGePoint3d(100, 200, 0)));
        EXPECT_EQ(line->layerId(), recordId<ZcDbLayerTable>(out, out->layerTableId(), "STIFF"));
        EXPECT_EQ(line->linetypeId(), recordId<ZcDbLinetypeTable>(out, out->linetypeTableId(), "DASHED"));
        resbuf* xd = line->xData("STIFF_SupportDraw_JitsuitaLine");
        ASSERT_NE(xd, nullptr);
        ASSERT_NE(xd->rbnext, nullptr);
        EXPECT_STREQ(xd->rbnext->resval.rstring, "2F");
        zcutRelRb(xd);
    }
    EXPECT_EQ(layerColor(out, "STIFF"), 3);
    EXPECT_EQ(layerColor(out, "UNUSED"), -1);
    // What every drawing has is there too.
    EXPECT_EQ(layerColor(out, "0"), 7);
    EXPECT_FALSE(recordId<ZcDbTextStyleTable>(out, out->textStyleTableId(), "JIS").isNull());
    EXPECT_FALSE(recordId<ZcDbTextStyleTable>(out, out->textStyleTableId(), "Standard").isNull());
    EXPECT_FALSE(recordId<ZcDbBlockTable>(out, out->blockTableId(), "MARK").isNull());
    EXPECT_FALSE(recordId<ZcDbRegAppTable>(out, out->regAppTableId(), "ACAD").isNull());
    {
        ZcDbObjectPointer<ZcDbBlockReference> ref(copied[2], ZcDb::kForRead);
        ASSERT_EQ(ref.openStatus(), Zcad::eOk);
        EXPECT_EQ(ref->blockTableRecord(), recordId<ZcDbBlockTable>(out, out->blockTableId(), "MARK"));
    }
    // The source is as it was.
    EXPECT_EQ(modelSpace(db.get()).size(), 4u);
}

TEST_F(DrawingCopy, HandlesOfTheWblockedDrawingAreItsOwnAndNeverCollide)
{
    ZcDbDatabase out(false, true);
    ZcDbObjectIdArray ids;
    for (ZcDbObjectId id : {plate, label, mark}) ids.append(id);
    ASSERT_EQ(db->wblock(&out, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore), Zcad::eOk);
    std::set<uint64_t> handles;
    for (const zrxhost::ObjectStub& s : zrxhost::stateOf(&out)->stubs()) {
        EXPECT_TRUE(handles.insert(s.handle).second) << std::hex << s.handle;
    }
    uint64_t next = static_cast<uint64_t>(out.handseed());
    EXPECT_EQ(handles.count(next), 0u);
    auto* more = new ZcDbLine({0, 0, 0}, {5, 5, 0});
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&out), ZcDb::kForWrite);
    ZcDbObjectId id;
    ASSERT_EQ(ms->appendZcDbEntity(id, more), Zcad::eOk);
    more->close();
    EXPECT_EQ(handles.count(static_cast<uint64_t>(id.handle())), 0u);
}

TEST_F(DrawingCopy, TheInsertionBaseIsWrittenAndReadWithTheDrawing)
{
    ZcDbDatabase* out = nullptr;
    ZcDbObjectIdArray ids;
    ids.append(plate);
    ASSERT_EQ(db->wblock(out, ids, ZcGePoint3d(-5, 7.5, 0)), Zcad::eOk);
    std::unique_ptr<ZcDbDatabase> owned(out);
    std::string path = ::testing::TempDir() + "/wblocked-" + std::to_string(getpid()) + ".dwg";
    ASSERT_EQ(out->saveAs(path.c_str()), Zcad::eOk);
    ZcDbDatabase back(false, true);
    ASSERT_EQ(back.readDwgFile(path.c_str()), Zcad::eOk);
    EXPECT_TRUE(back.insbase().isEqualTo(ZcGePoint3d(-5, 7.5, 0)));
    EXPECT_EQ(modelSpace(&back).size(), 1u);
    std::filesystem::remove(path);
}

TEST_F(DrawingCopy, WblockRefusesWhatItCannotCopy)
{
    ZcDbDatabase other;
    ZcDbObjectId foreign;
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&other), ZcDb::kForWrite);
        auto* line = new ZcDbLine({0, 0, 0}, {1, 0, 0});
        ms->appendZcDbEntity(foreign, line);
        line->close();
    }
    {
        ZcDbObjectPointer<ZcDbEntity> e(left, ZcDb::kForWrite);
        e->erase();
    }
    auto refusal = [&](ZcDbObjectId bad) {
        ZcDbObjectIdArray ids;
        ids.append(plate);
        ids.append(bad);
        ZcDbDatabase* out = reinterpret_cast<ZcDbDatabase*>(1);
        Zcad::ErrorStatus es = db->wblock(out, ids, ZcGePoint3d::kOrigin);
        EXPECT_EQ(out, nullptr);
        return es;
    };
    EXPECT_EQ(refusal(foreign), Zcad::eWrongDatabase);
    EXPECT_EQ(refusal(left), Zcad::eWasErased);
    EXPECT_EQ(refusal(ZcDbObjectId::kNull), Zcad::eNullObjectId);
    EXPECT_EQ(refusal(dashed), Zcad::eIllegalEntityType);

    ZcDbObjectIdArray ids;
    ids.append(plate);
    ZcDbDatabase full;  // a default drawing is not an empty one
    EXPECT_EQ(db->wblock(&full, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore), Zcad::eInvalidInput);
    EXPECT_EQ(modelSpace(&full).size(), 0u);
    ZcDbDatabase empty(false, true);
    EXPECT_EQ(db->wblock(&empty, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcMangleName), Zcad::eNotApplicable);
    EXPECT_EQ(db->wblock(static_cast<ZcDbDatabase*>(nullptr), ids, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore),
              Zcad::eNullObjectPointer);
    // Nothing was built into the output by a refusal.
    EXPECT_EQ(db->wblock(&empty, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore), Zcad::eOk);
}

TEST_F(DrawingCopy, ReplacingDuplicatesGivesTheOutputTheSourceRecordsSettings)
{
    {
        ZcDbObjectPointer<ZcDbLayerTableRecord> zero(db->clayer(), ZcDb::kForWrite);
        ZcCmColor c;
        c.setColorIndex(5);
        zero->setColor(c);
    }
    ZcDbObjectId onZero = addToModelSpace(new ZcDbLine({0, 0, 0}, {0, 9, 0}));
    ZcDbObjectIdArray ids;
    ids.append(onZero);
    ZcDbDatabase kept(false, true), replaced(false, true);
    ASSERT_EQ(db->wblock(&kept, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore), Zcad::eOk);
    ASSERT_EQ(db->wblock(&replaced, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcReplace), Zcad::eOk);
    EXPECT_EQ(layerColor(&kept, "0"), 7);
    EXPECT_EQ(layerColor(&replaced, "0"), 5);
    // The replaced record is still the one the drawing's settings and entities name.
    EXPECT_EQ(replaced.clayer(), recordId<ZcDbLayerTable>(&replaced, replaced.layerTableId(), "0"));
    ZcDbObjectPointer<ZcDbEntity> line(modelSpace(&replaced).front(), ZcDb::kForRead);
    EXPECT_EQ(line->layerId(), replaced.clayer());
}

TEST_F(DrawingCopy, InsertWithAMatrixPutsTheSourceModelSpaceIntoThisOne)
{
    ZcDbDatabase target;
    addLayer(&target, "STIFF", 1);
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&target), ZcDb::kForWrite);
        auto* own = new ZcDbLine({0, 0, 0}, {0, 50, 0});
        ms->appendZcDbEntity(own);
        own->close();
    }
    {
        ZcDbObjectPointer<ZcDbEntity> e(left, ZcDb::kForWrite);
        e->erase();
    }
    // A quarter turn about the origin, then 1000 along X.
    ZcGeMatrix3d xform = ZcGeMatrix3d::translation(ZcGeVector3d(1000, 0, 0)) *
                         ZcGeMatrix3d::rotation(M_PI / 2, ZcGeVector3d::kZAxis, ZcGePoint3d::kOrigin);
    ASSERT_EQ(target.insert(xform, db.get()), Zcad::eOk);

    std::vector<ZcDbObjectId> all = modelSpace(&target);
    ASSERT_EQ(all.size(), 4u);
    {
        ZcDbObjectPointer<ZcDbLine> line(all[1], ZcDb::kForRead);
        ASSERT_EQ(line.openStatus(), Zcad::eOk);
        EXPECT_TRUE(line->startPoint().isEqualTo(ZcGePoint3d(800, 100, 0)));
        EXPECT_TRUE(line->endPoint().isEqualTo(ZcGePoint3d(800, 400, 0)));
        EXPECT_EQ(line->layerId(), recordId<ZcDbLayerTable>(&target, target.layerTableId(), "STIFF"));
        resbuf* xd = line->xData("STIFF_SupportDraw_JitsuitaLine");
        EXPECT_NE(xd, nullptr);
        zcutRelRb(xd);
    }
    // The tables are merged: this drawing's own record of a name wins, what it lacked is
    // brought in, used or not.
    EXPECT_EQ(layerColor(&target, "STIFF"), 1);
    EXPECT_EQ(layerColor(&target, "UNUSED"), 4);
    EXPECT_FALSE(recordId<ZcDbBlockTable>(&target, target.blockTableId(), "MARK").isNull());
    EXPECT_FALSE(recordId<ZcDbLinetypeTable>(&target, target.linetypeTableId(), "DASHED").isNull());
    {
        ZcDbObjectPointer<ZcDbBlockReference> ref(all[3], ZcDb::kForRead);
        EXPECT_TRUE(ref->position().isEqualTo(ZcGePoint3d(700, 300, 0)));
    }
    // The source is kept as it was.
    ZcDbObjectPointer<ZcDbLine> source(plate, ZcDb::kForRead);
    EXPECT_TRUE(source->startPoint().isEqualTo(ZcGePoint3d(100, 200, 0)));
    EXPECT_EQ(modelSpace(db.get()).size(), 3u);
}

TEST_F(DrawingCopy, InsertRefusesANullSourceAndItself)
{
    ZcDbDatabase target;
    EXPECT_EQ(target.insert(ZcGeMatrix3d::kIdentity, nullptr), Zcad::eNullObjectPointer);
    EXPECT_EQ(target.insert(ZcGeMatrix3d::kIdentity, &target), Zcad::eSelfReference);
    EXPECT_TRUE(modelSpace(&target).empty());
}

}  // namespace
