// Documents and drawing files: the lock rule for changes from application context, the
// file commands (OPEN, SAVEAS, DXFOUT, NEW from a template, -INSERT of a file), finding
// files by their Windows names, and `trevan render` of a drawing file.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "support/editor_fixture.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/spaces.h"
#include "db/access.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The value of a header variable as the file gives it ("$ACADVER" -> "AC1015").
std::string headerValue(const fs::path& file, const std::string& name)
{
    std::ifstream in(file);
    std::string line, code;
    while (std::getline(in, line)) {
        if (line == name && std::getline(in, code) && std::getline(in, line)) return line;
    }
    return {};
}

class DrawingFiles : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        char pattern[] = "/tmp/trevan-files-XXXXXX";
        dir = mkdtemp(pattern);
        zrxhost::startApplication();
        zrxhost::clearCheckFailures();
    }
    void TearDown() override
    {
        zrxhost::setBaseInput(nullptr);
        zrxhost::endApplication();
        zrxhost::setSupportFolders({});
        zrxhost::clearDrives();
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        fs::remove_all(dir);
        EditorTest::TearDown();
    }
    bool play(std::vector<std::string> lines, bool script = true)
    {
        zrxhost::setInputMode(script ? zrxhost::InputMode::Script : zrxhost::InputMode::Interactive);
        m_script = std::make_unique<zrxhost::LineSource>("test.scr", std::move(lines));
        zrxhost::setBaseInput(m_script.get());
        return zrxhost::runCommandLoop();
    }
    std::string file(const std::string& name) const { return (dir / name).string(); }
    ZcDbDatabase* working() const { return zcdbHostApplicationServices()->workingDatabase(); }
    int count(ZcDbObjectId block)
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> b(block, ZcDb::kForRead);
        int n = 0;
        for (ZcDbObjectId id : zrxhost::entityIds(b.object())) n += id.isErased() ? 0 : 1;
        return n;
    }
    // A drawing on disk: a line on a red layer of its own and a circle.
    std::string drawingWithLayer(const std::string& name)
    {
        ZcDbDatabase source;
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName("SHELL");
        ZcCmColor color;
        color.setColorIndex(1);
        layer->setColor(color);
        {
            ZcDbObjectPointer<ZcDbLayerTable> t(source.layerTableId(), ZcDb::kForWrite);
            t->add(layer);
            layer->close();
        }
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&source), ZcDb::kForWrite);
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
        line->setDatabaseDefaults(&source);
        ms->appendZcDbEntity(line);
        line->setLayer("SHELL");
        line->close();
        auto* circle = new ZcDbCircle(ZcGePoint3d(50, 50, 0), ZcGeVector3d::kZAxis, 10);
        circle->setDatabaseDefaults(&source);
        ms->appendZcDbEntity(circle);
        circle->close();
        ms.close();
        EXPECT_EQ(source.saveAs(file(name).c_str()), Zcad::eOk);
        return file(name);
    }

    fs::path dir;
    std::unique_ptr<zrxhost::LineSource> m_script;
};

// ---- the lock rule ----

TEST_F(DrawingFiles, ChangingADocumentOutsideACommandNeedsItsLock)
{
    ZcDbObjectId ms = zrxhost::modelSpaceId(working());
    ZcDbBlockTableRecord* block = nullptr;
    EXPECT_EQ(zcdbOpenObject(block, ms, ZcDb::kForWrite), Zcad::eLockViolation);
    EXPECT_EQ(block, nullptr);
    // Reading needs no lock; upgrading to write is writing.
    ASSERT_EQ(zcdbOpenObject(block, ms, ZcDb::kForRead), Zcad::eOk);
    EXPECT_EQ(block->upgradeOpen(), Zcad::eLockViolation);
    block->close();

    ASSERT_EQ(zcDocManager->lockDocument(curDoc(), ZcAp::kWrite), Zcad::eOk);
    ASSERT_EQ(zcdbOpenObject(block, ms, ZcDb::kForWrite), Zcad::eOk);
    block->close();
    zcDocManager->unlockDocument(curDoc());
    EXPECT_EQ(zcdbOpenObject(block, ms, ZcDb::kForWrite), Zcad::eLockViolation);
}

