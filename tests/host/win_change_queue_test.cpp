// The queue of file changes is read only when the kernel has marked it: an idle queue costs
// no system call, and a change by anyone (this thread, another process, a child) is still
// seen by the very next host call.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/change_watch.h"

namespace {

namespace fs = std::filesystem;

class ChangeQueue : public wintest::DriveTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        wintest::DriveTest::SetUp();
        zrxhost::setChangeQueueRing(GetParam());
        file = put("WINDOWS/TrevanAcad.ini", settings("C:\\START"));
    }
    void TearDown() override
    {
        zrxhost::setChangeQueueRing(true);
        wintest::DriveTest::TearDown();
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

TEST_P(ChangeQueue, AWriteByAnotherProcessIsSeenByTheNextCall)
{
    EXPECT_EQ(sysDir(), "C:\\START");
    for (int round = 0; round < 10; ++round) {
        const std::string dir = "C:\\ROUND" + std::to_string(round);
        writeFromAnotherProcess(dir);
        ASSERT_EQ(sysDir(), dir) << "round " << round;
        ASSERT_EQ(sysDir(), dir) << "round " << round;
    }
}

TEST_P(ChangeQueue, ABurstOfChangesBetweenTwoCallsLeavesTheQueueFollowed)
{
    EXPECT_EQ(sysDir(), "C:\\START");
    const bool following = zrxhost::changeQueueRingFollowing();
    // Far more events than the ring holds notices for, each one waking the queue.
    for (int i = 0; i < 300; ++i) put("WINDOWS/burst" + std::to_string(i) + ".tmp", "x");
    std::ofstream(file, std::ios::binary) << settings("C:\\AFTER");
    EXPECT_EQ(sysDir(), "C:\\AFTER");
    for (int round = 0; round < 3; ++round) {
        const std::string dir = "C:\\AGAIN" + std::to_string(round);
        std::ofstream(file, std::ios::binary) << settings(dir);
        EXPECT_EQ(sysDir(), dir);
    }
    // A ring that overflowed is armed again, not given up.
    EXPECT_EQ(zrxhost::changeQueueRingFollowing(), following);
}

TEST_P(ChangeQueue, AChildProcessWorksOnItsOwnQueueAndTheParentSeesItsWrites)
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

TEST_P(ChangeQueue, TheQueueIsReadOnlyWhenSomethingMayHaveComeUnlessTheRingIsOff)
{
    const bool ring = GetParam();
    if (ring && !zrxhost::changeQueueRingFollowing()) GTEST_SKIP() << "the kernel offers no io_uring here";
    EXPECT_EQ(sysDir(), "C:\\START");
    const uint64_t before = zrxhost::changeQueueReads();
    constexpr uint64_t kCalls = 200;
    for (uint64_t i = 0; i < kCalls; ++i) ASSERT_EQ(sysDir(), "C:\\START");
    const uint64_t idleReads = zrxhost::changeQueueReads() - before;
    // Other programs creating files in /tmp (watched on the way down to the drive) may
    // mark the queue now and then while these calls run; most calls must not read.
    if (ring) EXPECT_LT(idleReads, kCalls / 2);
    else EXPECT_GE(idleReads, kCalls);

    std::ofstream(file, std::ios::binary) << settings("C:\\EDITED");
    const uint64_t beforeEdit = zrxhost::changeQueueReads();
    EXPECT_EQ(sysDir(), "C:\\EDITED");
    EXPECT_GT(zrxhost::changeQueueReads(), beforeEdit);
}

INSTANTIATE_TEST_SUITE_P(RingAndPlainReads, ChangeQueue, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& p) { return p.param ? "Ring" : "EveryCall"; });

}  // namespace
