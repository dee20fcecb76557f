// When folders cannot be watched (the watch limit reached), nothing is kept: answers still
// come from the disk as it is, and change notifications report a change on every wait.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/change_watch.h"

namespace {

namespace fs = std::filesystem;

class WatchFallback : public wintest::DriveTest {
protected:
    void TearDown() override
    {
        zrxhost::setChangeWatchLimit(std::nullopt);
        wintest::DriveTest::TearDown();
    }
    std::string sysDir()
    {
        char buf[64];
        GetPrivateProfileStringA("DIR", "SysDir", "", buf, sizeof buf, "C:\\WINDOWS\\TrevanAcad.ini");
        return buf;
    }
};

TEST_F(WatchFallback, WithoutWatchesEveryReadGoesToTheDisk)
{
    zrxhost::setChangeWatchLimit(0);
    auto file = put("WINDOWS/TrevanAcad.ini", "[DIR]\nSysDir=C:\\AAAA\n");
    EXPECT_EQ(sysDir(), "C:\\AAAA");
    std::ofstream(file, std::ios::binary) << "[DIR]\nSysDir=C:\\BBBB\n";
    EXPECT_EQ(sysDir(), "C:\\BBBB");
    put("mst/a.dat", "");
    EXPECT_EQ(zrxhost::hostPath("C:\\MST\\A.DAT"), (root / "mst/a.dat").string());
    put("MST/A.DAT", "");
    EXPECT_EQ(zrxhost::hostPath("C:\\MST\\A.DAT"), (root / "MST/A.DAT").string());
    EXPECT_EQ(zrxhost::changeWatchCount(), 0u);
}

TEST_F(WatchFallback, AWatchLimitReachedOnTheWayKeepsNothingBelowIt)
{
    // Enough for the folders above the drive, not for the drive's own.
    size_t above = static_cast<size_t>(std::distance(root.begin(), root.end()));
    zrxhost::setChangeWatchLimit(above);
    auto file = put("WINDOWS/TrevanAcad.ini", "[DIR]\nSysDir=C:\\AAAA\n");
    EXPECT_EQ(sysDir(), "C:\\AAAA");
    std::ofstream(file, std::ios::binary) << "[DIR]\nSysDir=C:\\BBBB\n";
    EXPECT_EQ(sysDir(), "C:\\BBBB");
    EXPECT_LE(zrxhost::changeWatchCount(), above);
}

TEST_F(WatchFallback, AHandleThatCannotWatchIsAlwaysSignalled)
{
    fs::create_directories(root / "DATA");
    zrxhost::setChangeWatchLimit(0);
    HANDLE h = FindFirstChangeNotificationA("C:\\DATA", FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WaitForSingleObject(h, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    ASSERT_TRUE(FindNextChangeNotification(h));
    EXPECT_EQ(WaitForSingleObject(h, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(FindCloseChangeNotification(h));
}

}  // namespace