TEST_F(DrawingFiles, CommandsAndDatabasesOfNoDocumentNeedNoLock)
{
    // A command runs with its document locked for it.
    EXPECT_TRUE(play({"LINE", "0,0", "5,5", ""}));
    EXPECT_EQ(count(zrxhost::modelSpaceId(working())), 1);
    EXPECT_TRUE(zrxhost::checkFailures().empty());
    // A database no document holds is the caller's alone.
    ZcDbDatabase loose;
    ZcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(zcdbOpenObject(block, zrxhost::modelSpaceId(&loose), ZcDb::kForWrite), Zcad::eOk);
    block->close();
}

// ---- OPEN, SAVEAS, QSAVE, DXFOUT ----

TEST_F(DrawingFiles, OpenMakesTheFileTheCurrentDocument)
{
    std::string path = drawingWithLayer("hull.dxf");
    ZcApDocument* first = curDoc();
    EXPECT_TRUE(play({"OPEN", path}));
    EXPECT_NE(curDoc(), first);
    EXPECT_EQ(zcDocManager->documentCount(), 2);
    EXPECT_STREQ(curDoc()->docTitle(), "hull.dxf");
    EXPECT_EQ(count(zrxhost::modelSpaceId(working())), 2);
    resbuf rb{};
    ASSERT_EQ(zcedGetVar("DWGNAME", &rb), RTNORM);
    EXPECT_STREQ(rb.resval.rstring, "hull.dxf");
    std::free(rb.resval.rstring);
    ASSERT_EQ(zcedGetVar("DWGPREFIX", &rb), RTNORM);
    EXPECT_EQ(std::string(rb.resval.rstring), dir.string() + "/");
    std::free(rb.resval.rstring);
}

TEST_F(DrawingFiles, AFileThatCannotBeReadLeavesTheDocumentsAlone)
{
    ZcApDocument* before = curDoc();
    const std::string missing = file("missing.dxf");
    EXPECT_FALSE(play({"OPEN", missing, "REGEN"}));
    EXPECT_EQ(curDoc(), before);
    EXPECT_EQ(zcDocManager->documentCount(), 1);
    // The reason is the reader's one line, naming the file.
    EXPECT_EQ(zrxhost::scriptError().find("test.scr:2: " + missing + ":"), 0u) << zrxhost::scriptError();
    EXPECT_EQ(transcript().find("Regenerating"), std::string::npos);
    zrxhost::clearScriptError();
    // Interactively the error is shown and the session goes on.
    EXPECT_TRUE(play({"OPEN", file("missing.dxf"), "REGEN"}, false));
    std::string t = transcript();
    EXPECT_NE(t.find(file("missing.dxf") + ": cannot open"), std::string::npos);
    EXPECT_NE(t.find("Regenerating"), std::string::npos);
}

TEST_F(DrawingFiles, ADamagedFileInAScriptStandsAsAnEmptyDrawingThatIsNeverWritten)
{
    const std::string text = "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nnot a number\n";
    std::ofstream(file("broken.dxf")) << text;
    ZcApDocument* before = curDoc();
    // The batch goes on: the export and the save the script asks for write nothing, and
    // the drawing that was current is neither exported nor closed.
    EXPECT_TRUE(play({"OPEN", file("broken.dxf"), "DXFOUT", file("broken_out.dxf"), "V", "2000", "16", "CLOSE", "Yes"}));
    std::string t = transcript();
    EXPECT_NE(t.find(file("broken.dxf") + ":8:"), std::string::npos) << t;
    EXPECT_NE(t.find("broken.dxf could not be read; nothing is written to " + file("broken_out.dxf")), std::string::npos) << t;
    EXPECT_FALSE(fs::exists(file("broken_out.dxf")));
    std::ifstream back(file("broken.dxf"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(back), {}), text);
    EXPECT_EQ(curDoc(), before);
    EXPECT_EQ(zcDocManager->documentCount(), 1);
}

