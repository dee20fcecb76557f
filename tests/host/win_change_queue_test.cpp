// What the host keeps of files is never stale: a change by another program is seen by the
// next host call outside any command and by the next command inside one; a change the host
// makes itself is seen at once; a child process never takes its parent's changes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/session.h"
#include "zrxhost/windows_fopen.h"

namespace {

namespace fs = std::filesystem;

std::function<void()> g_body;
void runBody() { g_body(); }

class ChangeQueue : public wintest::DriveTest {
public:
    void SetUp() override
    {
        wintest::DriveTest::SetUp();
        file = put("WINDOWS/TrevanAcad.ini", settings("C:\\START"));
        zcedRegCmds->addCommand("QUEUE_TEST", "BODY", "BODY", ZCRX_CMD_MODAL, runBody);
    }
    void TearDown() override
    {
        zcedRegCmds->removeGroup("QUEUE_TEST");
        g_body = nullptr;
        wintest::DriveTest::TearDown();
    }
    // Runs the body as a command of the host.
    static void command(std::function<void()> body)
    {
        g_body = std::move(body);
        ASSERT_EQ(zcedCommand(RTSTR, "BODY", RTNONE), RTNORM);
    }
    static std::string sysDir()
    {
        char buf[64];
        GetPrivateProfileStringA("DIR", "SysDir", "GetIniErrMsg", buf, sizeof buf, "C:\\WINDOWS\\TrevanAcad.ini");
        return buf;
    }
    static std::string settings(const std::string& dir) { return "[DIR]\r\nSysDir=" + dir + "\r\n"; }
    // Another program's write: a shell started for it.
    void writeFromAnotherProcess(const std::string& dir)
    {
        std::string command = "printf '[DIR]\\r\\nSysDir=" + dir + "\\r\\n' > '" + file.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    fs::path file;
};

TEST_F(ChangeQueue, OutsideACommandAWriteByAnotherProcessIsSeenByTheNextCall)
{
    EXPECT_EQ(sysDir(), "C:\\START");
    for (int round = 0; round < 10; ++round) {
        const std::string dir = "C:\\ROUND" + std::to_string(round);
        writeFromAnotherProcess(dir);
        ASSERT_EQ(sysDir(), dir) << "round " << round;
        ASSERT_EQ(sysDir(), dir) << "round " << round;
    }
}

TEST_F(ChangeQueue, AWriteByAnotherProcessDuringACommandIsSeenByTheNextCommand)
{
    std::string first, second;
    command([&] {
        first = sysDir();
        writeFromAnotherProcess("C:\\OTHER");
    });
    command([&] { second = sysDir(); });
    EXPECT_EQ(first, "C:\\START");
    EXPECT_EQ(second, "C:\\OTHER");
}

// Each external function a LISP expression calls is a call of its own.
TEST_F(ChangeQueue, AnExternalFunctionSeesWhatAnotherProcessWroteBeforeItWasCalled)
{
    static ChangeQueue* self = nullptr;
    static std::string seen;
    self = this;
    zcedRegFunc([] {
        self->writeFromAnotherProcess("C:\\LISP");
        return zcedRetNil();
    }, 7001);
    zcedRegFunc([] {
        seen = sysDir();
        return zcedRetNil();
    }, 7002);
    zcedDefun("QUEUE-TEST-WRITE", 7001);
    zcedDefun("QUEUE-TEST-SYSDIR", 7002);
    EXPECT_EQ(sysDir(), "C:\\START");
    zrxhost::runCommandLine("(list (queue-test-sysdir) (queue-test-write) (queue-test-sysdir))");
    zcedUndef("QUEUE-TEST-WRITE", 7001);
    zcedUndef("QUEUE-TEST-SYSDIR", 7002);
    EXPECT_EQ(seen, "C:\\LISP");
}

TEST_F(ChangeQueue, TheHostsOwnProfileWriteIsSeenAtOnceInsideACommand)
{
    std::string before, after;
    command([&] {
        before = sysDir();
        WritePrivateProfileStringA("DIR", "SysDir", "C:\\WRITTEN", "C:\\WINDOWS\\TrevanAcad.ini");
        after = sysDir();
    });
    EXPECT_EQ(before, "C:\\START");
    EXPECT_EQ(after, "C:\\WRITTEN");
}

TEST_F(ChangeQueue, TheHostsOwnFileWritesAreSeenAtOnceInsideACommand)
{
    put("DATA/keep.txt", "");
    std::string written;
    bool createdFound = false, deletedGone = false, renamedFound = false;
    command([&] {
        // Looked up first, so that the answers are kept.
        ASSERT_EQ(GetFileAttributesA("C:\\DATA\\NEW"), INVALID_FILE_ATTRIBUTES);
        ASSERT_NE(GetFileAttributesA("C:\\DATA\\KEEP.TXT"), INVALID_FILE_ATTRIBUTES);
        sysDir();
        ASSERT_TRUE(CreateDirectoryA("C:\\DATA\\NEW", nullptr));
        createdFound = GetFileAttributesA("C:\\data\\new") != INVALID_FILE_ATTRIBUTES;
        ASSERT_TRUE(MoveFileA("C:\\DATA\\KEEP.TXT", "C:\\DATA\\MOVED.TXT"));
        renamedFound = GetFileAttributesA("C:\\DATA\\moved.txt") != INVALID_FILE_ATTRIBUTES;
        ASSERT_TRUE(DeleteFileA("C:\\DATA\\MOVED.TXT"));
        deletedGone = GetFileAttributesA("C:\\DATA\\MOVED.TXT") == INVALID_FILE_ATTRIBUTES;
        FILE* f = zrxhost::windowsFopen("C:\\WINDOWS\\TrevanAcad.ini", "w");
        ASSERT_NE(f, nullptr);
        std::fputs("[DIR]\nSysDir=C:\\FOPEN\n", f);
        std::fclose(f);
        written = sysDir();
    });
    EXPECT_TRUE(createdFound);
    EXPECT_TRUE(renamedFound);
    EXPECT_TRUE(deletedGone);
    EXPECT_EQ(written, "C:\\FOPEN");
}

TEST_F(ChangeQueue, AWaitInsideACommandSeesAChangeByAnotherProcess)
{
    fs::create_directories(root / "DATA");
    DWORD waited = 0;
    command([&] {
        HANDLE h = FindFirstChangeNotificationA("C:\\DATA", FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        ASSERT_EQ(std::system(("touch '" + (root / "DATA/other.txt").string() + "'").c_str()), 0);
        waited = WaitForSingleObject(h, 5000);
        FindCloseChangeNotification(h);
    });
    EXPECT_EQ(waited, static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST_F(ChangeQueue, AChildProcessWorksOnItsOwnQueueAndTheParentSeesItsWrites)
{
    EXPECT_EQ(sysDir(), "C:\\START");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = sysDir() == "C:\\START";
        std::ofstream(file, std::ios::binary) << settings("C:\\CHILD");
        ok = ok && sysDir() == "C:\\CHILD";
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child read stale settings";
    EXPECT_EQ(sysDir(), "C:\\CHILD");
    std::ofstream(file, std::ios::binary) << settings("C:\\PARENT");
    EXPECT_EQ(sysDir(), "C:\\PARENT");
}

}  // namespace
