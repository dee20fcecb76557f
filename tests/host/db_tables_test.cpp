// Symbol tables, dictionaries and groups of a drawing.
#include <string>

#include "support/host_fixture.h"
#include "db/record_name.h"

namespace {

using Tables = HostTest;

ZcDbObjectId addLayer(ZcDbDatabase* db, const char* name)
{
    ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForWrite);
    auto* layer = new ZcDbLayerTableRecord;
    layer->setName(name);
    ZcDbObjectId id;
    EXPECT_EQ(table->add(id, layer), Zcad::eOk);
    layer->close();
    return id;
}

TEST_F(Tables, ANewDrawingHoldsWhatThePlatformPutsThere)
{
    ZcDbObjectPointer<ZcDbBlockTable> bt(db->blockTableId(), ZcDb::kForRead);
    EXPECT_TRUE(bt->has("*Model_Space"));
    EXPECT_TRUE(bt->has("*PAPER_SPACE"));
    ZcDbObjectPointer<ZcDbLinetypeTable> lt(db->linetypeTableId(), ZcDb::kForRead);
    EXPECT_TRUE(lt->has("ByLayer") && lt->has("ByBlock") && lt->has("Continuous"));
    ZcDbObjectPointer<ZcDbRegAppTable> apps(db->regAppTableId(), ZcDb::kForRead);
    EXPECT_TRUE(apps->has("ACAD"));
    ZcDbObjectPointer<ZcDbDictionary> nod(db->namedObjectsDictionaryId(), ZcDb::kForRead);
    ZcDbObjectId groups;
    EXPECT_EQ(nod->getAt("ACAD_GROUP", groups), Zcad::eOk);
    EXPECT_EQ(groups, db->groupDictionaryId());
    ZcDbObjectPointer<ZcDbLayerTableRecord> layer0(db->clayer(), ZcDb::kForRead);
    EXPECT_STREQ(zrxhost::recordName(layer0.object()), "0");
    EXPECT_EQ(layer0->linetypeObjectId(), db->continuousLinetype());
}

TEST_F(Tables, NamesAreUniqueWithoutRegardToCase)
{
    ZcDbObjectId stiff = addLayer(db.get(), "STIFF");
    ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForWrite);
    ZcDbObjectId found;
    EXPECT_EQ(table->getAt("stiff", found), Zcad::eOk);
    EXPECT_EQ(found, stiff);
    auto* dup = new ZcDbLayerTableRecord;
    dup->setName("Stiff");
    EXPECT_EQ(table->add(dup), Zcad::eDuplicateRecordName);
    delete dup;
    auto* bad = new ZcDbLayerTableRecord;
    EXPECT_EQ(bad->setName("A<B"), Zcad::eInvalidSymbolTableName);
    delete bad;
}

TEST_F(Tables, RenamingARecordMovesItInTheIndex)
{
    ZcDbObjectId id = addLayer(db.get(), "OLD");
    addLayer(db.get(), "TAKEN");
    {
        ZcDbObjectPointer<ZcDbLayerTableRecord> rec(id, ZcDb::kForWrite);
        EXPECT_EQ(rec->setName("taken"), Zcad::eDuplicateRecordName);
        EXPECT_EQ(rec->setName("NEW"), Zcad::eOk);
    }
    ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForRead);
    EXPECT_FALSE(table->has("OLD"));
    ZcDbObjectId found;
    EXPECT_EQ(table->getAt("new", found), Zcad::eOk);
    EXPECT_EQ(found, id);
}

TEST_F(Tables, EntitiesTakeTheCurrentLayerAndRefuseUnknownOnes)
{
    ZcDbObjectId stiff = addLayer(db.get(), "STIFF");
    ASSERT_EQ(db->setClayer(stiff), Zcad::eOk);
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    ZcDbObjectPointer<ZcDbLine> line(id, ZcDb::kForWrite);
    char* name = line->layer();
    EXPECT_STREQ(name, "STIFF");
    zcutDelString(name);
    EXPECT_EQ(line->setLayer("NO_SUCH_LAYER"), Zcad::eKeyNotFound);
    EXPECT_EQ(line->layerId(), stiff);
    EXPECT_EQ(line->setLayer("0"), Zcad::eOk);
    EXPECT_EQ(line->setLinetype(stiff), Zcad::eWrongObjectType);
    EXPECT_EQ(db->setClayer(db->continuousLinetype()), Zcad::eWrongObjectType);
}

