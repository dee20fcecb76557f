// Faulty drawing files: each fault is reported with the file and line, and the database
// that was to be filled keeps what it had.
#include <sys/stat.h>

#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/spaces.h"

namespace {

using dxftest::kEntitiesLine;
using dxftest::pairs;

const std::string kLine = pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "5"},
                                 {21, "5"}, {31, "0"}});

class DxfErrors : public HostTest {
protected:
    // Reads the text into the test drawing; the status, with the message kept.
    Zcad::ErrorStatus read(const std::string& text, const std::string& name = "bad.dxf")
    {
        path = dir.file(name);
        dxftest::writeFile(path, text);
        Zcad::ErrorStatus es = db->readDwgFile(path.c_str());
        message = zrxhost::lastDrawingFileError();
        return es;
    }

    bool says(const std::string& part) const { return message.find(part) != std::string::npos; }

    dxftest::ScratchDir dir;
    std::string path;
    std::string message;
};

TEST_F(DxfErrors, AWellFormedDrawingReadsAndClearsTheMessage)
{
    ASSERT_EQ(read(dxftest::r12Drawing(kLine)), Zcad::eOk) << message;
    EXPECT_EQ(message, "");
    ZcDbObjectId id;
    EXPECT_EQ(db->getZcDbObjectId(id, false, ZcDbHandle(0x2A)), Zcad::eOk);
}

TEST_F(DxfErrors, ATruncatedFileNamesWhatIsMissing)
{
    std::string text = dxftest::r12Drawing(kLine);
    EXPECT_EQ(read(text.substr(0, text.rfind("0\nEOF"))), Zcad::eBadDxfSequence);
    EXPECT_TRUE(says("ends early")) << message;
    EXPECT_TRUE(says(path)) << message;
}

TEST_F(DxfErrors, ANonNumericGroupCodeNamesItsLine)
{
    std::string entity = pairs({{0, "LINE"}, {5, "2A"}}) + "eight\nHULL\n";
    EXPECT_EQ(read(dxftest::r12Drawing(entity)), Zcad::eInvalidDxfCode);
    EXPECT_TRUE(says(path + ":" + std::to_string(kEntitiesLine + 4) + ":")) << message;
}

TEST_F(DxfErrors, AnOddNumberOfLinesNamesTheLastCode)
{
    std::string text = dxftest::r12Drawing(kLine);
    text = text.substr(0, text.size() - 4);  // drops "EOF\n"
    EXPECT_NE(read(text), Zcad::eOk);
    EXPECT_TRUE(says("no value line")) << message;
}

TEST_F(DxfErrors, ABadNumberNamesTheLineOfTheValue)
{
    std::string entity = pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {10, "zero"}});
    EXPECT_NE(read(dxftest::r12Drawing(entity)), Zcad::eOk);
    EXPECT_TRUE(says(":" + std::to_string(kEntitiesLine + 7) + ":")) << message;
}

TEST_F(DxfErrors, ADuplicateHandleIsRefused)
{
    EXPECT_EQ(read(dxftest::r12Drawing(kLine + kLine)), Zcad::eHandleExists);
    EXPECT_TRUE(says("duplicate handle 2A")) << message;
    EXPECT_TRUE(says(":" + std::to_string(kEntitiesLine + 18) + ":")) << message;
}

TEST_F(DxfErrors, AReferenceToAMissingOwnerIsRefused)
{
    std::string entity = pairs({{0, "LINE"}, {5, "2A"}, {330, "FFF"}, {8, "HULL"}});
    EXPECT_NE(read(dxftest::r12Drawing(entity)), Zcad::eOk);
    EXPECT_TRUE(says("owner FFF does not exist")) << message;
}

TEST_F(DxfErrors, ADamagedDwgIsRefusedByName)
{
    std::string dwg = std::string("AC1032\0\0\0\0\0\x1b\x01", 13) + std::string(200, '\x07');
    EXPECT_EQ(read(dwg, "hull.dwg"), Zcad::eFilerError);
    EXPECT_TRUE(says("cannot read this DWG")) << message;
    EXPECT_TRUE(says("hull.dwg")) << message;
}