TEST_F(DrawingFiles, SaveasNamesTheDocumentAndQsaveKeepsToIt)
{
    EXPECT_TRUE(play({"LINE", "0,0", "5,5", "", "SAVEAS", "2000", file("plan")}));
    EXPECT_EQ(headerValue(file("plan.dwg"), "$ACADVER"), "AC1015");
    EXPECT_STREQ(curDoc()->docTitle(), "plan.dwg");
    EXPECT_TRUE(play({"LINE", "0,0", "7,7", "", "QSAVE"}));
    ZcDbDatabase back(false, true);
    ASSERT_EQ(back.readDwgFile(file("plan.dwg").c_str()), Zcad::eOk);
    EXPECT_EQ(count(zrxhost::modelSpaceId(&back)), 2);
    EXPECT_EQ(headerValue(file("plan.dwg"), "$ACADVER"), "AC1015");
    // A file that is there is replaced only when the user says so.
    EXPECT_TRUE(play({"SAVEAS", "", file("plan.dwg"), "No"}));
    EXPECT_EQ(headerValue(file("plan.dwg"), "$ACADVER"), "AC1015");
    EXPECT_TRUE(play({"SAVEAS", "2018", file("plan.dwg"), "Yes"}));
    EXPECT_EQ(headerValue(file("plan.dwg"), "$ACADVER"), "AC1032");
}

TEST_F(DrawingFiles, ADrawingThatIsNotCurrentSavesAsDxfUnderItsWindowsName)
{
    fs::create_directories(dir / "Trevan" / "EndType" / "S1234");
    zrxhost::setDrive('C', dir.string());
    ZcApDocument* plan = curDoc();
    ASSERT_EQ(zcDocManager->appContextNewDocument(""), Zcad::eOk);
    ZcApDocument* detail = curDoc();
    EXPECT_TRUE(play({"LINE", "0,0", "5,5", ""}));
    ASSERT_EQ(zcDocManager->setCurDocument(plan), Zcad::eOk);
    transcript();
    ASSERT_EQ(detail->database()->saveAs("C:\\TREVAN\\ENDTYPE\\S1234\\LF-LF\\A1.dwg"), Zcad::eFileAccessErr);
    fs::create_directories(dir / "Trevan" / "EndType" / "S1234" / "LF-LF");
    ASSERT_EQ(detail->database()->saveAs("C:\\TREVAN\\ENDTYPE\\S1234\\LF-LF\\A1.dwg"), Zcad::eOk);
    fs::path written = dir / "Trevan" / "EndType" / "S1234" / "LF-LF" / "A1.dwg";
    EXPECT_EQ(readAll(written).rfind("  0\nSECTION", 0), 0u);
    // The command line names the file as the caller did.
    EXPECT_NE(transcript().find("C:\\TREVAN\\ENDTYPE\\S1234\\LF-LF\\A1.dwg is written as DXF"), std::string::npos);
    EXPECT_STREQ(detail->fileName(), "C:\\Trevan\\EndType\\S1234\\LF-LF\\A1.dwg");
    EXPECT_STREQ(plan->fileName(), "");
    EXPECT_EQ(curDoc(), plan);
    ZcDbDatabase back(false, true);
    ASSERT_EQ(back.readDwgFile(written.c_str()), Zcad::eOk);
    EXPECT_EQ(count(zrxhost::modelSpaceId(&back)), 1);
}

