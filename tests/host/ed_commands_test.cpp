// The command stack, the command loop with its checks, host commands run from a plug-in,
// and the documents the commands run in.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/editor_fixture.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/spaces.h"
#include "db/access.h"

namespace {

int g_runs = 0;
void countRun() { ++g_runs; }
void otherRun() { g_runs += 100; }

void leaveOpen()
{
    ZcDbBlockTable* t = nullptr;
    zcdbHostApplicationServices()->workingDatabase()->getBlockTable(t, ZcDb::kForRead);
}
void leaveLocked() { zcDocManager->lockDocument(curDoc()); }
void leaveSet()
{
    ads_name ss;
    zcedSSAdd(nullptr, nullptr, ss);
}
void lockAndUnlock()
{
    ++g_runs;
    zcDocManager->lockDocument(curDoc(), ZcAp::kWrite);
    zcDocManager->unlockDocument(curDoc());
}
void queueTwo()
{
    zcDocManager->sendStringToExecute(curDoc(), "COUNT (setq q 1) ");
    ++g_runs;
}
void askTwice()
{
    ads_point p;
    if (zcedGetPoint(nullptr, "\nA: ", p) == RTNORM) ++g_runs;
    if (zcedGetPoint(nullptr, "\nB: ", p) == RTNORM) ++g_runs;
}
void drawWithLine()
{
    ads_point a = {0, 0, 0}, b = {10, 0, 0}, c = {10, 10, 0};
    g_runs = zcedCommand(RTSTR, "_.LINE", RT3DPOINT, a, RT3DPOINT, b, RT3DPOINT, c, RTSTR, "", RTNONE);
}
void drawTooLittle()
{
    ads_point a = {0, 0, 0};
    g_runs = zcedCommand(RTSTR, "LINE", RT3DPOINT, a, RTNONE);
}

std::string g_scriptPath;
void startScript() { g_runs += 10 * zcedCommand(RTSTR, ".SCRIPT", RTSTR, g_scriptPath.c_str(), RTNONE); }

class AppTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        zrxhost::startApplication();
        zrxhost::clearCheckFailures();
        g_runs = 0;
    }
    void TearDown() override
    {
        zcedRegCmds->removeGroup("TEST");
        zrxhost::setBaseInput(nullptr);
        zrxhost::endApplication();
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        EditorTest::TearDown();
    }
    // Plays lines at the command prompt, as a script does.
    bool play(std::vector<std::string> lines)
    {
        m_script = std::make_unique<zrxhost::LineSource>("test.scr", std::move(lines));
        zrxhost::setBaseInput(m_script.get());
        return zrxhost::runCommandLoop();
    }
    int modelSpaceCount()
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(zcdbHostApplicationServices()->workingDatabase()),
                                                   ZcDb::kForRead);
        int n = 0;
        for (ZcDbObjectId id : zrxhost::entityIds(ms.object())) n += id.isErased() ? 0 : 1;
        return n;
    }
    std::unique_ptr<zrxhost::LineSource> m_script;
};

TEST_F(AppTest, CommandsAreFoundByEitherNameWithoutRegardToCase)
{
    ASSERT_EQ(zcedRegCmds->addCommand("TEST", "COUNT", "KAZOERU", ZCRX_CMD_MODAL, countRun), Zcad::eOk);
    EXPECT_EQ(zcedRegCmds->addCommand("TEST", "count", "OTHER", ZCRX_CMD_MODAL, countRun), Zcad::eDuplicateKey);
    EXPECT_EQ(zcedRegCmds->addCommand("TEST", " ", "X", ZCRX_CMD_MODAL, countRun), Zcad::eInvalidInput);
    EXPECT_NE(zcedRegCmds->lookupGlobalCmd("count"), nullptr);
    EXPECT_NE(zcedRegCmds->lookupLocalCmd("kazoeru"), nullptr);
    EXPECT_EQ(zcedRegCmds->lookupLocalCmd("COUNT"), nullptr);
    EXPECT_EQ(zcedRegCmds->lookupCmd("KAZOERU", true), nullptr);
    EXPECT_NE(zcedRegCmds->lookupCmd("Kazoeru", false), nullptr);
    EXPECT_TRUE(play({"count", "kazoeru", "_COUNT", "._count"}));
    EXPECT_EQ(g_runs, 4);
}