TEST_F(Tables, LayerTableIteratorSkipsErasedRecords)
{
    ZcDbObjectId gone = addLayer(db.get(), "GONE");
    addLayer(db.get(), "KEPT");
    {
        ZcDbObjectPointer<ZcDbLayerTableRecord> rec(gone, ZcDb::kForWrite);
        rec->erase();
    }
    ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForRead);
    EXPECT_FALSE(table->has("GONE"));
    ZcDbSymbolTableIterator* it = nullptr;
    table->newIterator(it);
    std::string names;
    for (; !it->done(); it->step()) {
        ZcDbSymbolTableRecord* rec = nullptr;
        ASSERT_EQ(it->getRecord(rec, ZcDb::kForRead), Zcad::eOk);
        names += std::string(zrxhost::recordName(rec)) + ";";
        rec->close();
    }
    delete it;
    EXPECT_EQ(names, "0;KEPT;");
}

TEST_F(Tables, DictionaryKeysIgnoreCaseAndRemovalKeepsTheObject)
{
    ZcDbObjectPointer<ZcDbDictionary> nod(db->namedObjectsDictionaryId(), ZcDb::kForWrite);
    auto* mine = new ZcDbDictionary;
    ZcDbObjectId id;
    ASSERT_EQ(nod->setAt("TREVAN_DATA", mine, id), Zcad::eOk);
    mine->close();
    EXPECT_TRUE(nod->has("trevan_data"));
    ZcDbDictionaryIterator* it = nod->newIterator();
    std::string keys;
    for (; !it->done(); it->next()) keys += std::string(it->name()) + ";";
    delete it;
    EXPECT_EQ(keys, "ACAD_GROUP;TREVAN_DATA;");
    char* key = nullptr;
    ASSERT_EQ(nod->nameAt(id, key), Zcad::eOk);
    EXPECT_STREQ(key, "TREVAN_DATA");
    zcutDelString(key);
    ZcDbObjectId removed;
    ASSERT_EQ(nod->remove("Trevan_Data", removed), Zcad::eOk);
    EXPECT_EQ(removed, id);
    EXPECT_TRUE(removed.isValid());
    EXPECT_EQ(nod->remove("TREVAN_DATA"), Zcad::eKeyNotFound);
    EXPECT_EQ(nod->nameAt(id, key), Zcad::eKeyNotFound);
    EXPECT_EQ(key, nullptr);
}

class Groups : public HostTest {
protected:
    ZcDbObjectId newGroup(const char* name, ZcDbGroup*& group)
    {
        ZcDbObjectPointer<ZcDbDictionary> dict(db->groupDictionaryId(), ZcDb::kForWrite);
        group = new ZcDbGroup("plate lines");
        ZcDbObjectId id;
        EXPECT_EQ(dict->setAt(name, group, id), Zcad::eOk);
        return id;
    }
};

TEST_F(Groups, MembersKeepOrderAndKnowTheirGroup)
{
    ZcDbObjectId a = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    ZcDbObjectId b = addToModelSpace(new ZcDbLine({0, 1, 0}, {1, 1, 0}));
    ZcDbObjectId c = addToModelSpace(new ZcDbLine({0, 2, 0}, {1, 2, 0}));
    ZcDbGroup* group = nullptr;
    ZcDbObjectId gid = newGroup("*A1", group);
    ASSERT_EQ(group->append(b), Zcad::eOk);
    ASSERT_EQ(group->append(c), Zcad::eOk);
    ASSERT_EQ(group->prepend(a), Zcad::eOk);
    EXPECT_EQ(group->append(a), Zcad::eDuplicateKey);
    char* name = nullptr;
    ASSERT_EQ(group->getName(name), Zcad::eOk);
    EXPECT_STREQ(name, "*A1");
    zcutDelString(name);
    group->close();

    {
        ZcDbObjectPointer<ZcDbLine> line(b, ZcDb::kForWrite);
        EXPECT_TRUE(line->hasPersistentReactor(gid));
        line->erase();
    }
    ZcDbObjectPointer<ZcDbGroup> g(gid, ZcDb::kForWrite);
    ZcDbObjectIdArray ids;
    EXPECT_EQ(g->allEntityIds(ids), 2);
    EXPECT_EQ(ids, (ZcDbObjectIdArray{a, c}));
    ASSERT_EQ(g->remove(c), Zcad::eOk);
    ZcDbObjectPointer<ZcDbLine> line(c, ZcDb::kForRead);
    EXPECT_FALSE(line->hasPersistentReactor(gid));
}

TEST_F(Groups, AGroupMustBeFiledBeforeItTakesMembers)
{
    ZcDbObjectId a = addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));
    ZcDbGroup loose;
    EXPECT_EQ(loose.append(a), Zcad::eNotInDatabase);
    ZcDbGroup* group = nullptr;
    newGroup("G", group);
    EXPECT_EQ(group->append(db->layerTableId()), Zcad::eNotAnEntity);
    group->close();
}

}  // namespace
