// Esc at every prompt of every command: each script of this folder gives one command's full
// answers. For every prompt n the command is played on a fresh session with the first n-1
// answers and Esc at the n-th; after it no object is open, no lock or selection set is
// left, and the system variables, the layers, the documents and the drawing are as they
// were. A line ";keeps" marks where the command keeps its finished work on Esc, as LINE
// keeps its segments: from there on the result must equal that of Enter at that prompt.
// A line ";queues" says that the finished command queues a command string, which runs at
// a command prompt of its own. Lines ";setup LINE" are played at the command prompt when
// the session starts, before the command, for a command that needs a drawing of its own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/editor_fixture.h"
#include "zrxhost/contract.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/session.h"
#include "zrxhost/spaces.h"

namespace {

namespace fs = std::filesystem;

struct EscScript {
    std::vector<std::string> answers;  // the command's name first
    size_t keepsFrom = SIZE_MAX;       // the first prompt whose Esc keeps finished work
    std::vector<std::string> setup;    // played before the command
    size_t queued = 0;                 // command strings the finished command queues
};

std::string replaceAll(std::string s, const std::string& from, const std::string& to)
{
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
    return s;
}

EscScript readScript(const std::string& name, const std::string& work)
{
    EscScript script;
    std::ifstream in(fs::path(TREVAN_ESC_SCRIPTS) / (name + ".scr"));
    for (std::string line; std::getline(in, line);) {
        if (line == ";keeps") script.keepsFrom = script.answers.size();
        if (line == ";queues") ++script.queued;
        line = replaceAll(line, "%EXAMPLES%", TREVAN_EXAMPLES);
        line = replaceAll(line, "%SIBLING%", TREVAN_SIBLING_PATH);
        if (line.rfind(";setup ", 0) == 0) script.setup.push_back(line.substr(7));
        if (!line.empty() && line[0] == ';') continue;
        line = replaceAll(line, "%ESC%", TREVAN_ESC_SCRIPTS);
        script.answers.push_back(replaceAll(line, "%WORK%", work));
    }
    return script;
}

std::vector<std::string> scriptNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TREVAN_ESC_SCRIPTS)) {
        if (entry.path().extension() == ".scr") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Variables a cancelled command must leave alone (LASTPOINT and ERRNO follow every answer).
constexpr const char* kWatchedVariables[] = {
    "PICKSTYLE", "OSMODE",   "PICKBOX", "HIGHLIGHT", "CMDECHO",  "WORLDUCS",  "UCSORG",   "UCSXDIR",  "UCSYDIR",
    "DIMASZ",    "DIMSCALE", "TEXTSIZE", "LTSCALE",  "PDMODE",   "PDSIZE",    "LUNITS",   "LUPREC",   "AUNITS",
    "AUPREC",    "VIEWSIZE", "VIEWCTR", "DWGNAME",   "DWGPREFIX", "CLAYER",   "CELTYPE",  "TEXTSTYLE", "DIMSTYLE"};

class EscAtEveryPrompt : public EditorTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        char pattern[] = "/tmp/trevan-esc-XXXXXX";
        work = mkdtemp(pattern);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(work, ec);
        EditorTest::TearDown();
    }

    // A fresh session with the module loaded and the starting drawing: two layers, one of
    // them off, a line, and the block TAGGED with two attributes. The line is a landing line
    // with one longitudinal section linked to it. Drive C: is a copy of the sample
    // installation with a TEMP folder.
    void startSession(const std::vector<std::string>& setup = {})
    {
        for (const auto& entry : fs::directory_iterator(work)) fs::remove_all(entry.path());
        fs::copy(fs::path(TREVAN_EXAMPLES) / "install", work / "install", fs::copy_options::recursive);
        fs::create_directories(work / "install" / "drive_c" / "TEMP");
        zrxhost::setDrive('C', (work / "install" / "drive_c").string());
        // As the product's setup leaves it: its system folder on the support path.
        zrxhost::setSupportFolders({(work / "install" / "drive_c" / "TREVAN" / "SYSTEM").string()});
        zrxhost::startApplication();
        zrxhost::clearCheckFailures();
        ASSERT_TRUE(zcrxDynamicLinker->loadModule(TREVANCOM_MODULE_PATH, false));
        zcDocManager->lockDocument(zcDocManager->curDocument());
        ZcDbDatabase* drawing = working();
        {
            ZcDbLayerTable* layers = nullptr;
            ASSERT_EQ(drawing->getLayerTable(layers, ZcDb::kForWrite), Zcad::eOk);
            for (const char* name : {"HULL", "FRAME"}) {
                auto* layer = new ZcDbLayerTableRecord;
                layer->setName(name);
                layer->setIsOff(std::string(name) == "FRAME");
                layers->add(layer);
                layer->close();
            }
            layers->close();
        }
        {
            ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(drawing), ZcDb::kForWrite);
            auto* line = new ZcDbLine({0, 0, 0}, {50, 20, 0});
            ZcDbObjectId lineId;
            ms->appendZcDbEntity(lineId, line);
            char handle[17];
            lineId.handle().getIntoAsciiBuffer(handle, sizeof handle);
            zcdbRegApp("A_LONGLINE");
            zcdbRegApp("LONG");
            resbuf* mark = zcutBuildList(1001, "A_LONGLINE", 1000, handle, 0);
            line->setXData(mark);
            zcutRelRb(mark);
            line->close();
            auto* section = new ZcDbPolyline;
            section->addVertexAt(0, ZcGePoint2d(40, 16));
            section->addVertexAt(1, ZcGePoint2d(40, 46));
            section->addVertexAt(2, ZcGePoint2d(50, 46));
            ms->appendZcDbEntity(section);
            resbuf* record = zcutBuildList(1001, "LONG", 1000, "LONG", 1000, "A", 1040, 30.0, 1040, 10.0, 1040, 1.0,
                                           1040, 1.5, 1040, 1.0, 1040, 1.0, 1070, 0, 1000, "", 1000, "", 1000, handle,
                                           1070, 0, 1040, 0.0, 1040, 0.0, 1040, 0.0, 1040, 3.2, 1000, "", 1000, "",
                                           1070, 0, 1070, 0, 1040, 0.0, 1040, 0.0, 0);
            section->setXData(record);
            zcutRelRb(record);
            section->close();
        }
        {
            ZcDbBlockTable* table = nullptr;
            ASSERT_EQ(drawing->getBlockTable(table, ZcDb::kForWrite), Zcad::eOk);
            auto* record = new ZcDbBlockTableRecord;
            record->setName("TAGGED");
            table->add(record);
            table->close();
            for (const char* tag : {"NO", "SIZE"}) {
                auto* def = new ZcDbAttributeDefinition({0, 0, 0}, "", tag, tag);
                record->appendZcDbEntity(def);
                def->close();
            }
            record->close();
        }
        zcDocManager->unlockDocument(zcDocManager->curDocument());
        if (!setup.empty()) {
            const std::string shown = play(setup);
            ASSERT_TRUE(played) << "the setup stopped\n" << shown;
        }
        transcript();
    }
    void endSession()
    {
        zrxhost::endApplication();
        zrxhost::clearDrives();
        zrxhost::setSupportFolders({});
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
    }
    static ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

    // Plays the lines at the command prompt; what the command line showed.
    std::string play(std::vector<std::string> lines)
    {
        zrxhost::LineSource source("esc.scr", std::move(lines));
        // Played as a script is: a prompt that asks again after Esc stops once the lines end.
        zrxhost::setInputMode(zrxhost::InputMode::Script);
        zrxhost::setBaseInput(&source);
        played = zrxhost::runCommandLoop();
        zrxhost::setBaseInput(nullptr);
        zrxhost::setInputMode(zrxhost::InputMode::Interactive);
        return transcript();
    }

    // Everything a cancelled command must leave as it was.
    std::string snapshot()
    {
        std::ostringstream out;
        out << "documents " << zcDocManager->documentCount() << " current "
            << (zcDocManager->curDocument() != nullptr ? zcDocManager->curDocument()->docTitle() : "none") << "\n";
        for (const char* name : kWatchedVariables) {
            resbuf rb{};
            if (zcedGetVar(name, &rb) != RTNORM) continue;
            out << name << "=";
            if (rb.restype == RTSTR) {
                out << rb.resval.rstring;
                std::free(rb.resval.rstring);
            } else if (rb.restype == RTSHORT) {
                out << rb.resval.rint;
            } else if (rb.restype == RTREAL) {
                out << rb.resval.rreal;
            } else {
                out << rb.resval.rpoint[0] << "," << rb.resval.rpoint[1] << "," << rb.resval.rpoint[2];
            }
            out << "\n";
        }
        if (working() == nullptr) return out.str();
        {
            ZcDbObjectPointer<ZcDbLayerTable> layers(working()->layerTableId(), ZcDb::kForRead);
            ZcDbSymbolTableIterator* it = nullptr;
            layers->newIterator(it);
            for (; !it->done(); it->step()) {
                ZcDbObjectId id;
                it->getRecordId(id);
                ZcDbObjectPointer<ZcDbLayerTableRecord> layer(id, ZcDb::kForRead);
                if (layer.openStatus() != Zcad::eOk) continue;
                const char* name = "";
                layer->getName(name);
                out << "layer " << name << " off " << layer->isOff() << " frozen " << layer->isFrozen() << " locked "
                    << layer->isLocked() << " colour " << layer->color().colorIndex() << "\n";
            }
            delete it;
        }
        // The drawing as its file has it; the next handle to give out may differ.
        const fs::path file = work / "snapshot.dxf";
        EXPECT_EQ(working()->dxfOut(file.c_str(), 16, ZcDb::kDHL_CURRENT), Zcad::eOk);
        std::ifstream in(file);
        int skip = 0;
        for (std::string line; std::getline(in, line);) {
            if (skip > 0) {
                --skip;
                continue;
            }
            if (line.find("$HANDSEED") != std::string::npos) skip = 2;  // its group code and value
            out << line << "\n";
        }
        fs::remove(file);
        return out.str();
    }

    void expectNothingLeft(const std::string& what, const std::string& shown)
    {
        EXPECT_TRUE(played) << what << ": the script stopped\n" << shown;
        EXPECT_EQ(zrxhost::openObjectCount(), 0) << what;
        for (const std::string& f : zrxhost::checkFailures()) ADD_FAILURE() << what << ": " << f;
    }

    fs::path work;
    bool played = false;
};