TEST_F(DxfErrors, ADwgPathHoldingDxfTextReads)
{
    EXPECT_EQ(read(dxftest::r12Drawing(kLine), "hull.dwg"), Zcad::eOk) << message;
}

TEST_F(DxfErrors, AMissingFileIsNotFound)
{
    EXPECT_EQ(db->readDwgFile(dir.file("none.dxf").c_str()), Zcad::eFileNotFound);
    EXPECT_NE(zrxhost::lastDrawingFileError().find("none.dxf"), std::string::npos);
}

TEST_F(DxfErrors, AFailedReadLeavesTheDrawingAsItWas)
{
    ZcDbObjectId mine = addToModelSpace(new ZcDbLine({0, 0, 0}, {3, 4, 0}));
    ZcDbObjectId ms = zrxhost::modelSpaceId(db.get());
    EXPECT_NE(read(dxftest::r12Drawing(kLine + kLine)), Zcad::eOk);
    EXPECT_EQ(zrxhost::modelSpaceId(db.get()), ms);
    ZcDbObjectPointer<ZcDbLine> line(mine, ZcDb::kForRead);
    ASSERT_EQ(line.openStatus(), Zcad::eOk);
    EXPECT_EQ(line->endPoint(), ZcGePoint3d(3, 4, 0));
    ZcDbObjectId id;
    EXPECT_EQ(db->getZcDbObjectId(id, false, ZcDbHandle(0x2A)) == Zcad::eOk && id.objectClass() != ZcDbLine::desc(),
              false);
}

TEST_F(DxfErrors, ReadingIsRefusedWhileObjectsAreOpen)
{
    ZcDbObjectId mine = addToModelSpace(new ZcDbLine({0, 0, 0}, {3, 4, 0}));
    ZcDbObjectPointer<ZcDbLine> line(mine, ZcDb::kForRead);
    EXPECT_EQ(read(dxftest::r12Drawing(kLine)), Zcad::eInvalidOpenState);
}

TEST_F(DxfErrors, SavingIntoAMissingFolderFailsAndLeavesNoTemporaryFile)
{
    std::string target = dir.file("no/such/folder/plan.dxf");
    EXPECT_EQ(db->saveAs(target.c_str()), Zcad::eFileAccessErr);
    EXPECT_NE(zrxhost::lastDrawingFileError().find("plan.dxf"), std::string::npos);
}

TEST_F(DxfErrors, SavingReplacesTheTargetWhole)
{
    std::string target = dir.file("plan.dxf");
    dxftest::writeFile(target, "old content");
    ASSERT_EQ(db->saveAs(target.c_str()), Zcad::eOk);
    std::string text = dxftest::readFile(target);
    EXPECT_EQ(text.rfind("  0\nSECTION\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 8), "  0\nEOF\n");
    size_t files = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir.path())) files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);  // no temporary file left beside it
}

TEST_F(DxfErrors, AnIntegerWiderThanItsGroupIsRefusedWithItsLine)
{
    // 370 and 62 are 16-bit groups, 90 a 32-bit one; a real where an integer belongs must
    // still be one.
    const std::pair<int, std::string> cases[] = {{370, "1000000000"}, {62, "99999"}, {370, "1e300"},
                                                 {62, "-inf"}, {90, "4294967296"}};
    for (const auto& [code, value] : cases) {
        std::string entity = pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {code, value}});
        EXPECT_EQ(read(dxftest::r12Drawing(entity)), Zcad::eInvalidInput) << value;
        EXPECT_TRUE(says(path + ":" + std::to_string(kEntitiesLine + 7) + ": group " + std::to_string(code))) << message;
    }
    std::string layerWeight = dxftest::r12Drawing(kLine);
    layerWeight.replace(layerWeight.find("62\n3\n"), 5, "370\n1000000000\n");
    EXPECT_EQ(read(layerWeight), Zcad::eInvalidInput);
    EXPECT_TRUE(says("group 370 needs a 16-bit integer")) << message;
}

