// Drawings through a save and a load: what the host models comes back with its values and
// handles, what it does not model comes back as it was, and new objects never take a
// handle the drawing already used.
#include <cmath>

#include "dxf/raw_objects.h"
#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"
#include "db/record_name.h"
#include "zrxhost/spaces.h"
#include "db/access.h"

namespace {

class DxfRoundTrip : public HostTest {
protected:
    // Saves the test drawing in a version and reads it into a new database.
    std::unique_ptr<ZcDbDatabase> saveAndLoad(ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT)
    {
        std::string path = dir.file("plan.dxf");
        EXPECT_EQ(db->saveAs(path.c_str(), false, version), Zcad::eOk) << zrxhost::lastDrawingFileError();
        return load(path);
    }

    std::unique_ptr<ZcDbDatabase> load(const std::string& path) { return loadDrawing(path); }

    template <class T>
    ZcDbObjectPointer<T> open(ZcDbDatabase* d, ZcDbHandle h)
    {
        return openByHandle<T>(d, h);
    }

    std::vector<ZcDbHandle> modelSpaceHandles(ZcDbDatabase* d)
    {
        std::vector<ZcDbHandle> out;
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(d), ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* it = nullptr;
        ms->newIterator(it);
        for (; !it->done(); it->step()) {
            ZcDbObjectId id;
            it->getEntityId(id);
            out.push_back(id.handle());
        }
        delete it;
        return out;
    }

    dxftest::ScratchDir dir;
};

TEST_F(DxfRoundTrip, EntitiesComeBackWithTheirValuesHandlesAndOrder)
{
    auto* line = new ZcDbLine({0, 0, 0}, {12000.125, -3.5, 7});
    line->setColorIndex(1);
    ZcDbObjectId lineId = addToModelSpace(line);
    auto* arc = new ZcDbArc({500, 500, 0}, 250, M_PI / 6, 2 * M_PI / 3);
    ZcDbObjectId arcId = addToModelSpace(arc);
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, {0, 0}, 0.5, 0, 0);
    pl->addVertexAt(1, {1000, 0}, -0.25, 2, 3);
    pl->addVertexAt(2, {1000, 800});
    pl->setClosed(true);
    ZcDbObjectId plId = addToModelSpace(pl);
    auto* text = new ZcDbText({250, 75, 0}, "肋骨 FR.25 ロンジ", ZcDbObjectId::kNull, 2.5, 0.5);
    ZcDbObjectId textId = addToModelSpace(text);
    std::vector<ZcDbHandle> before = modelSpaceHandles(db.get());

    auto loaded = saveAndLoad();
    EXPECT_EQ(modelSpaceHandles(loaded.get()), before);
    {
        auto l = open<ZcDbLine>(loaded.get(), lineId.handle());
        ASSERT_EQ(l.openStatus(), Zcad::eOk);
        EXPECT_EQ(l->endPoint(), ZcGePoint3d(12000.125, -3.5, 7));
        EXPECT_EQ(l->colorIndex(), 1);
    }
    {
        auto a = open<ZcDbArc>(loaded.get(), arcId.handle());
        ASSERT_EQ(a.openStatus(), Zcad::eOk);
        EXPECT_NEAR(a->startAngle(), M_PI / 6, 1e-12);
        EXPECT_NEAR(a->endAngle(), 2 * M_PI / 3, 1e-12);
    }
    {
        auto p = open<ZcDbPolyline>(loaded.get(), plId.handle());
        ASSERT_EQ(p.openStatus(), Zcad::eOk);
        ASSERT_EQ(p->numVerts(), 3u);
        double bulge = 0, sw = 0, ew = 0;
        p->getBulgeAt(1, bulge);
        p->getWidthsAt(1, sw, ew);
        EXPECT_EQ(bulge, -0.25);
        EXPECT_EQ(sw, 2.0);
        EXPECT_EQ(ew, 3.0);
        EXPECT_TRUE(p->isClosed());
    }
    {
        auto t = open<ZcDbText>(loaded.get(), textId.handle());
        ASSERT_EQ(t.openStatus(), Zcad::eOk);
        EXPECT_STREQ(t->textStringConst(), "肋骨 FR.25 ロンジ");
        EXPECT_NEAR(t->rotation(), 0.5, 1e-12);
        EXPECT_EQ(t->height(), 2.5);
    }
}

