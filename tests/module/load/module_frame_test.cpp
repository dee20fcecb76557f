// The module as the host sees it: loaded, answering its messages, its command and its LISP
// test function, and unloaded.
#include <dlfcn.h>

#include <set>

#include "loaded_module_fixture.h"

namespace {

// The commands of a group: global name, local name, flags.
std::set<std::tuple<std::string, std::string, int32_t>> commandsOfGroup(const char* group)
{
    std::set<std::tuple<std::string, std::string, int32_t>> found;
    ZcEdCommandIterator* it = zcedRegCmds->iterator();
    for (; !it->done(); it->next()) {
        if (std::string(it->commandGroup()) == group)
            found.emplace(it->command()->globalName(), it->command()->localName(), it->command()->commandFlags());
    }
    delete it;
    return found;
}

class ModuleFrame : public LoadedModuleTest {
protected:
    using EntryPoint = ZcRx::AppRetCode (*)(ZcRx::AppMsgCode msg, void* appId);

    void SetUp() override
    {
        LoadedModuleTest::SetUp();
        load(kModule);
    }
    // The module's own entry point, reached as the host reaches it.
    EntryPoint entryPoint()
    {
        void* handle = dlopen(kModule, RTLD_NOW | RTLD_NOLOAD);
        EXPECT_NE(handle, nullptr);
        auto fn = reinterpret_cast<EntryPoint>(dlsym(handle, "acrxEntryPoint"));
        dlclose(handle);
        return fn;
    }
};

TEST_F(ModuleFrame, InitialisationRegistersTheTransparentTestCommandAndTheLispFunction)
{
    auto group = commandsOfGroup("TrevanCom2002");
    EXPECT_TRUE(group.count({"_TrevanCom2002Test", "TrevanCom2002Test", ZCRX_CMD_TRANSPARENT}));
    for (const auto& [global, local, flags] : group) {
        EXPECT_EQ(flags, ZCRX_CMD_TRANSPARENT) << global;
        EXPECT_EQ("_" + local, global);
    }
    // The module lets the host unload it whenever it likes.
    EXPECT_FALSE(zcrxDynamicLinker->isApplicationLocked(kModule));
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

TEST_F(ModuleFrame, OtherMessagesAnswerOkAndChangeNothingUnloadRemovesEverything)
{
    EntryPoint entry = entryPoint();
    const auto registered = commandsOfGroup("TrevanCom2002");
    transcript();
    for (int code : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 31}) {
        EXPECT_EQ(entry(static_cast<ZcRx::AppMsgCode>(code), nullptr), ZcRx::kRetOK) << code;
    }
    EXPECT_EQ(transcript(), "");
    EXPECT_EQ(commandsOfGroup("TrevanCom2002"), registered);
    EXPECT_NE(run("(ZWDLLFUNC2)").find("Hello ZWDLLFUNC!"), std::string::npos);

    ASSERT_EQ(entry(ZcRx::kUnloadAppMsg, nullptr), ZcRx::kRetOK);
    EXPECT_TRUE(commandsOfGroup("TrevanCom2002").empty());
    EXPECT_EQ(zcedRegCmds->lookupCmd("TrevanCom2002Test", false), nullptr);
    EXPECT_EQ(zcedUndef("ZWDLLFUNC2", 1), RTERROR);
}

TEST_F(ModuleFrame, UnloadingThroughTheHostLeavesNoCommand)
{
    ASSERT_TRUE(zcrxDynamicLinker->unloadModule(kModule));
    EXPECT_EQ(zcedRegCmds->lookupCmd("TrevanCom2002Test", false), nullptr);
    EXPECT_TRUE(commandsOfGroup("TrevanCom2002").empty());
}

}  // namespace