TEST_F(DrawingFiles, DxfoutWritesTheVersionAsked)
{
    play({"LINE", "0,0", "5,5", ""});
    const std::vector<std::pair<std::string, std::string>> answers = {
        {"2007", "AC1021"}, {"2004", "AC1018"}, {"2000", "AC1015"}, {"R12", "AC1009"}, {"", "AC1027"}};
    for (const auto& [answer, version] : answers) {
        std::string out = file("out" + answer + ".dxf");
        EXPECT_TRUE(play({"DXFOUT", out, "V", answer, ""}));
        EXPECT_EQ(headerValue(out, "$ACADVER"), version) << answer;
    }
    // As on the platform, the drawing now lives in the last file written, in the host's own
    // format: closing asks nothing.
    EXPECT_STREQ(curDoc()->docTitle(), "out.dxf");
    EXPECT_FALSE(play({"DXFOUT", file("x.dxf"), "17"}));
    EXPECT_FALSE(fs::exists(file("x.dxf")));
    zrxhost::clearScriptError();
    EXPECT_TRUE(play({"CLOSE"})) << zrxhost::scriptError();
    EXPECT_EQ(transcript().find("Save changes"), std::string::npos);
}

TEST_F(DrawingFiles, ADrawingLastWrittenInAnOlderVersionIsOfferedASaveInThatVersionOnClose)
{
    play({"LINE", "0,0", "5,5", ""});
    const std::string out = file("old.dxf");
    EXPECT_TRUE(play({"DXFOUT", out, "V", "R12", "16", "LINE", "1,1", "2,2", "", "CLOSE", "Yes"}));
    EXPECT_NE(transcript().find("Save changes to old.dxf? [Yes/No] <Yes>"), std::string::npos) << transcript();
    EXPECT_EQ(headerValue(out, "$ACADVER"), "AC1009");
    ZcDbDatabase back(false, true);
    ASSERT_EQ(back.readDwgFile(out.c_str()), Zcad::eOk);
    EXPECT_EQ(count(zrxhost::modelSpaceId(&back)), 2);
}

// ---- NEW from a template, -INSERT of a drawing file ----

TEST_F(DrawingFiles, NewStartsFromATemplateFoundInTheSupportFolders)
{
    fs::create_directories(dir / "templates");
    std::string tmpl = drawingWithLayer("templates/shipyard.dwt");
    zrxhost::setSupportFolders({(dir / "templates").string()});
    EXPECT_TRUE(play({"NEW", "shipyard"}));
    EXPECT_EQ(count(zrxhost::modelSpaceId(working())), 2);
    // The new drawing is unnamed: saving it must not overwrite the template.
    const char* name = "x";
    working()->getFilename(name);
    EXPECT_STREQ(name, "");
    EXPECT_STREQ(curDoc()->docTitle(), "Drawing2.dwg");
    EXPECT_FALSE(play({"NEW", "nosuch"}));
    EXPECT_EQ(zcDocManager->documentCount(), 2);
}

