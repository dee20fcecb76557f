// The module as the host sees it: loaded, answering its messages, its command and its LISP
// test function, and unloaded.
#include <dlfcn.h>

#include <set>
#include <string>

#include "support/editor_fixture.h"
#include "zrxhost/session.h"

namespace {

const char* kModule = TREVANCOM_MODULE_PATH;

struct Registered {
    std::string global, local;
    int32_t flags;
    bool operator<(const Registered& o) const { return global < o.global; }
};

std::set<Registered> commandsOfGroup(const char* group)
{
    std::set<Registered> found;
    ZcEdCommandIterator* it = zcedRegCmds->iterator();
    for (; !it->done(); it->next()) {
        if (std::string(it->commandGroup()) != group) continue;
        found.insert({it->command()->globalName(), it->command()->localName(), it->command()->commandFlags()});
    }
    delete it;
    return found;
}

class ModuleFrame : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        zrxhost::startApplication();
        zrxhost::clearCheckFailures();
        ASSERT_TRUE(zcrxDynamicLinker->loadModule(kModule, false));
    }
    void TearDown() override
    {
        zrxhost::endApplication();
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        EditorTest::TearDown();
    }
    // The module's own entry point, reached as the host reaches it.
    ZcRxEntryPointFn entryPoint()
    {
        void* handle = dlopen(kModule, RTLD_NOW | RTLD_NOLOAD);
        EXPECT_NE(handle, nullptr);
        auto fn = reinterpret_cast<ZcRxEntryPointFn>(dlsym(handle, "acrxEntryPoint"));
        dlclose(handle);
        return fn;
    }
    std::string run(const std::string& line)
    {
        transcript();
        zrxhost::runCommandLine(line);
        return transcript();
    }
};

TEST_F(ModuleFrame, InitialisationRegistersTheTestCommandInTheModulesGroup)
{
    std::set<Registered> group = commandsOfGroup("TrevanCom2002");
    auto test = group.find({"_TrevanCom2002Test", "", 0});
    ASSERT_NE(test, group.end());
    EXPECT_EQ(test->local, "TrevanCom2002Test");
    // Every command of the group is transparent, its local name its global one's.
    for (const Registered& r : group) {
        EXPECT_EQ(r.flags, ZCRX_CMD_TRANSPARENT) << r.global;
        EXPECT_EQ("_" + r.local, r.global);
    }
    // The module lets the host unload it whenever it likes.
    EXPECT_FALSE(zcrxDynamicLinker->isApplicationLocked(kModule));
}

TEST_F(ModuleFrame, LispTestFunctionAlertsAndGivesT)
{
    // The box shows the text after its leading new line; LISP then echoes the value.
    EXPECT_EQ(run("(ZWDLLFUNC2)"), "[MessageBox]  Hello ZWDLLFUNC!\nT\n");
}

TEST_F(ModuleFrame, TestCommandGreetsAndDefinesTheLispFunctionAgain)
{
    // A drawing without the function, as one opened after the module was loaded.
    ASSERT_EQ(zcedUndef("ZWDLLFUNC2", 1), RTNORM);
    EXPECT_EQ(run("(ZWDLLFUNC2)").find("Hello ZWDLLFUNC!"), std::string::npos);
    std::string greeting = run("TrevanCom2002Test");
    EXPECT_EQ(greeting.rfind("  TrevanCom Hello World!!", 0), 0u) << greeting;
    std::string again = run("(ZWDLLFUNC2)");
    EXPECT_NE(again.find("[MessageBox]  Hello ZWDLLFUNC!"), std::string::npos) << again;
    EXPECT_TRUE(again.ends_with("\nT\n")) << again;
    EXPECT_TRUE(zrxhost::checkFailures().empty());
}

TEST_F(ModuleFrame, UnloadMessageRemovesTheGroupAndTheLispFunction)
{
    ASSERT_EQ(entryPoint()(ZcRx::kUnloadAppMsg, nullptr), ZcRx::kRetOK);
    EXPECT_TRUE(commandsOfGroup("TrevanCom2002").empty());
    EXPECT_EQ(zcedRegCmds->lookupCmd("TrevanCom2002Test"), nullptr);
    EXPECT_EQ(zcedUndef("ZWDLLFUNC2", 1), RTERROR);
}

TEST_F(ModuleFrame, UnloadingThroughTheHostLeavesNoCommand)
{
    ASSERT_TRUE(zcrxDynamicLinker->unloadModule(kModule));
    EXPECT_EQ(zcedRegCmds->lookupCmd("TrevanCom2002Test"), nullptr);
    EXPECT_TRUE(commandsOfGroup("TrevanCom2002").empty());
}

TEST_F(ModuleFrame, OtherMessagesAnswerOkAndChangeNothing)
{
    ZcRxEntryPointFn entry = entryPoint();
    const size_t registered = commandsOfGroup("TrevanCom2002").size();
    transcript();
    for (int code : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 31}) {
        EXPECT_EQ(entry(static_cast<ZcRx::AppMsgCode>(code), nullptr), ZcRx::kRetOK) << code;
    }
    EXPECT_EQ(transcript(), "");
    EXPECT_EQ(commandsOfGroup("TrevanCom2002").size(), registered);
    EXPECT_NE(run("(ZWDLLFUNC2)").find("Hello ZWDLLFUNC!"), std::string::npos);
}

}  // namespace
