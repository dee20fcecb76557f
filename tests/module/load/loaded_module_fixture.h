// The module as the host loads it: an application session in which plug-ins are loaded
// with the host's dynamic linker, and commands or LISP are run at the command prompt.
#pragma once

#include <string>

#include "support/editor_fixture.h"
#include "zrxhost/session.h"

class LoadedModuleTest : public EditorTest {
protected:
    static constexpr const char* kModule = TREVANCOM_MODULE_PATH;

    void SetUp() override
    {
        EditorTest::SetUp();
        zrxhost::startApplication();
        zrxhost::clearCheckFailures();
    }
    void TearDown() override
    {
        zrxhost::endApplication();
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        EditorTest::TearDown();
    }
    void load(const char* path) { ASSERT_TRUE(zcrxDynamicLinker->loadModule(path, false)) << path; }
    // What the command line shows for the line typed at the prompt.
    std::string run(const std::string& line)
    {
        transcript();
        zrxhost::runCommandLine(line);
        return transcript();
    }
};