TEST_F(AppTest, ALaterGroupHidesAnEarlierOneUntilItGoes)
{
    zcedRegCmds->addCommand("TEST", "COUNT", "COUNT", ZCRX_CMD_MODAL, countRun);
    zcedRegCmds->addCommand("TEST2", "COUNT", "COUNT", ZCRX_CMD_MODAL, otherRun);
    play({"COUNT"});
    EXPECT_EQ(g_runs, 100);
    EXPECT_EQ(zcedRegCmds->removeGroup("test2"), Zcad::eOk);
    EXPECT_EQ(zcedRegCmds->removeGroup("TEST2"), Zcad::eKeyNotFound);
    play({"COUNT"});
    EXPECT_EQ(g_runs, 101);
    EXPECT_EQ(zcedRegCmds->removeCmd("TEST", "COUNT"), Zcad::eOk);
    play({"COUNT"});
    EXPECT_EQ(g_runs, 101);
    EXPECT_NE(transcript().find("Unknown command \"COUNT\""), std::string::npos);
}

TEST_F(AppTest, TheIteratorWalksEveryCommand)
{
    zcedRegCmds->addCommand("TEST", "ONE", "ONE", ZCRX_CMD_MODAL, countRun);
    zcedRegCmds->addCommand("TEST", "TWO", "TWO", ZCRX_CMD_MODAL, countRun);
    std::vector<std::string> names;
    ZcEdCommandIterator* it = zcedRegCmds->iterator();
    for (; !it->done(); it->next()) names.emplace_back(it->command()->globalName());
    delete it;
    EXPECT_EQ(names, std::vector<std::string>({"ONE", "TWO"}));
}

TEST_F(AppTest, AnUnknownCommandStopsAScript)
{
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    EXPECT_FALSE(play({"NOSUCH", "REGEN"}));
    EXPECT_EQ(zrxhost::scriptError(), "test.scr:1: unknown command \"NOSUCH\"");
    EXPECT_EQ(transcript().find("Regenerating"), std::string::npos);
}

TEST_F(AppTest, EnterRepeatsTheLastCommand)
{
    zcedRegCmds->addCommand("TEST", "COUNT", "COUNT", ZCRX_CMD_MODAL, countRun);
    play({"COUNT", "", ""});
    EXPECT_EQ(g_runs, 3);
}

TEST_F(AppTest, ChecksReportWhatACommandLeftBehind)
{
    zcedRegCmds->addCommand("TEST", "OPENED", "OPENED", ZCRX_CMD_MODAL, leaveOpen);
    zcedRegCmds->addCommand("TEST", "LOCKED", "LOCKED", ZCRX_CMD_MODAL, leaveLocked);
    zcedRegCmds->addCommand("TEST", "HELD", "HELD", ZCRX_CMD_MODAL, leaveSet);
    zcedRegCmds->addCommand("TEST", "CLEAN", "CLEAN", ZCRX_CMD_MODAL, lockAndUnlock);
    play({"CLEAN", "OPENED", "LOCKED", "HELD", "CLEAN"});
    const auto& f = zrxhost::checkFailures();
    ASSERT_EQ(f.size(), 3u);
    EXPECT_NE(f[0].find("OPENED left 1 object(s) open"), std::string::npos) << f[0];
    EXPECT_NE(f[0].find("AcDbBlockTable"), std::string::npos);
    EXPECT_EQ(f[1], "LOCKED left 1 document lock(s) taken");
    EXPECT_EQ(f[2], "HELD left 1 selection set(s) unreleased");
    // What was left behind has been put right, so the next command runs clean.
    EXPECT_EQ(g_runs, 2);
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
}

TEST_F(AppTest, DocumentCommandsRunLockedSessionCommandsDoNot)
{
    static ZcAp::DocLockMode seen = ZcAp::kNone;
    zcedRegCmds->addCommand("TEST", "DOC", "DOC", ZCRX_CMD_MODAL, [] { seen = curDoc()->lockMode(); });
    zcedRegCmds->addCommand("TEST", "SES", "SES", ZCRX_CMD_SESSION, [] { seen = curDoc()->lockMode(); });
    play({"DOC"});
    EXPECT_EQ(seen, ZcAp::kAutoWrite);
    play({"SES"});
    EXPECT_EQ(seen, ZcAp::kNotLocked);
    EXPECT_EQ(curDoc()->lockMode(), ZcAp::kNotLocked);
}