TEST_F(DxfRoundTrip, SplinesKeepTheirFitPoints)
{
    ZcGePoint3dArray fit;
    fit.append({0, 0, 0});
    fit.append({300, 150, 0});
    fit.append({600, -80, 0});
    fit.append({900, 40, 0});
    ZcDbObjectId id = addToModelSpace(new ZcDbSpline(fit));
    auto loaded = saveAndLoad();
    auto s = open<ZcDbSpline>(loaded.get(), id.handle());
    ASSERT_EQ(s.openStatus(), Zcad::eOk);
    ASSERT_EQ(s->numFitPoints(), 4);
    ZcGePoint3d p;
    s->getFitPointAt(2, p);
    EXPECT_EQ(p, ZcGePoint3d(600, -80, 0));
    ZcGePoint3d start;
    s->getStartPoint(start);
    EXPECT_EQ(start, ZcGePoint3d(0, 0, 0));
}

TEST_F(DxfRoundTrip, XdataOfEveryApplicationComesBackInOrder)
{
    regApp("STIFF");
    regApp("QORCOM");
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        ads_point p = {1.5, 2.5, 3.5};
        resbuf* x = zcutBuildList(1001, "QORCOM", 1000, "L-100x75x7", 1002, "{", 1070, 3, 1002, "}", 1001, "STIFF",
                                  1040, 12.5, 1071, 123456, 1010, p, 0);
        ASSERT_EQ(e->setXData(x), Zcad::eOk);
        zcutRelRb(x);
    }
    auto loaded = saveAndLoad();
    auto e = open<ZcDbEntity>(loaded.get(), id.handle());
    resbuf* all = e->xData();
    std::vector<int> codes;
    for (resbuf* rb = all; rb != nullptr; rb = rb->rbnext) codes.push_back(rb->restype);
    EXPECT_EQ(codes, (std::vector<int>{1001, 1000, 1002, 1070, 1002, 1001, 1040, 1071, 1010}));
    resbuf* last = all;
    while (last->rbnext != nullptr) last = last->rbnext;
    EXPECT_EQ(last->resval.rpoint[2], 3.5);
    zcutRelRb(all);
}

TEST_F(DxfRoundTrip, BlocksReferencesAttributesAndGroupsComeBack)
{
    ZcDbObjectId blockId;
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(db->blockTableId(), ZcDb::kForWrite);
        auto* btr = new ZcDbBlockTableRecord;
        btr->setName("FRAME_MARK");
        btr->setOrigin({1, 2, 0});
        table->add(blockId, btr);
        auto* circle = new ZcDbCircle({0, 0, 0}, {0, 0, 1}, 5);
        btr->appendZcDbEntity(circle);
        circle->close();
        auto* def = new ZcDbAttributeDefinition({0, -8, 0}, "FR.0", "FR", "Frame number");
        def->setHeight(2.5);
        btr->appendZcDbEntity(def);
        def->close();
        btr->close();
    }
    auto* ref = new ZcDbBlockReference({2000, 100, 0}, blockId);
    ref->setRotation(0.25);
    ZcDbObjectId refId = addToModelSpace(ref);
    ZcDbObjectId attId;
    {
        ZcDbObjectPointer<ZcDbBlockReference> r(refId, ZcDb::kForWrite);
        auto* att = new ZcDbAttribute({2000, 92, 0}, "FR.25", "FR");
        att->setHeight(2.5);
        r->appendAttribute(attId, att);
        att->close();
    }
    ZcDbObjectId groupId;
    {
        ZcDbObjectPointer<ZcDbDictionary> groups(db->groupDictionaryId(), ZcDb::kForWrite);
        auto* g = new ZcDbGroup("frame 25");
        groups->setAt("FRAME_25", g, groupId);
        g->append(refId);
        g->close();
    }
    auto loaded = saveAndLoad();
    {
        auto r = open<ZcDbBlockReference>(loaded.get(), refId.handle());
        ASSERT_EQ(r.openStatus(), Zcad::eOk);
        EXPECT_NEAR(r->rotation(), 0.25, 1e-12);
        ASSERT_EQ(zrxhost::attributeIds(r.object()).length(), 1);
        EXPECT_EQ(zrxhost::attributeIds(r.object())[0].handle(), attId.handle());
        ZcDbObjectPointer<ZcDbBlockTableRecord> b(r->blockTableRecord(), ZcDb::kForRead);
        EXPECT_STREQ(zrxhost::recordName(b.object()), "FRAME_MARK");
        EXPECT_EQ(b->origin(), ZcGePoint3d(1, 2, 0));
        EXPECT_TRUE(b->hasAttributeDefinitions());
        EXPECT_TRUE(r->hasPersistentReactor(ZcDbObjectId()) == false);
    }
    {
        auto a = open<ZcDbAttribute>(loaded.get(), attId.handle());
        EXPECT_STREQ(a->tagConst(), "FR");
        EXPECT_STREQ(a->textStringConst(), "FR.25");
    }
    auto g = open<ZcDbGroup>(loaded.get(), groupId.handle());
    ASSERT_EQ(g.openStatus(), Zcad::eOk);
    EXPECT_STREQ(g->description(), "frame 25");
    ASSERT_EQ(zrxhost::memberIds(g.object()).length(), 1);
    EXPECT_EQ(zrxhost::memberIds(g.object())[0].handle(), refId.handle());
    // The member knows its group again.
    auto r = open<ZcDbBlockReference>(loaded.get(), refId.handle());
    EXPECT_TRUE(r->hasPersistentReactor(g->objectId()));
}