TEST_F(DxfErrors, ANumberThatIsNoFiniteDrawingValueIsRefused)
{
    for (const char* value : {"nan", "inf", "1e300", "-1e101"}) {
        std::string entity = pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {10, value}});
        EXPECT_EQ(read(dxftest::r12Drawing(entity)), Zcad::eInvalidInput) << value;
        EXPECT_TRUE(says(":" + std::to_string(kEntitiesLine + 7) + ": group 10 needs a number")) << message;
    }
}

TEST_F(DxfErrors, AKeptPairMustBeAValueOfItsGroup)
{
    // Pairs the host does not model are written back as they are: they must be readable.
    std::string entity = pairs({{0, "HATCH"}, {5, "2A"}, {8, "HULL"}, {41, "wide"}});
    EXPECT_EQ(read(dxftest::r12Drawing(entity)), Zcad::eInvalidInput);
    EXPECT_TRUE(says(":" + std::to_string(kEntitiesLine + 7) + ": group 41 needs a number")) << message;
    entity = pairs({{0, "HATCH"}, {5, "2A"}, {8, "HULL"}, {330, "ZZ"}});
    EXPECT_EQ(read(dxftest::r12Drawing(entity)), Zcad::eInvalidInput);
    EXPECT_TRUE(says("needs a handle")) << message;
}

TEST_F(DxfErrors, FormsNoReaderTakesBackAreRefusedWithTheirLine)
{
    // A NUL byte in an xdata application name, a control character in a layer name, an
    // application group left open.
    std::string nul = pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {1001, std::string("ST\0IFF", 6)}});
    EXPECT_EQ(read(dxftest::r12Drawing(nul)), Zcad::eInvalidInput);
    EXPECT_TRUE(says(":" + std::to_string(kEntitiesLine + 7) + ": a NUL byte")) << message;
    std::string layer = dxftest::r12Drawing(kLine);
    layer.replace(layer.find("HULL"), 4, "HU\x01LL");
    EXPECT_EQ(read(layer), Zcad::eInvalidSymbolTableName);
    EXPECT_TRUE(says("invalid LAYER name \"HU?LL\"")) << message;
    std::string open = pairs({{0, "LINE"}, {5, "2A"}, {102, "{ACAD_REACTORS"}, {330, "1F"}, {8, "HULL"}});
    EXPECT_EQ(read(dxftest::r12Drawing(open)), Zcad::eBadDxfSequence);
    EXPECT_TRUE(says(":" + std::to_string(kEntitiesLine + 4) + ": an application group (102) is not closed")) << message;
}

TEST_F(DxfErrors, AReadOnlyDrawingIsNotReplaced)
{
    std::string target = dir.file("plan.dxf");
    dxftest::writeFile(target, "old content");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    EXPECT_EQ(db->saveAs(target.c_str()), Zcad::eFileAccessErr);
    EXPECT_NE(zrxhost::lastDrawingFileError().find(target + ": cannot write: the drawing file is read-only"),
              std::string::npos)
        << zrxhost::lastDrawingFileError();
    EXPECT_EQ(dxftest::readFile(target), "old content");
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST_F(DxfErrors, SavingOntoALinkReplacesTheFileItLeadsTo)
{
    std::filesystem::create_directory(dir.file("real"));
    std::string real = dir.file("real/plan.dxf");
    dxftest::writeFile(real, "old content");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    std::string link = dir.file("plan.dxf");
    std::filesystem::create_symlink("real/plan.dxf", link);
    ASSERT_EQ(db->saveAs(link.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    std::string text = dxftest::readFile(real);
    EXPECT_EQ(text.substr(text.size() - 8), "  0\nEOF\n");
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replaced file keeps its permissions
    size_t files = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir.file("real"))) files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
}

TEST_F(DxfErrors, ADanglingLinkGetsItsFileMade)
{
    std::string link = dir.file("plan.dxf");
    std::filesystem::create_symlink(dir.file("made.dxf"), link);
    ASSERT_EQ(db->saveAs(link.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("made.dxf")));
}

}  // namespace
