// Binary DWG files read through the DWG reader program: real drawings of other programs
// load with their entities; damage, a missing reader and a hung one give an error naming
// the file and leave the drawing as it was.
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "dxf_test_files.h"
#include "support/host_fixture.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/spaces.h"

namespace {

const std::string kData = TREVAN_TEST_DATA;

class DwgRead : public HostTest {
protected:
    ~DwgRead() override
    {
        unsetenv("TREVAN_NODE");
        unsetenv("TREVAN_DWG_PACKAGE");
        unsetenv("TREVAN_DWG_TIMEOUT");
    }
    // Entity kinds in model space, by count.
    static std::map<std::string, int> kinds(ZcDbDatabase* d)
    {
        std::map<std::string, int> out;
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(d), ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* it = nullptr;
        ms->newIterator(it);
        for (; !it->done(); it->step()) {
            ZcDbEntity* e = nullptr;
            if (it->getEntity(e, ZcDb::kForRead) != Zcad::eOk) continue;
            ++out[e->isA()->dxfName()];
            e->close();
        }
        delete it;
        return out;
    }
    Zcad::ErrorStatus read(const std::string& path)
    {
        Zcad::ErrorStatus es = db->readDwgFile(path.c_str());
        message = zrxhost::lastDrawingFileError();
        return es;
    }
    bool says(const std::string& part) const { return message.find(part) != std::string::npos; }
    std::string message;
};

TEST_F(DwgRead, RealDrawingsOfEveryVersionLoadWithTheirEntities)
{
    struct Case {
        const char* file;
        std::map<std::string, int> kinds;
    };
    for (const Case& c : {Case{"sample_2000.dwg", {{"CIRCLE", 1}, {"TEXT", 1}, {"LWPOLYLINE", 1}, {"LINE", 3}}},
                          Case{"2018_Line.dwg", {{"LINE", 1}}}, Case{"2013_Text.dwg", {{"MTEXT", 1}}},
                          Case{"r14_v.dwg", {{"LINE", 16}, {"TEXT", 1}}}}) {
        ASSERT_EQ(read(kData + "/dwg/" + c.file), Zcad::eOk) << message;
        EXPECT_EQ(kinds(db.get()), c.kinds) << c.file;
    }
}

TEST_F(DwgRead, LayersKeepTheirStateThroughTheReader)
{
    ASSERT_EQ(read(kData + "/dwg/r14_v.dwg"), Zcad::eOk) << message;
    ZcDbObjectPointer<ZcDbLayerTable> layers(db->layerTableId(), ZcDb::kForRead);
    int on = 0;
    for (const char* name : {"0", "R-DOOR-ANNO", "R-DOOR-DETL", "R-DOOR-OTLN", "R-DOOR-PATT"}) {
        ZcDbObjectId id;
        ASSERT_EQ(layers->getAt(name, id), Zcad::eOk) << name;
        ZcDbObjectPointer<ZcDbLayerTableRecord> layer(id, ZcDb::kForRead);
        on += layer->isOff() ? 0 : 1;
        if (std::string(name) == "R-DOOR-OTLN") {
            EXPECT_EQ(layer->color().colorIndex(), 1);
        }
    }
    EXPECT_EQ(on, 5);
}

TEST_F(DwgRead, DamagedDrawingsAreRefusedByNameAndTheDrawingKeepsWhatItHad)
{
    ASSERT_EQ(read(kData + "/dwg/2018_Line.dwg"), Zcad::eOk) << message;
    for (const char* file : {"flipped_2000.dwg", "truncated_2018.dwg"}) {
        EXPECT_EQ(read(kData + "/dwg_damaged/" + file), Zcad::eFilerError) << file;
        EXPECT_TRUE(says(file)) << message;
        EXPECT_TRUE(says("damaged or truncated")) << message;
        EXPECT_EQ(kinds(db.get()), (std::map<std::string, int>{{"LINE", 1}})) << file;
    }
}

TEST_F(DwgRead, AMissingReaderIsNamedWithTheWayToInstallIt)
{
    setenv("TREVAN_DWG_PACKAGE", "/nonexistent/libredwg-web", 1);
    EXPECT_EQ(read(kData + "/dwg/2018_Line.dwg"), Zcad::eFilerError);
    EXPECT_TRUE(says("2018_Line.dwg")) << message;
    EXPECT_TRUE(says("scripts/setup-deps")) << message;
    // A package that is there but broken is named too.
    dxftest::ScratchDir broken;
    std::filesystem::create_directories(broken.file("dist"));
    dxftest::writeFile(broken.file("dist/libredwg-web.js"),
                       "export const LibreDwg = { create: async () => { throw new Error('no wasm'); } };\n"
                       "export const Dwg_File_Type = {};\n");
    setenv("TREVAN_DWG_PACKAGE", broken.path().c_str(), 1);
    EXPECT_EQ(read(kData + "/dwg/2018_Line.dwg"), Zcad::eFilerError);
    EXPECT_TRUE(says("2018_Line.dwg: cannot read this DWG: cannot load the DWG library")) << message;
    EXPECT_TRUE(says("no wasm")) << message;
}

TEST_F(DwgRead, AReaderThatHangsIsStoppedAtItsTimeLimit)
{
    dxftest::ScratchDir dir;
    std::string hang = dir.file("hang.sh");
    dxftest::writeFile(hang, "#!/bin/sh\nexec sleep 30\n");
    chmod(hang.c_str(), 0755);
    setenv("TREVAN_NODE", hang.c_str(), 1);
    setenv("TREVAN_DWG_TIMEOUT", "1", 1);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(read(kData + "/dwg/r14_v.dwg"), Zcad::eFilerError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(says("r14_v.dwg")) << message;
    EXPECT_TRUE(says("did not finish within 1 s")) << message;
}

}  // namespace

namespace {

// trevan convert and render on the real files, as a user runs them.
class TrevanOnDwg : public ::testing::Test {
protected:
    std::string runTrevan(const std::string& args, int& status)
    {
        std::string out = dir.file("out.txt");
        status = std::system((std::string(TREVAN_PROGRAM) + " " + args + " > " + out + " 2>&1").c_str());
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return dxftest::readFile(out);
    }
    dxftest::ScratchDir dir;
};

TEST_F(TrevanOnDwg, ConvertWritesEveryDrawingAndNamesTheDamagedInItsSummary)
{
    std::filesystem::create_directories(dir.file("src"));
    for (const char* f : {"dwg/sample_2000.dwg", "dwg/r14_v.dwg", "dwg_damaged/truncated_2018.dwg"}) {
        std::filesystem::copy(kData + "/" + f, dir.file("src/" + std::filesystem::path(f).filename().string()));
    }
    int status = 0;
    std::string out = runTrevan("convert " + dir.file("src") + " " + dir.file("dst") + " --version R2000", status);
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("[1/3] r14_v.dwg -> " + dir.file("dst/r14_v.dxf") + ": converted, 17 entities"), std::string::npos) << out;
    EXPECT_NE(out.find("[2/3] sample_2000.dwg -> " + dir.file("dst/sample_2000.dxf") + ": converted, 6 entities"),
              std::string::npos) << out;
    EXPECT_NE(out.find("[3/3] truncated_2018.dwg"), std::string::npos) << out;
    EXPECT_NE(out.find("2 converted, 1 failed\n  truncated_2018.dwg: "), std::string::npos) << out;
    EXPECT_NE(dxftest::readFile(dir.file("dst/sample_2000.dxf")).find("AC1015"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("dst/truncated_2018.dxf")));
    out = runTrevan("convert " + dir.file("src") + " " + dir.file("dst") + " --version R14", status);
    EXPECT_EQ(status, 2) << out;
    EXPECT_NE(out.find("unknown version R14"), std::string::npos) << out;
}

TEST_F(TrevanOnDwg, RenderDrawsADwg)
{
    int status = 0;
    std::string out = runTrevan("render " + kData + "/dwg/r14_v.dwg -o " + dir.file("r14.svg"), status);
    EXPECT_EQ(status, 0) << out;
    std::string svg = dxftest::readFile(dir.file("r14.svg"));
    size_t lines = 0;
    for (size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) ++lines;
    EXPECT_EQ(lines, 16u) << svg;
    EXPECT_NE(svg.find(">V</text>"), std::string::npos) << svg;
}

}  // namespace