TEST_F(DxfRoundTrip, LayersAndCurrentSettingsComeBack)
{
    ZcDbObjectId layerId;
    {
        ZcDbObjectPointer<ZcDbLayerTable> layers(db->layerTableId(), ZcDb::kForWrite);
        auto* rec = new ZcDbLayerTableRecord;
        rec->setName("STIFFENER");
        ZcCmColor color;
        color.setColorIndex(5);
        rec->setColor(color);
        rec->setIsOff(true);
        rec->setIsLocked(true);
        layers->add(layerId, rec);
        rec->close();
    }
    db->setClayer(layerId);
    auto loaded = saveAndLoad();
    ZcDbObjectPointer<ZcDbLayerTableRecord> rec(loaded->clayer(), ZcDb::kForRead);
    ASSERT_EQ(rec.openStatus(), Zcad::eOk);
    EXPECT_STREQ(zrxhost::recordName(rec.object()), "STIFFENER");
    EXPECT_EQ(rec->color().colorIndex(), 5);
    EXPECT_TRUE(rec->isOff());
    EXPECT_TRUE(rec->isLocked());
    EXPECT_FALSE(rec->isFrozen());
}

TEST_F(DxfRoundTrip, ErasedObjectsAreNotSaved)
{
    ZcDbObjectId keep = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    ZcDbObjectId gone = addToModelSpace(new ZcDbLine({0, 0, 0}, {2, 0, 0}));
    {
        ZcDbObjectPointer<ZcDbLine> l(gone, ZcDb::kForWrite);
        l->erase();
    }
    auto loaded = saveAndLoad();
    ZcDbObjectId id;
    EXPECT_EQ(loaded->getZcDbObjectId(id, false, keep.handle()), Zcad::eOk);
    EXPECT_EQ(loaded->getZcDbObjectId(id, false, gone.handle()), Zcad::eUnknownHandle);
}

TEST_F(DxfRoundTrip, NewObjectsTakeHandlesAboveEverythingTheFileUsed)
{
    for (int i = 0; i < 5; ++i) addToModelSpace(new ZcDbLine({0, 0, 0}, {double(i), 0, 0}));
    auto loaded = saveAndLoad();
    std::string text = dxftest::readFile(dir.file("plan.dxf"));
    size_t at = text.find("$HANDSEED\n  5\n");
    ASSERT_NE(at, std::string::npos);
    uint64_t seed = std::stoull(text.substr(at + 14, text.find('\n', at + 14) - at - 14), nullptr, 16);
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(loaded.get()), ZcDb::kForWrite);
    ZcDbObjectId added;
    auto* line = new ZcDbLine({0, 0, 0}, {9, 9, 0});
    ASSERT_EQ(ms->appendZcDbEntity(added, line), Zcad::eOk);
    line->close();
    EXPECT_GE(static_cast<uint64_t>(added.handle()), seed);
}