TEST_F(DrawingFiles, InsertingAFileMakesABlockOfItsModelSpace)
{
    std::string path = drawingWithLayer("frame_detail.dxf");
    EXPECT_TRUE(play({"-INSERT", path, "10,0", "2", "", "0"}));
    ZcDbObjectId block;
    {
        ZcDbObjectPointer<ZcDbBlockTable> t(working()->blockTableId(), ZcDb::kForRead);
        ASSERT_EQ(t->getAt("frame_detail", block), Zcad::eOk);
    }
    EXPECT_EQ(count(block), 2);
    // The layer came along with its colour, and the piece on it refers to it.
    ZcDbObjectId layer;
    {
        ZcDbObjectPointer<ZcDbLayerTable> t(working()->layerTableId(), ZcDb::kForRead);
        ASSERT_EQ(t->getAt("SHELL", layer), Zcad::eOk);
        ZcDbObjectPointer<ZcDbLayerTableRecord> r(layer, ZcDb::kForRead);
        EXPECT_EQ(r->color().colorIndex(), 1);
    }
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> b(block, ZcDb::kForRead);
        ZcDbObjectPointer<ZcDbEntity> first(zrxhost::entityIds(b.object())[0], ZcDb::kForRead);
        EXPECT_EQ(first->layerId(), layer);
        EXPECT_EQ(first->database(), working());
    }
    // Model space holds the one reference; its extents are the file's, placed and scaled.
    ASSERT_EQ(count(zrxhost::modelSpaceId(working())), 1);
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(working()), ZcDb::kForRead);
        ZcDbObjectPointer<ZcDbBlockReference> ref(zrxhost::entityIds(ms.object())[0], ZcDb::kForRead);
        EXPECT_EQ(ref->blockTableRecord(), block);
        ZcDbExtents ext;
        ASSERT_EQ(ref->getGeomExtents(ext), Zcad::eOk);
        EXPECT_NEAR(ext.minPoint().x, 10.0, 1e-9);
        EXPECT_NEAR(ext.maxPoint().x, 210.0, 1e-9);
        EXPECT_NEAR(ext.maxPoint().y, 120.0, 1e-9);
    }
    // By name the block is reused; the file is not read again.
    fs::remove(path);
    EXPECT_TRUE(play({"-INSERT", "frame_detail", "0,0", "", "", ""}));
    EXPECT_EQ(count(zrxhost::modelSpaceId(working())), 2);
    EXPECT_FALSE(play({"-INSERT", file("nosuch.dxf"), "0,0", "", "", ""}));
}

TEST_F(DrawingFiles, EscAfterAFileWasReadForInsertLeavesNoBlock)
{
    std::string path = drawingWithLayer("frame_detail.dxf");
    EXPECT_TRUE(play({"-INSERT", path, "10,0", "*cancel*"}));
    ZcDbObjectId block;
    {
        ZcDbObjectPointer<ZcDbBlockTable> t(working()->blockTableId(), ZcDb::kForRead);
        EXPECT_NE(t->getAt("frame_detail", block), Zcad::eOk);
    }
    EXPECT_EQ(count(zrxhost::modelSpaceId(working())), 0);
    // The file is read again the next time.
    EXPECT_TRUE(play({"-INSERT", path, "10,0", "", "", ""}));
    EXPECT_EQ(count(zrxhost::modelSpaceId(working())), 1);
}

// ---- finding files by their Windows names ----

TEST_F(DrawingFiles, FindFileAnswersWindowsNamesInTheWindowsForm)
{
    fs::create_directories(dir / "drive_c" / "Trevan" / "STD");
    std::ofstream(dir / "drive_c" / "Trevan" / "STD" / "stiff.ent") << "x\n";
    zrxhost::setDrive('C', (dir / "drive_c").string());
    char found[512];
    ASSERT_EQ(zcedFindFile("C:\\TREVAN\\std\\STIFF.ENT", found, sizeof found), RTNORM);
    EXPECT_STREQ(found, "C:\\Trevan\\STD\\stiff.ent");
    // A relative Windows name is looked for in the support folders, through the drive map.
    zrxhost::setSupportFolders({(dir / "drive_c" / "Trevan").string()});
    ASSERT_EQ(zcedFindFile("std\\Stiff.ent", found, sizeof found), RTNORM);
    EXPECT_STREQ(found, "C:\\Trevan\\STD\\stiff.ent");
    EXPECT_EQ(zcedFindFile("C:\\Trevan\\STD\\none.ent", found, sizeof found), RTERROR);
    // A host name is answered as a host name.
    ASSERT_EQ(zcedFindFile("STD/stiff.ent", found, sizeof found), RTNORM);
    EXPECT_EQ(std::string(found), (dir / "drive_c" / "Trevan" / "STD" / "stiff.ent").string());
}