TEST_F(AppTest, QueuedInputRunsAfterTheCurrentCommand)
{
    zcedRegCmds->addCommand("TEST", "COUNT", "COUNT", ZCRX_CMD_MODAL, countRun);
    zcedRegCmds->addCommand("TEST", "QUEUE", "QUEUE", ZCRX_CMD_MODAL, queueTwo);
    zcedRegCmds->addCommand("TEST", "ASK", "ASK", ZCRX_CMD_MODAL, askTwice);
    // The queued COUNT does not answer ASK's questions: it waits for the command prompt.
    play({"QUEUE", "ASK", "1,1", "2,2"});
    EXPECT_EQ(g_runs, 1 + 1 + 2);
    std::string t = transcript();
    EXPECT_LT(t.find("Command: COUNT"), t.find("Command: ASK"));
    resbuf* q = nullptr;
    zcedGetSym("q", &q);
    EXPECT_EQ(q->restype, RTSHORT);
    zcutRelRb(q);
}

TEST_F(AppTest, TransparentCommandsRunInsideAQuestion)
{
    zcedRegCmds->addCommand("TEST", "COUNT", "COUNT", ZCRX_CMD_TRANSPARENT, countRun);
    zcedRegCmds->addCommand("TEST", "OTHER", "OTHER", ZCRX_CMD_MODAL, otherRun);
    ads_point p;
    answer({"'COUNT", "'OTHER", "3,4"});
    ASSERT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTNORM);
    EXPECT_EQ(g_runs, 1);
    EXPECT_NE(transcript().find("may not be invoked transparently"), std::string::npos);
}

TEST_F(AppTest, HostCommandsRunFromAPluginWithTheirAnswers)
{
    zcedRegCmds->addCommand("TEST", "DRAW", "DRAW", ZCRX_CMD_MODAL, drawWithLine);
    zcedRegCmds->addCommand("TEST", "SHORT", "SHORT", ZCRX_CMD_MODAL, drawTooLittle);
    play({"DRAW"});
    EXPECT_EQ(g_runs, RTNORM);
    EXPECT_EQ(modelSpaceCount(), 2);
    // A command that wants more than it was given is cancelled, not fed from the script.
    play({"SHORT", "5,5", ""});
    EXPECT_EQ(g_runs, RTCAN);
    EXPECT_EQ(modelSpaceCount(), 2);
}

TEST_F(AppTest, LineDrawsSegmentsWithUndoAndClose)
{
    play({"LINE", "0,0", "10,0", "10,10", "U", "20,0", "C"});
    EXPECT_EQ(modelSpaceCount(), 3);
}

TEST_F(AppTest, EscAtAnAttributePromptOfInsertLeavesNothing)
{
    ZcDbDatabase* drawing = zcdbHostApplicationServices()->workingDatabase();
    {
        zcDocManager->lockDocument(zcDocManager->curDocument());
        ZcDbBlockTable* table = nullptr;
        ASSERT_EQ(drawing->getBlockTable(table, ZcDb::kForWrite), Zcad::eOk);
        auto* record = new ZcDbBlockTableRecord;
        record->setName("TAGGED");
        ZcDbObjectId blockId;
        ASSERT_EQ(table->add(blockId, record), Zcad::eOk);
        table->close();
        for (const char* tag : {"NO", "SIZE"}) {
            auto* def = new ZcDbAttributeDefinition({0, 0, 0}, "", tag, tag);
            ZcDbObjectId id;
            ASSERT_EQ(record->appendZcDbEntity(id, def), Zcad::eOk);
            def->close();
        }
        record->close();
        zcDocManager->unlockDocument(zcDocManager->curDocument());
    }
    EXPECT_TRUE(play({"-INSERT", "TAGGED", "0,0", "", "", "", "L1", "*cancel*"}));
    EXPECT_EQ(modelSpaceCount(), 0);
    EXPECT_TRUE(play({"-INSERT", "TAGGED", "0,0", "", "", "", "L1", "150x90"}));
    EXPECT_EQ(modelSpaceCount(), 1);
}

TEST_F(AppTest, SetvarShowsAndChangesAVariable)
{
    play({"SETVAR", "PDMODE", "35"});
    resbuf rb;
    zcedGetVar("PDMODE", &rb);
    EXPECT_EQ(rb.resval.rint, 35);
    EXPECT_NE(transcript().find("Enter new value for PDMODE <0>: 35"), std::string::npos);
}