TEST_F(DxfRoundTrip, ASecondSaveWritesTheSameFile)
{
    addToModelSpace(new ZcDbCircle({1, 2, 3}, {0, 0, 1}, 4));
    auto* ref = new ZcDbText({0, 0, 0}, "x", ZcDbObjectId::kNull, 1.0);
    addToModelSpace(ref);
    std::string first = dir.file("first.dxf"), second = dir.file("second.dxf");
    ASSERT_EQ(db->saveAs(first.c_str()), Zcad::eOk);
    ASSERT_EQ(db->saveAs(second.c_str()), Zcad::eOk);
    EXPECT_EQ(dxftest::readFile(first), dxftest::readFile(second));
    auto loaded = load(first);
    std::string third = dir.file("third.dxf");
    ASSERT_EQ(loaded->saveAs(third.c_str()), Zcad::eOk);
    EXPECT_EQ(dxftest::readFile(first), dxftest::readFile(third));
}

TEST_F(DxfRoundTrip, TheDrawingsUcsComesBackInEveryVersion)
{
    ZcGeMatrix3d ucs;
    ucs.setCoordSystem({1000, 500, 20}, ZcGeVector3d(0, 1, 0), ZcGeVector3d(-1, 0, 0), ZcGeVector3d::kZAxis);
    ASSERT_EQ(zcedSetCurrentUCS(ucs), Zcad::eOk);
    for (auto version : {ZcDb::kDHL_CURRENT, ZcDb::kDHL_1009}) {
        auto loaded = saveAndLoad(version);
        ZcGeMatrix3d back;
        ASSERT_TRUE(zcdbUcsMatrix(back, loaded.get()));
        EXPECT_TRUE(back.isEqualTo(ucs)) << "version " << version;
    }
}

TEST_F(DxfRoundTrip, AHeaderUcsIsSquaredUpOrIfItMakesNoSystemLeftForTheWorld)
{
    auto loadUcs = [this](const char* xx, const char* xy, const char* yx, const char* yy) {
        std::string path = dir.file("ucs.dxf");
        dxftest::writeFile(path, dxftest::pairs({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"},
                                                 {9, "$UCSORG"}, {10, "5"}, {20, "5"}, {30, "0"},
                                                 {9, "$UCSXDIR"}, {10, xx}, {20, xy}, {30, "0"},
                                                 {9, "$UCSYDIR"}, {10, yx}, {20, yy}, {30, "0"},
                                                 {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}, {0, "ENDSEC"},
                                                 {0, "EOF"}}));
        auto loaded = load(path);
        ZcGeMatrix3d back;
        EXPECT_TRUE(zcdbUcsMatrix(back, loaded.get()));
        return back;
    };
    // Axes at 45 degrees to each other make no coordinate system.
    EXPECT_TRUE(loadUcs("1", "1", "0", "1").isEqualTo(ZcGeMatrix3d::kIdentity));
    // Axes written with four digits are a little off the right angle.
    ZcGeMatrix3d turned = loadUcs("0.7071", "0.7071", "-0.7071", "0.7072");
    ZcGePoint3d origin;
    ZcGeVector3d x, y, z;
    turned.getCoordSystem(origin, x, y, z);
    EXPECT_TRUE(origin.isEqualTo({5, 5, 0}));
    EXPECT_NEAR(x.x, std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(x.dotProduct(y), 0.0, 1e-12);
    EXPECT_TRUE(z.isEqualTo(ZcGeVector3d::kZAxis));
}

TEST_F(DxfRoundTrip, R12TurnsLightWeightPolylinesIntoOldOnes)
{
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, {0, 0}, 1.0);
    pl->addVertexAt(1, {10, 0});
    addToModelSpace(pl);
    addToModelSpace(new ZcDbXline);
    std::string path = dir.file("old.dxf");
    ASSERT_EQ(db->dxfOut(path.c_str(), 16, ZcDb::kDHL_1009), Zcad::eOk);
    std::string text = dxftest::readFile(path);
    EXPECT_NE(text.find("AC1009"), std::string::npos);
    EXPECT_EQ(text.find("LWPOLYLINE"), std::string::npos);
    EXPECT_EQ(text.find("XLINE"), std::string::npos);  // R12 has no construction lines
    EXPECT_EQ(text.find("AcDbEntity"), std::string::npos);
    EXPECT_NE(text.find("\nPOLYLINE\n"), std::string::npos);
    EXPECT_NE(text.find("\nSEQEND\n"), std::string::npos);
    auto loaded = load(path);
    EXPECT_EQ(modelSpaceHandles(loaded.get()).size(), 1u);
}

// ---- content the host does not model ----

class DxfKeptContent : public DxfRoundTrip {};

