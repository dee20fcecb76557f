// Drawings with faults the reader mends, as the platform's recovery does: the drawing
// loads, and every mend is reported with the file and line it was made for.
#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"
#include "db/record_name.h"
#include "zrxhost/spaces.h"
#include "db/access.h"

namespace {

using dxftest::pairs;

class DxfRepairs : public HostTest {
protected:
    // Reads the text into a new drawing; a refused read fails the test.
    std::unique_ptr<ZcDbDatabase> load(const std::string& text)
    {
        path = dir.file("mended.dxf");
        dxftest::writeFile(path, text);
        auto loaded = loadDrawing(path);
        repairs.clear();
        for (const std::string& r : zrxhost::lastDrawingFileRepairs()) repairs += r + "\n";
        return loaded;
    }
    // Saves and reads back: what was mended stays mended and needs no more mending.
    std::unique_ptr<ZcDbDatabase> saveAndLoad(ZcDbDatabase* d)
    {
        std::string again = dir.file("again.dxf");
        EXPECT_EQ(d->saveAs(again.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
        auto loaded = loadDrawing(again);
        EXPECT_TRUE(zrxhost::lastDrawingFileRepairs().empty()) << zrxhost::lastDrawingFileRepairs().front();
        return loaded;
    }
    bool reported(const std::string& part) const { return repairs.find(part) != std::string::npos; }

    dxftest::ScratchDir dir;
    std::string path;
    std::string repairs;
};

std::string table(const std::string& name, const std::string& handle, const std::string& records)
{
    return pairs({{0, "TABLE"}, {2, name}, {5, handle}, {100, "AcDbSymbolTable"}, {70, "0"}}) + records +
           pairs({{0, "ENDTAB"}});
}

TEST_F(DxfRepairs, ASecondRecordOfANameInAnyTableIsKeptUnderANameOfItsOwn)
{
    struct Case {
        const char* table;
        const char* marker;
        int handleCode;
    };
    for (const Case& t : {Case{"LAYER", "AcDbLayerTableRecord", 5}, Case{"LTYPE", "AcDbLinetypeTableRecord", 5},
                          Case{"STYLE", "AcDbTextStyleTableRecord", 5}, Case{"APPID", "AcDbRegAppTableRecord", 5},
                          Case{"DIMSTYLE", "AcDbDimStyleTableRecord", 105},
                          Case{"BLOCK_RECORD", "AcDbBlockTableRecord", 5}}) {
        auto record = [&](const char* handle, const char* name) {
            return pairs({{0, t.table}, {t.handleCode, handle}, {100, "AcDbSymbolTableRecord"}, {100, t.marker},
                          {2, name}, {70, "0"}});
        };
        auto d = load(dxftest::r2000Drawing(table(t.table, "50", record("51", "HULL") + record("52", "hull"))));
        ZcDbObjectId first, second;
        ASSERT_EQ(d->getZcDbObjectId(first, false, ZcDbHandle(0x51)), Zcad::eOk) << t.table;
        ASSERT_EQ(d->getZcDbObjectId(second, false, ZcDbHandle(0x52)), Zcad::eOk) << t.table;
        {
            ZcDbObjectPointer<ZcDbSymbolTableRecord> a(first, ZcDb::kForRead), b(second, ZcDb::kForRead);
            ASSERT_EQ(b.openStatus(), Zcad::eOk) << t.table;
            EXPECT_STREQ(zrxhost::recordName(a.object()), "HULL");
            EXPECT_STREQ(zrxhost::recordName(b.object()), "hull$2");
        }
        EXPECT_TRUE(reported(path + ":")) << repairs;
        EXPECT_TRUE(reported("a second " + std::string(t.table) + " record named \"hull\" is renamed \"hull$2\""))
            << repairs;
        saveAndLoad(d.get());
    }
}

TEST_F(DxfRepairs, ARecordWithoutANameIsDroppedAndTold)
{
    auto record = [&](const char* handle, int nameCode) {
        return pairs({{0, "LTYPE"}, {5, handle}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLinetypeTableRecord"},
                      {nameCode, "DASHED"}, {70, "0"}, {3, "Dashed"}, {72, "65"}, {73, "0"}, {40, "0.0"}});
    };
    auto d = load(dxftest::r2000Drawing(table("LTYPE", "50", record("51", 2) + record("52", 8))));
    ZcDbObjectId kept, dropped;
    EXPECT_EQ(d->getZcDbObjectId(kept, false, ZcDbHandle(0x51)), Zcad::eOk);
    EXPECT_NE(d->getZcDbObjectId(dropped, false, ZcDbHandle(0x52)), Zcad::eOk);
    EXPECT_TRUE(reported("a LTYPE record without a name is dropped")) << repairs;
    // Not written back: the saved drawing reads without a mend.
    auto back = saveAndLoad(d.get());
    EXPECT_EQ(back->getZcDbObjectId(kept, false, ZcDbHandle(0x51)), Zcad::eOk);
}

TEST_F(DxfRepairs, ATableOfANameNoDrawingHasIsDroppedWithItsRecords)
{
    std::string odd = table("65536", "60", pairs({{0, "65536"}, {5, "61"}, {100, "AcDbSymbolTableRecord"}, {2, "X"}, {70, "0"}}));
    std::string apps = table("APPID", "3", pairs({{0, "APPID"}, {5, "4"}, {100, "AcDbSymbolTableRecord"},
                                                  {100, "AcDbRegAppTableRecord"}, {2, "STIFF"}, {70, "0"}}));
    auto d = load(dxftest::r2000Drawing(odd + apps));
    EXPECT_TRUE(reported("a table named \"65536\" is none a drawing has; it is dropped with its records")) << repairs;
    ZcDbObjectId gone;
    EXPECT_NE(d->getZcDbObjectId(gone, false, ZcDbHandle(0x61)), Zcad::eOk);
    ZcDbObjectPointer<ZcDbRegAppTable> kept(d->regAppTableId(), ZcDb::kForRead);
    EXPECT_TRUE(kept->has("STIFF"));
    kept.close();
    saveAndLoad(d.get());
    EXPECT_EQ(dxftest::readFile(dir.file("again.dxf")).find("65536"), std::string::npos);
}

TEST_F(DxfRepairs, ARenamedDimensionStyleKeepsItsLinksToOtherRecords)
{
    std::string styles = table("STYLE", "40", pairs({{0, "STYLE"}, {5, "41"}, {100, "AcDbSymbolTableRecord"},
                                                    {100, "AcDbTextStyleTableRecord"}, {2, "MINCHO"}, {70, "0"},
                                                    {40, "0.0"}, {41, "1.0"}}));
    auto dimstyle = [](const char* handle, const char* text) {
        return pairs({{0, "DIMSTYLE"}, {105, handle}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbDimStyleTableRecord"},
                      {2, "HULL"}, {70, "0"}, {140, text}, {340, "41"}});
    };
    auto d = load(dxftest::r2000Drawing(styles + table("DIMSTYLE", "50", dimstyle("51", "2.5") + dimstyle("52", "3.5"))));
    ZcDbObjectId style, second;
    ASSERT_EQ(d->getZcDbObjectId(style, false, ZcDbHandle(0x41)), Zcad::eOk);
    ASSERT_EQ(d->getZcDbObjectId(second, false, ZcDbHandle(0x52)), Zcad::eOk);
    ZcDbObjectPointer<ZcDbDimStyleTableRecord> rec(second, ZcDb::kForRead);
    ASSERT_EQ(rec.openStatus(), Zcad::eOk);
    EXPECT_EQ(rec->dimtxt(), 3.5);
    EXPECT_EQ(rec->dimtxsty(), style);
}

// A line at the last handle there is, with an extension dictionary, in a group, named by
// another line's xdata; the drawing's handle seed past the end as well.
std::string exhaustedDrawing()
{
    const std::string big = "FFFFFFFFFFFFFFFF", xdict = "FFFFFFFFFFFFFFFE";
    std::string apps = table("APPID", "3", pairs({{0, "APPID"}, {5, "4"}, {100, "AcDbSymbolTableRecord"},
                                                  {100, "AcDbRegAppTableRecord"}, {2, "STIFF"}, {70, "0"}}));
    std::string entities =
        pairs({{0, "LINE"}, {5, big}, {102, "{ACAD_XDICTIONARY"}, {360, xdict}, {102, "}"}, {100, "AcDbEntity"},
               {8, "0"}, {100, "AcDbLine"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "5"}, {21, "0"}, {31, "0"},
               {1001, "STIFF"}, {1005, big}}) +
        pairs({{0, "LINE"}, {5, "2A"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"}, {10, "0"}, {20, "1"},
               {30, "0"}, {11, "5"}, {21, "1"}, {31, "0"}, {1001, "STIFF"}, {1005, big}, {1005, "2A"}});
    std::string objects =
        pairs({{0, "DICTIONARY"}, {5, "C"}, {330, "0"}, {100, "AcDbDictionary"}, {3, "ACAD_GROUP"}, {350, "D"}}) +
        pairs({{0, "DICTIONARY"}, {5, "D"}, {330, "C"}, {100, "AcDbDictionary"}, {3, "FRAMES"}, {350, "E"}}) +
        pairs({{0, "GROUP"}, {5, "E"}, {102, "{ACAD_REACTORS"}, {330, "D"}, {102, "}"}, {330, "D"},
               {100, "AcDbGroup"}, {300, ""}, {70, "0"}, {71, "1"}, {340, big}, {340, "2A"}}) +
        pairs({{0, "DICTIONARY"}, {5, xdict}, {330, big}, {100, "AcDbDictionary"}});
    return dxftest::r2000Drawing(apps, entities, objects, big);
}

TEST_F(DxfRepairs, ObjectsAtTheEndOfTheHandlesGetFreshOnesAndEveryReferenceFollows)
{
    auto d = load(exhaustedDrawing());
    EXPECT_TRUE(reported(path + ":11: handles out of range (the next one would overflow): 2 objects get new handles"))
        << repairs;
    ZcDbObjectId renumbered, other;
    ASSERT_EQ(d->getZcDbObjectId(renumbered, false, ZcDbHandle(0x2B)), Zcad::eOk);  // past the highest, 2A
    ASSERT_EQ(d->getZcDbObjectId(other, false, ZcDbHandle(0x2A)), Zcad::eOk);
    {
        ZcDbObjectPointer<ZcDbLine> line(renumbered, ZcDb::kForRead);
        ASSERT_EQ(line.openStatus(), Zcad::eOk);
        EXPECT_EQ(line->endPoint(), ZcGePoint3d(5, 0, 0));
        resbuf* x = line->xData("STIFF");
        ASSERT_NE(x, nullptr);
        ASSERT_NE(x->rbnext, nullptr);
        EXPECT_STREQ(x->rbnext->resval.rstring, "2B");
        zcutRelRb(x);
    }
    {
        ZcDbObjectPointer<ZcDbLine> line(other, ZcDb::kForRead);
        resbuf* x = line->xData("STIFF");
        ASSERT_NE(x, nullptr);
        EXPECT_STREQ(x->rbnext->resval.rstring, "2B");
        EXPECT_STREQ(x->rbnext->rbnext->resval.rstring, "2A");  // handles in range stay as they were
        zcutRelRb(x);
    }
    ZcDbObjectId xdict;
    ASSERT_EQ(d->getZcDbObjectId(xdict, false, ZcDbHandle(0x2C)), Zcad::eOk);
    {
        ZcDbObjectPointer<ZcDbDictionary> dict(xdict, ZcDb::kForRead);
        ASSERT_EQ(dict.openStatus(), Zcad::eOk);
        EXPECT_EQ(dict->ownerId(), renumbered);
        ZcDbObjectId groupId;
        ZcDbObjectPointer<ZcDbDictionary> groups(d->groupDictionaryId(), ZcDb::kForRead);
        ASSERT_EQ(groups->getAt("FRAMES", groupId), Zcad::eOk);
        ZcDbObjectPointer<ZcDbGroup> group(groupId, ZcDb::kForRead);
        ASSERT_EQ(zrxhost::memberIds(group.object()).length(), 2);
        EXPECT_EQ(zrxhost::memberIds(group.object())[0], renumbered);
    }
    // The drawing grows as any other, and what it saves names the same objects.
    uint64_t last = 0x2C;
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(d.get()), ZcDb::kForWrite);
        for (int i = 0; i < 3; ++i) {
            ZcDbObjectId added;
            auto* l = new ZcDbLine({0, 0, 0}, {1, double(i), 0});
            ASSERT_EQ(ms->appendZcDbEntity(added, l), Zcad::eOk);
            l->close();
            EXPECT_GT(static_cast<uint64_t>(added.handle()), last);
            last = static_cast<uint64_t>(added.handle());
        }
    }
    std::string text;
    {
        auto again = saveAndLoad(d.get());
        text = dxftest::readFile(dir.file("again.dxf"));
    }
    EXPECT_EQ(text.find("FFFFFFFFFFFFFFF"), std::string::npos);
    EXPECT_NE(text.find("{ACAD_XDICTIONARY\n360\n2C\n"), std::string::npos);
}

TEST_F(DxfRepairs, ALineWeightOrColourThePlatformHasNotIsReplacedAndTold)
{
    std::string layer = table("LAYER", "2", pairs({{0, "LAYER"}, {5, "10"}, {100, "AcDbSymbolTableRecord"},
                                                  {100, "AcDbLayerTableRecord"}, {2, "HULL"}, {70, "0"},
                                                  {62, "300"}, {370, "1000"}}));
    std::string line = pairs({{0, "LINE"}, {5, "2A"}, {100, "AcDbEntity"}, {8, "HULL"}, {62, "-4"}, {370, "7"},
                              {100, "AcDbLine"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "5"}, {21, "0"}, {31, "0"}});
    std::string text = pairs({{0, "TEXT"}, {5, "2B"}, {100, "AcDbEntity"}, {8, "HULL"}, {100, "AcDbText"},
                              {10, "0"}, {20, "0"}, {30, "0"}, {40, "2.5"}, {1, "FR.25"}, {72, "1000"}});
    auto d = load(dxftest::r2000Drawing(layer, line + text));
    EXPECT_TRUE(reported("layer colour 300 is no colour index; 7 is used")) << repairs;
    EXPECT_TRUE(reported("layer line weight 1000 is none a layer can have; Default is used")) << repairs;
    EXPECT_TRUE(reported("colour -4 is no colour index; ByLayer is used")) << repairs;
    EXPECT_TRUE(reported("line weight 7 is none the platform has; ByLayer is used")) << repairs;
    {
        ZcDbObjectPointer<ZcDbLine> l(openByHandle<ZcDbLine>(d.get(), ZcDbHandle(0x2A)));
        ZcDbObjectPointer<ZcDbLayerTableRecord> hull(l->layerId(), ZcDb::kForRead);
        EXPECT_EQ(l->colorIndex(), 256);
        EXPECT_EQ(l->lineWeight(), ZcDb::kLnWtByLayer);
        EXPECT_EQ(hull->color().colorIndex(), 7);
        EXPECT_EQ(hull->lineWeight(), ZcDb::kLnWtByLwDefault);
        // A text of an alignment the platform has not stays as it was read, and is no TEXT.
        ZcDbObjectPointer<ZcDbEntity> t(openByHandle<ZcDbEntity>(d.get(), ZcDbHandle(0x2B)));
        EXPECT_EQ(ZcDbText::cast(t.object()), nullptr);
    }
    std::string saved = dxftest::readFile(dir.file("again.dxf"));
    saveAndLoad(d.get());
    saved = dxftest::readFile(dir.file("again.dxf"));
    EXPECT_EQ(saved.find("\n300\n"), std::string::npos);
    EXPECT_NE(saved.find(" 72\n1000\n"), std::string::npos);
}

TEST_F(DxfRepairs, OddButReadableFormsAreWrittenBackInTheFormEveryReaderTakes)
{
    std::string apps = table("APPID", "3", pairs({{0, "APPID"}, {5, "4"}, {100, "AcDbSymbolTableRecord"},
                                                  {100, "AcDbRegAppTableRecord"}, {2, "STIFF"}, {70, "0"}}));
    // The LAYER table twice; an application name with blanks around it; a dictionary
    // entry naming an entity.
    std::string layers = table("LAYER", "2", pairs({{0, "LAYER"}, {5, "10"}, {100, "AcDbSymbolTableRecord"},
                                                   {100, "AcDbLayerTableRecord"}, {2, "HULL"}, {70, "0"}}));
    std::string more = table("LAYER", "2", pairs({{0, "LAYER"}, {5, "11"}, {100, "AcDbSymbolTableRecord"},
                                                 {100, "AcDbLayerTableRecord"}, {2, "DECK"}, {70, "0"}}));
    std::string line = pairs({{0, "LINE"}, {5, "2A"}, {100, "AcDbEntity"}, {8, "HULL"}, {100, "AcDbLine"},
                              {10, "0"}, {20, "0"}, {30, "0"}, {11, "5"}, {21, "0"}, {31, "0"}, {1001, " STIFF "},
                              {1000, "L-100x75x7"}});
    std::string root = pairs({{0, "DICTIONARY"}, {5, "C"}, {330, "0"}, {100, "AcDbDictionary"}, {3, "FRAME"},
                              {360, "2A"}});
    auto d = load(dxftest::r2000Drawing(apps + layers + more, line, root));
    EXPECT_TRUE(reported("a second LAYER table is read into the first")) << repairs;
    EXPECT_TRUE(reported("xdata application \" STIFF \" is read as \"STIFF\"")) << repairs;
    EXPECT_TRUE(reported("dictionary entry \"FRAME\" names entity 2A; the entry is dropped")) << repairs;
    {
        ZcDbObjectPointer<ZcDbLine> l(openByHandle<ZcDbLine>(d.get(), ZcDbHandle(0x2A)));
        EXPECT_EQ(l->ownerId(), zrxhost::modelSpaceId(d.get()));
        resbuf* x = l->xData("STIFF");
        ASSERT_NE(x, nullptr);
        EXPECT_STREQ(x->rbnext->resval.rstring, "L-100x75x7");
        zcutRelRb(x);
        ZcDbObjectPointer<ZcDbLayerTable> layerTable(d->layerTableId(), ZcDb::kForRead);
        EXPECT_TRUE(layerTable->has("HULL"));
        EXPECT_TRUE(layerTable->has("DECK"));
    }
    saveAndLoad(d.get());
    std::string saved = dxftest::readFile(dir.file("again.dxf"));
    size_t first = saved.find("\n  2\nLAYER\n");
    EXPECT_EQ(saved.find("\n  2\nLAYER\n", first + 1), std::string::npos);
    EXPECT_EQ(saved.find("FRAME"), std::string::npos);
}

}  // namespace

TEST_F(DxfRepairs, WhatOtherConvertersWriteLoadsCommentsSkippedAndMissingRecordsMade)
{
    // Comments before the first section and among an entity's pairs; a linetype and a
    // text style no table holds; a dimension style with the old empty arrow names and
    // colours written as garbage; xdata integers written unsigned; an xrecord holding 102.
    std::string dimstyle = table("DIMSTYLE", "A", pairs({{0, "DIMSTYLE"}, {105, "27"}, {100, "AcDbSymbolTableRecord"},
                                                       {100, "AcDbDimStyleTableRecord"}, {2, "STANDARD"}, {70, "0"},
                                                       {3, ""}, {5, ""}, {6, ""}, {7, ""}, {176, "-1056964608"}}));
    std::string line = pairs({{0, "LINE"}, {5, "2A"}, {100, "AcDbEntity"}, {999, "made by another program"},
                              {8, "HULL"}, {6, "DASHED7"}, {100, "AcDbLine"}, {10, "0"}, {20, "0"}, {30, "0"},
                              {11, "5"}, {21, "0"}, {31, "0"}, {1001, "ACAD"}, {1070, "65535"}});
    std::string text = pairs({{0, "TEXT"}, {5, "2B"}, {100, "AcDbEntity"}, {8, "HULL"}, {100, "AcDbText"},
                              {10, "0"}, {20, "0"}, {30, "0"}, {40, "2.5"}, {1, "FR.25"}, {7, "GOTHIC"}});
    std::string leader = pairs({{0, "LEADER"}, {5, "2C"}, {100, "AcDbEntity"}, {8, "HULL"}, {100, "AcDbLeader"},
                                {3, "ISO-25"}, {71, "1"}, {72, "0"}, {73, "3"}, {76, "2"}, {10, "0"}, {20, "0"},
                                {30, "0"}, {10, "5"}, {20, "5"}, {30, "0"}});
    auto d = load(pairs({{999, "written elsewhere"}}) + dxftest::r2000Drawing(dimstyle, line + text + leader));
    EXPECT_TRUE(reported("linetype \"DASHED7\" is not in the drawing")) << repairs;
    EXPECT_TRUE(reported("text style \"GOTHIC\" is not in the drawing")) << repairs;
    EXPECT_TRUE(reported("dimension colour \"-1056964608\" is no colour index; ByBlock is used")) << repairs;
    EXPECT_TRUE(reported("dimension style \"ISO-25\" is not in the drawing")) << repairs;
    {
        ZcDbObjectPointer<ZcDbLine> l(openByHandle<ZcDbLine>(d.get(), ZcDbHandle(0x2A)));
        ASSERT_EQ(l.openStatus(), Zcad::eOk);
        ZcDbObjectPointer<ZcDbLinetypeTableRecord> lt(l->linetypeId(), ZcDb::kForRead);
        ASSERT_EQ(lt.openStatus(), Zcad::eOk);
        EXPECT_STREQ(zrxhost::recordName(lt.object()), "DASHED7");
        resbuf* xd = l->xData("ACAD");
        ASSERT_NE(xd, nullptr);
        ASSERT_NE(xd->rbnext, nullptr);
        EXPECT_EQ(xd->rbnext->resval.rint, -1);  // the same 16 bits
        zcutRelRb(xd);
        ZcDbObjectPointer<ZcDbText> t(openByHandle<ZcDbText>(d.get(), ZcDbHandle(0x2B)));
        ASSERT_EQ(t.openStatus(), Zcad::eOk);
        ZcDbObjectPointer<ZcDbTextStyleTableRecord> style(t->textStyle(), ZcDb::kForRead);
        EXPECT_STREQ(zrxhost::recordName(style.object()), "GOTHIC");
    }
    auto again = saveAndLoad(d.get());
    ZcDbObjectPointer<ZcDbDimStyleTable> styles(again->dimStyleTableId(), ZcDb::kForRead);
    EXPECT_TRUE(styles->has("ISO-25"));
    std::string saved = dxftest::readFile(dir.file("again.dxf"));
    EXPECT_EQ(saved.find("made by another program"), std::string::npos);
    EXPECT_NE(saved.find("\nDASHED7\n"), std::string::npos);

}

TEST_F(DxfRepairs, AnXrecordKeepsA102GroupAmongItsData)
{
    std::string objects = pairs({{0, "DICTIONARY"}, {5, "C"}, {100, "AcDbDictionary"}, {3, "ROUNDTRIP"}, {350, "60"},
                                 {0, "XRECORD"}, {5, "60"}, {330, "C"}, {100, "AcDbXrecord"}, {280, "1"},
                                 {102, "SHADEPLOT"}, {70, "0"}});
    auto d = load(dxftest::r2000Drawing("", "", objects));
    saveAndLoad(d.get());
    std::string saved = dxftest::readFile(dir.file("again.dxf"));
    EXPECT_NE(saved.find("102\nSHADEPLOT\n"), std::string::npos);
}