TEST_F(AppTest, ScriptFilesRunAheadOfTheRestOfTheInput)
{
    zcedRegCmds->addCommand("TEST", "COUNT", "COUNT", ZCRX_CMD_MODAL, countRun);
    std::string path = ::testing::TempDir() + "/inner.scr";
    std::ofstream(path) << "; inner\nCOUNT\nCOUNT\n";
    play({"SCRIPT", path, "REGEN"});
    EXPECT_EQ(g_runs, 2);
    std::string t = transcript();
    EXPECT_LT(t.rfind("Command: COUNT"), t.find("Regenerating model."));
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    EXPECT_FALSE(play({"SCRIPT", "/no/such/file.scr"}));
}

TEST_F(AppTest, AScriptAPluginStartsPlaysOnceItsCommandIsDoneAheadOfTheRest)
{
    zcedRegCmds->addCommand("TEST", "COUNT", "COUNT", ZCRX_CMD_MODAL, countRun);
    zcedRegCmds->addCommand("TEST", "BATCH", "BATCH", ZCRX_CMD_TRANSPARENT, startScript);
    g_scriptPath = ::testing::TempDir() + "/batch.scr";
    std::ofstream(g_scriptPath) << "COUNT\r\nCOUNT\r\nCOUNT\r\n";
    EXPECT_TRUE(play({"BATCH", "REGEN"}));
    EXPECT_EQ(g_runs, 10 * RTNORM + 3);
    std::string t = transcript();
    EXPECT_LT(t.rfind("Command: COUNT"), t.find("Regenerating model.")) << t;
}

TEST_F(AppTest, DocumentsHaveTheirOwnDatabasesAndCountedLocks)
{
    ZcApDocument* first = curDoc();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->docTitle(), "Drawing1.dwg");
    EXPECT_EQ(zcdbHostApplicationServices()->workingDatabase(), first->database());
    ASSERT_EQ(zcDocManager->appContextNewDocument(nullptr), Zcad::eOk);
    ZcApDocument* second = curDoc();
    EXPECT_NE(second, first);
    EXPECT_STREQ(second->docTitle(), "Drawing2.dwg");
    EXPECT_EQ(zcDocManager->documentCount(), 2);
    EXPECT_EQ(zcDocManager->document(first->database()), first);
    EXPECT_EQ(zcDocManager->appContextNewDocument("C:\\TEMPLATES\\missing.dwt"), Zcad::eFileNotFound);

    EXPECT_EQ(zcDocManager->lockDocument(first, ZcAp::kWrite), Zcad::eOk);
    EXPECT_EQ(zcDocManager->lockDocument(first, ZcAp::kRead), Zcad::eOk);
    EXPECT_EQ(first->lockMode(), ZcAp::kWrite);
    EXPECT_EQ(zcDocManager->lockDocument(first, ZcAp::kXWrite), Zcad::eLockViolation);
    EXPECT_EQ(zcDocManager->unlockDocument(first), Zcad::eOk);
    EXPECT_EQ(zcDocManager->unlockDocument(first), Zcad::eOk);
    EXPECT_EQ(zcDocManager->unlockDocument(first), Zcad::eInvalidContext);
    EXPECT_EQ(first->lockMode(), ZcAp::kNotLocked);

    EXPECT_EQ(zcDocManager->setCurDocument(first), Zcad::eOk);
    EXPECT_EQ(zcdbHostApplicationServices()->workingDatabase(), first->database());
    ASSERT_NE(zctrTransactionManager, nullptr);
    EXPECT_EQ(zctrTransactionManager->queueForGraphicsFlush(), Zcad::eOk);
    EXPECT_EQ(zctrTransactionManager->flushGraphics(), Zcad::eOk);
    EXPECT_EQ(zcDocManager->closeDocument(first), Zcad::eOk);
    EXPECT_EQ(curDoc(), second);
    EXPECT_EQ(zcdbHostApplicationServices()->workingDatabase(), second->database());
}