// A folder is found like a file, with or without its trailing backslash; a folder named like
// a missing drawing is no drawing for the host's own look-ups.
TEST_F(DrawingFiles, FindFileFindsFoldersButTheHostLooksForFilesOnly)
{
    fs::create_directories(dir / "drive_c" / "Trevan" / "DATA" / "ENDTYPE");
    zrxhost::setDrive('C', (dir / "drive_c").string());
    char found[512];
    ASSERT_EQ(zcedFindFile("C:\\TREVAN\\data\\EndType\\", found, sizeof found), RTNORM);
    EXPECT_STREQ(found, "C:\\Trevan\\DATA\\ENDTYPE");
    EXPECT_EQ(zcedFindFile("C:\\Trevan\\DATA\\MST", found, sizeof found), RTERROR);
    EXPECT_FALSE(zrxhost::findHostFile("C:\\Trevan\\DATA\\ENDTYPE").has_value());
}

// ---- trevan render ----

// Every entity of a real drawing that shows is one top-level element carrying its handle;
// hidden ones and those on layers that are off are not drawn.
TEST_F(DrawingFiles, RenderDrawsOneElementPerVisibleEntity)
{
    ZcDbDatabase plan(false, true);
    ASSERT_EQ(plan.readDwgFile(TREVAN_SAMPLE_PLAN), Zcad::eOk);
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&plan), ZcDb::kForWrite);
        auto* hidden = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0));
        hidden->setDatabaseDefaults(&plan);
        hidden->setVisibility(ZcDb::kInvisible);
        ms->appendZcDbEntity(hidden);
        hidden->close();
        ZcDbObjectPointer<ZcDbLayerTable> layers(plan.layerTableId(), ZcDb::kForRead);
        ZcDbLayerTableRecord* girder = nullptr;
        ASSERT_EQ(layers->getAt("GIRDER", girder, ZcDb::kForWrite), Zcad::eOk);
        girder->setIsOff(true);
        girder->close();
    }
    std::set<std::string> shown;
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&plan), ZcDb::kForRead);
        for (ZcDbObjectId id : zrxhost::entityIds(ms.object())) {
            ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
            ZcDbObjectPointer<ZcDbLayerTableRecord> layer(e->layerId(), ZcDb::kForRead);
            if (e->visibility() != ZcDb::kVisible || layer->isOff()) continue;
            char hex[17];
            id.handle().getIntoAsciiBuffer(hex, sizeof hex);
            shown.insert(hex);
        }
    }
    ASSERT_EQ(plan.saveAs(file("plan.dxf").c_str()), Zcad::eOk);
    std::string command = std::string(TREVAN_PROGRAM) + " render " + file("plan.dxf") + " -o " + file("plan.svg");
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string svg = readAll(file("plan.svg"));
    std::set<std::string> drawn;
    int elements = 0;
    std::regex handle("data-handle=\"([0-9A-F]+)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), handle); it != std::sregex_iterator(); ++it) {
        drawn.insert((*it)[1]);
        ++elements;
    }
    EXPECT_EQ(elements, static_cast<int>(shown.size()));
    EXPECT_EQ(drawn, shown);
    EXPECT_NE(std::system((std::string(TREVAN_PROGRAM) + " render " + file("none.dxf") + " -o " + file("x.svg") +
                           " 2>/dev/null").c_str()),
              0);
}

}  // namespace

namespace {

TEST_F(DrawingFiles, ReplDrawsTheViewWithItsTemporaryVectorsWhenTheSessionEnds)
{
    std::ofstream(file("session.txt")) << "(grdraw '(0 0) '(500 0) 2)\nLINE\n0,0\n100,100\n\n";
    const std::string svg = file("view.svg");
    const std::string command = std::string(TREVAN_PROGRAM) + " repl --no-modules --svg " + svg + " < " +
                                file("session.txt") + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string drawn = readAll(svg);
    EXPECT_NE(drawn.find("class=\"grdraw\" d=\"M0,0 L500,0\""), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("data-handle="), std::string::npos);
    // REGEN takes the vectors away, as it does on the screen.
    std::ofstream(file("session.txt")) << "(grdraw '(0 0) '(500 0) 2)\nREGEN\n";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readAll(svg).find("grdraw"), std::string::npos);
}

}  // namespace