TEST_P(EscAtEveryPrompt, LeavesNothingBehind)
{
    const EscScript script = readScript(GetParam(), work.string());
    ASSERT_FALSE(script.answers.empty());

    // The whole answer sequence is the command's own: every answer is taken at one of its
    // prompts, and the command prompt comes back only at the end (a command string the
    // command queued then runs at a prompt of its own).
    startSession(script.setup);
    std::string shown = play(script.answers);
    expectNothingLeft("the full answers", shown);
    size_t commandPrompts = 0;
    for (size_t at = shown.find("Command: "); at != std::string::npos; at = shown.find("Command: ", at + 1)) ++commandPrompts;
    EXPECT_EQ(commandPrompts, 2u + script.queued) << shown;
    endSession();

    for (size_t n = 1; n < script.answers.size(); ++n) {
        const std::string what = "Esc at prompt " + std::to_string(n);
        std::vector<std::string> lines(script.answers.begin(), script.answers.begin() + static_cast<long>(n));
        std::string expected;
        if (n >= script.keepsFrom) {
            startSession(script.setup);
            lines.push_back("");
            play(lines);
            expected = snapshot();
            lines.pop_back();
            endSession();
        }
        startSession(script.setup);
        if (n < script.keepsFrom) expected = snapshot();
        lines.push_back("*cancel*");
        shown = play(lines);
        expectNothingLeft(what, shown);
        EXPECT_EQ(shown.find("Command: *cancel*"), std::string::npos) << what << ": the command had ended\n" << shown;
        EXPECT_EQ(snapshot(), expected) << what << "\n" << shown;
        endSession();
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, EscAtEveryPrompt, ::testing::ValuesIn(scriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& p) { return p.param; });

}  // namespace