TEST_F(AppTest, ANewDocumentHasItsOwnDrawingLocksAndCommandLine)
{
    ZcApDocument* first = curDoc();
    play({"LINE", "0,0", "1,1", ""});
    ASSERT_EQ(zcDocManager->appContextNewDocument(""), Zcad::eOk);
    ZcApDocument* second = curDoc();
    ASSERT_NE(second, first);
    EXPECT_NE(second->database(), first->database());
    EXPECT_EQ(zcdbHostApplicationServices()->workingDatabase(), second->database());
    // A write lock on one drawing does not hold up another.
    EXPECT_EQ(zcDocManager->lockDocument(first, ZcAp::kWrite), Zcad::eOk);
    EXPECT_EQ(zcDocManager->lockDocument(second, ZcAp::kWrite), Zcad::eOk);
    EXPECT_EQ(second->lockMode(), ZcAp::kWrite);
    EXPECT_EQ(zcDocManager->unlockDocument(first), Zcad::eOk);
    EXPECT_EQ(first->lockMode(), ZcAp::kNotLocked);
    EXPECT_EQ(second->lockMode(), ZcAp::kWrite);
    EXPECT_EQ(zcDocManager->unlockDocument(second), Zcad::eOk);
    // Enter repeats the last command of the drawing it is pressed in.
    play({""});
    EXPECT_EQ(modelSpaceCount(), 0);
    EXPECT_EQ(zcDocManager->setCurDocument(first), Zcad::eOk);
    play({"", "1,1", "5,1", ""});
    EXPECT_EQ(modelSpaceCount(), 2);
}

TEST_F(AppTest, AStringSentToADrawingThatIsNotCurrentWaitsForIt)
{
    static std::vector<std::string> ranIn;
    ranIn.clear();
    zcedRegCmds->addCommand("TEST", "WHERE", "WHERE", ZCRX_CMD_MODAL, [] { ranIn.push_back(curDoc()->docTitle()); });
    zcedRegCmds->addCommand("TEST", "SENDFIRST", "SENDFIRST", ZCRX_CMD_MODAL, [] {
        std::unique_ptr<ZcApDocumentIterator> it(zcDocManager->newZcApDocumentIterator());
        zcDocManager->sendStringToExecute(it->document(), "WHERE\n", false, true, false);
    });
    ASSERT_EQ(zcDocManager->appContextNewDocument(""), Zcad::eOk);
    play({"SENDFIRST", "WHERE"});
    EXPECT_EQ(ranIn, std::vector<std::string>({"Drawing2.dwg"}));
    play({"DOCUMENTS", "1"});
    EXPECT_EQ(ranIn, std::vector<std::string>({"Drawing2.dwg", "Drawing1.dwg"}));
    EXPECT_STREQ(curDoc()->docTitle(), "Drawing1.dwg");
}

TEST_F(AppTest, ACommandThatMovesToANewDrawingIsHeldToTheLocksItTookInEach)
{
    static ZcApDocument* made = nullptr;
    zcedRegCmds->addCommand("TEST", "DETAIL", "DETAIL", ZCRX_CMD_MODAL, [] {
        zcDocManager->appContextNewDocument("");
        made = curDoc();
        zcDocManager->lockDocument(made, ZcAp::kWrite);
    });
    ZcApDocument* plan = curDoc();
    play({"DETAIL"});
    ASSERT_EQ(zrxhost::checkFailures().size(), 1u);
    EXPECT_EQ(zrxhost::checkFailures()[0], "DETAIL left 1 document lock(s) taken in Drawing2.dwg");
    EXPECT_EQ(made->lockMode(), ZcAp::kNotLocked);
    // The drawing the command started in has its lock back and is idle again.
    EXPECT_EQ(plan->lockMode(), ZcAp::kNotLocked);
    EXPECT_TRUE(plan->isQuiescent());
    EXPECT_EQ(curDoc(), made);
}