TEST_F(DxfKeptContent, AnUnmodelledEntityIsAnEntityOfItsOwnKindThatComesBackAsItWas)
{
    std::string mtext = dxftest::pairs({{0, "MTEXT"}, {5, "2A"}, {8, "HULL"}, {62, "2"}, {10, "1.5"}, {20, "2.5"},
                                        {30, "0"}, {40, "3.5"}, {1, "\\U+4E8C\\U+91CD\\U+5E95\\P1st line"}, {71, "1"}});
    std::string line = dxftest::pairs({{0, "LINE"}, {5, "2B"}, {8, "HULL"}, {10, "0"}, {20, "0"}, {30, "0"},
                                       {11, "1"}, {21, "1"}, {31, "0"}});
    std::string path = dir.file("kept.dxf");
    dxftest::writeFile(path, dxftest::r12Drawing(mtext + line));
    auto loaded = load(path);
    auto e = open<ZcDbEntity>(loaded.get(), ZcDbHandle(0x2A));
    ASSERT_EQ(e.openStatus(), Zcad::eOk);
    EXPECT_STREQ(e->isA()->dxfName(), "MTEXT");
    EXPECT_NE(ZcDbRawEntity::cast(e.object()), nullptr);
    EXPECT_EQ(e->colorIndex(), 2);
    char* layer = e->layer();
    EXPECT_STREQ(layer, "HULL");
    zcutDelString(layer);
    e.close();
    EXPECT_EQ(modelSpaceHandles(loaded.get()), (std::vector<ZcDbHandle>{0x2A, 0x2B}));

    std::string out = dir.file("kept_out.dxf");
    ASSERT_EQ(loaded->saveAs(out.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    std::string text = dxftest::readFile(out);
    EXPECT_NE(text.find("\n  1\n二重底\\P1st line\n"), std::string::npos);
    EXPECT_NE(text.find("\n 71\n1\n"), std::string::npos);
}

TEST_F(DxfKeptContent, AnErasedUnmodelledEntityIsNotSaved)
{
    std::string path = dir.file("kept.dxf");
    dxftest::writeFile(path, dxftest::r12Drawing(dxftest::pairs({{0, "3DFACE"}, {5, "2A"}, {8, "HULL"}, {10, "0"},
                                                                 {20, "0"}, {30, "0"}})));
    auto loaded = load(path);
    {
        auto e = open<ZcDbEntity>(loaded.get(), ZcDbHandle(0x2A));
        ASSERT_EQ(e.openStatus(), Zcad::eOk);
        ASSERT_EQ(e->upgradeOpen(), Zcad::eOk);
        EXPECT_EQ(e->erase(), Zcad::eOk);
    }
    EXPECT_TRUE(modelSpaceHandles(loaded.get()).empty());
    std::string out = dir.file("out.dxf");
    ASSERT_EQ(loaded->saveAs(out.c_str()), Zcad::eOk);
    EXPECT_EQ(dxftest::readFile(out).find("3DFACE"), std::string::npos);
}

TEST_F(DxfKeptContent, UnmodelledPairsOfAModelledEntityComeBackAndTrueColourFollowsTheIndex)
{
    std::string line = dxftest::pairs({{0, "LINE"}, {5, "2B"}, {8, "HULL"}, {62, "3"}, {420, "2138367"},
                                       {440, "33554457"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "1"}, {21, "1"},
                                       {31, "0"}});
    std::string path = dir.file("colour.dxf");
    dxftest::writeFile(path, dxftest::r12Drawing(line));
    auto loaded = load(path);
    std::string out = dir.file("out.dxf");
    ASSERT_EQ(loaded->saveAs(out.c_str()), Zcad::eOk);
    std::string text = dxftest::readFile(out);
    EXPECT_NE(text.find("\n420\n2138367\n"), std::string::npos);
    EXPECT_NE(text.find("\n440\n33554457\n"), std::string::npos);
    {
        auto e = open<ZcDbEntity>(loaded.get(), ZcDbHandle(0x2B));
        e->upgradeOpen();
        e->setColorIndex(1);
    }
    ASSERT_EQ(loaded->saveAs(out.c_str()), Zcad::eOk);
    text = dxftest::readFile(out);
    EXPECT_EQ(text.find("\n420\n"), std::string::npos);
    EXPECT_NE(text.find("\n440\n33554457\n"), std::string::npos);
}

}  // namespace
