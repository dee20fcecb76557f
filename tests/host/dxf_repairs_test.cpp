// Drawings with faults the reader mends, as the platform's recovery does: the drawing
// loads, and every mend is reported with the file and line it was made for.
#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"

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
            EXPECT_STREQ(a->name(), "HULL");
            EXPECT_STREQ(b->name(), "hull$2");
        }
        EXPECT_TRUE(reported(path + ":")) << repairs;
        EXPECT_TRUE(reported("a second " + std::string(t.table) + " record named \"hull\" is renamed \"hull$2\""))
            << repairs;
        saveAndLoad(d.get());
    }
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

}  // namespace