// The copy-out of a detail drawing as a plug-in does it: the picked entities written into
// a drawing of their own, a new document made current, the copy inserted there, saved
// under a Windows name, and a regeneration sent to it for when the command is over.
void copyOut()
{
    ZcApDocument* plan = curDoc();
    ZcDbDatabase* planDb = plan->database();
    zcDocManager->lockDocument(plan, ZcAp::kWrite);
    ZcDbObjectIdArray ids;
    {
        ZcDbBlockTable* table = nullptr;
        planDb->getBlockTable(table, ZcDb::kForRead);
        ZcDbBlockTableRecord* space = nullptr;
        table->getAt(ZCDB_MODEL_SPACE, space, ZcDb::kForWrite);
        table->close();
        auto* temporary = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 100, 0));
        space->appendZcDbEntity(temporary);
        ids.append(temporary->objectId());
        temporary->close();
        space->close();
    }
    ZcDbDatabase* copied = new ZcDbDatabase(false);
    g_runs = planDb->wblock(copied, ids, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore) == Zcad::eOk ? 1 : 0;
    zcDocManager->unlockDocument(plan);
    zcDocManager->appContextNewDocument("");
    ZcApDocument* detail = curDoc();
    zcDocManager->lockDocument(detail, ZcAp::kWrite);
    ZcGeMatrix3d ucs = ZcGeMatrix3d::translation(ZcGeVector3d(50, 0, 0));
    if (detail->database()->insert(ucs, copied, true) == Zcad::eOk) ++g_runs;
    delete copied;
    // The plan's temporaries go again while the detail is current.
    zcDocManager->unlockDocument(detail);
    zcDocManager->lockDocument(plan, ZcAp::kWrite);
    ZcDbEntity* temporary = nullptr;
    if (zcdbOpenObject(temporary, ids[0], ZcDb::kForWrite) == Zcad::eOk) {
        temporary->erase();
        temporary->close();
    }
    zcDocManager->unlockDocument(plan);
    zcDocManager->lockDocument(detail, ZcAp::kWrite);
    if (detail->database()->saveAs((g_scriptPath + "\\A1.dwg").c_str()) == Zcad::eOk) ++g_runs;
    zcDocManager->unlockDocument(detail);
    zcDocManager->sendStringToExecute(detail, "REGEN\n", false, true, false);
}

TEST_F(AppTest, ADetailIsCopiedOutIntoANewDrawingAsACommandDoesIt)
{
    std::string folder = ::testing::TempDir() + "/copy-out-" + std::to_string(getpid());
    std::filesystem::create_directories(folder + "/EndType");
    zrxhost::setDrive('C', folder);
    g_scriptPath = "C:\\ENDTYPE";
    zcedRegCmds->addCommand("TEST", "COPYOUT", "COPYOUT", ZCRX_CMD_MODAL, copyOut);
    ZcApDocument* plan = curDoc();
    EXPECT_TRUE(play({"COPYOUT"}));
    EXPECT_EQ(g_runs, 3);
    EXPECT_TRUE(zrxhost::checkFailures().empty());
    ASSERT_NE(curDoc(), plan);
    EXPECT_EQ(plan->lockMode(), ZcAp::kNotLocked);
    EXPECT_EQ(curDoc()->lockMode(), ZcAp::kNotLocked);
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(plan->database()), ZcDb::kForRead);
        for (ZcDbObjectId id : zrxhost::entityIds(ms.object())) EXPECT_TRUE(id.isErased());
    }
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(curDoc()->database()), ZcDb::kForRead);
    ASSERT_EQ(zrxhost::entityIds(ms.object()).length(), 1);
    ZcDbObjectPointer<ZcDbLine> line(zrxhost::entityIds(ms.object())[0], ZcDb::kForRead);
    EXPECT_TRUE(line->startPoint().isEqualTo(ZcGePoint3d(50, 0, 0)));
    EXPECT_TRUE(std::filesystem::exists(folder + "/EndType/A1.dwg"));
    // The regeneration ran in the detail once the command was over.
    std::string t = transcript();
    EXPECT_LT(t.find("is written as DXF"), t.find("Command: REGEN"));
    zrxhost::clearDrives();
    std::filesystem::remove_all(folder);
}

TEST_F(AppTest, CloseEndsTheDocumentAndNewStartsOne)
{
    play({"NEW", ".", "LINE", "0,0", "1,1", "", "CLOSE"});
    EXPECT_EQ(zcDocManager->documentCount(), 1);
    EXPECT_STREQ(curDoc()->docTitle(), "Drawing1.dwg");
}

TEST_F(AppTest, ZoomAndTheGraphicsViewAgree)
{
    play({"LINE", "0,0", "1000,0", "", "ZOOM", "E"});
    resbuf size;
    zcedGetVar("VIEWSIZE", &size);
    ZcGsView view;
    ASSERT_TRUE(zcgsGetViewParameters(2, &view));
    EXPECT_DOUBLE_EQ(view.fieldHeight(), size.resval.rreal);
    // The whole line fits across the screen.
    EXPECT_GE(view.fieldWidth(), 1000.0);
    EXPECT_NEAR(view.target().x, 500.0, 1e-9);
    play({"ZOOM", "W", "0,0", "16,9"});
    zcedGetVar("VIEWSIZE", &size);
    EXPECT_DOUBLE_EQ(size.resval.rreal, 9.0);
    EXPECT_EQ(zcgsGetGsView(3, true), nullptr);
}

}  // namespace
