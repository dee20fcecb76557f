// Change notifications on folders: signalled by the changes the filter names, in the folder
// or below it, held until FindNextChangeNotification, and following their path.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "win_fixture.h"
#include "zrx.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kNames = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
constexpr DWORD kWrites = FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

class ChangeNotifications : public wintest::DriveTest {
protected:
    HANDLE watch(const char* folder, DWORD filter, BOOL subtree = FALSE)
    {
        HANDLE h = FindFirstChangeNotificationA(folder, subtree, filter);
        EXPECT_NE(h, INVALID_HANDLE_VALUE) << folder;
        if (h != INVALID_HANDLE_VALUE) handles.push_back(h);
        return h;
    }
    static bool signalled(HANDLE h) { return WaitForSingleObject(h, 0) == WAIT_OBJECT_0; }
    void TearDown() override
    {
        for (HANDLE h : handles) EXPECT_TRUE(FindCloseChangeNotification(h));
        wintest::DriveTest::TearDown();
    }
    std::vector<HANDLE> handles;
};

TEST_F(ChangeNotifications, AWriteSignalsTheHandleUntilItIsReset)
{
    auto file = put("DATA/Mst/TREVANMATE.DAT", "FB,FB,1\n");
    HANDLE h = watch("C:\\DATA\\MST", kNames | kWrites);
    EXPECT_FALSE(signalled(h));
    std::ofstream(file, std::ios::app) << "A1,L,1\n";
    EXPECT_TRUE(signalled(h));
    EXPECT_TRUE(signalled(h));
    ASSERT_TRUE(FindNextChangeNotification(h));
    EXPECT_FALSE(signalled(h));
}

TEST_F(ChangeNotifications, AChangeAfterTheSignalSignalsAgainAtOnce)
{
    HANDLE h = watch("C:\\", FILE_NOTIFY_CHANGE_FILE_NAME);
    put("a.txt", "");
    EXPECT_TRUE(signalled(h));
    put("b.txt", "");
    EXPECT_TRUE(signalled(h));
    ASSERT_TRUE(FindNextChangeNotification(h));
    EXPECT_TRUE(signalled(h));
    ASSERT_TRUE(FindNextChangeNotification(h));
    EXPECT_FALSE(signalled(h));
}

TEST_F(ChangeNotifications, TheFilterChoosesWhichChangesCount)
{
    fs::create_directories(root / "DATA");
    HANDLE folders = watch("C:\\DATA", FILE_NOTIFY_CHANGE_DIR_NAME);
    HANDLE files = watch("C:\\DATA", FILE_NOTIFY_CHANGE_FILE_NAME);
    HANDLE writes = watch("C:\\DATA", FILE_NOTIFY_CHANGE_LAST_WRITE);
    auto file = put("DATA/new.txt", "");
    EXPECT_FALSE(signalled(folders));
    EXPECT_TRUE(signalled(files));
    EXPECT_FALSE(signalled(writes));
    fs::create_directories(root / "DATA/SHIP01");
    EXPECT_TRUE(signalled(folders));
    std::ofstream(file, std::ios::app) << "text";
    EXPECT_TRUE(signalled(writes));
}

TEST_F(ChangeNotifications, ChangesBelowTheFolderCountOnlyForTheSubtree)
{
    put("DATA/Mst/old.dat", "");
    HANDLE folderOnly = watch("C:\\DATA", kNames | kWrites);
    HANDLE subtree = watch("C:\\DATA", kNames | kWrites, TRUE);
    put("DATA/Mst/old.dat", "changed");
    EXPECT_FALSE(signalled(folderOnly));
    EXPECT_TRUE(signalled(subtree));
    // A folder made after the handle is watched from then on.
    fs::create_directories(root / "DATA/SHIP01");
    ASSERT_TRUE(FindNextChangeNotification(subtree));
    ASSERT_TRUE(FindNextChangeNotification(folderOnly));
    ASSERT_TRUE(FindNextChangeNotification(subtree));
    EXPECT_FALSE(signalled(subtree));
    put("DATA/SHIP01/plan.dwg", "");
    EXPECT_TRUE(signalled(subtree));
    EXPECT_FALSE(signalled(folderOnly));
}

TEST_F(ChangeNotifications, TheHandleFollowsItsPathWhenAFolderOnTheWayIsRenamed)
{
    put("TREVAN/SYSTEM/STD/stiff.ent", "1 string a\n");
    HANDLE h = watch("C:\\TREVAN\\SYSTEM\\STD", kNames | kWrites);
    fs::rename(root / "TREVAN", root / "TREVAN.old");
    EXPECT_TRUE(signalled(h));
    put("TREVAN/SYSTEM/STD/stiff.ent", "1 real a\n");
    ASSERT_TRUE(FindNextChangeNotification(h));
    ASSERT_TRUE(FindNextChangeNotification(h));
    EXPECT_FALSE(signalled(h));
    // Changes in the renamed folder no longer count; those at the path do.
    std::ofstream(root / "TREVAN.old/SYSTEM/STD/stiff.ent", std::ios::app) << "2 real b\n";
    EXPECT_FALSE(signalled(h));
    std::ofstream(root / "TREVAN/SYSTEM/STD/stiff.ent", std::ios::app) << "2 real b\n";
    EXPECT_TRUE(signalled(h));
}

TEST_F(ChangeNotifications, ANewDriveMapSignalsTheHandle)
{
    fs::create_directories(root / "one/STD");
    fs::create_directories(root / "two/STD");
    zrxhost::setDrive('C', (root / "one").string());
    HANDLE h = watch("C:\\STD", kNames);
    EXPECT_FALSE(signalled(h));
    zrxhost::setDrive('C', (root / "two").string());
    EXPECT_TRUE(signalled(h));
    ASSERT_TRUE(FindNextChangeNotification(h));
    ASSERT_TRUE(FindNextChangeNotification(h));
    put("two/STD/a.ent", "");
    EXPECT_TRUE(signalled(h));
}

TEST_F(ChangeNotifications, AWaitEndsWhenAChangeComesOrTheTimeIsUp)
{
    fs::create_directories(root / "DATA");
    HANDLE h = watch("C:\\DATA", kNames);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForSingleObject(h, 30), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
    // Another program writes while the host waits.
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ofstream(root / "DATA/new.dat") << "x";
    });
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForSingleObject(h, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    writer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(ChangeNotifications, BadFoldersFiltersAndHandlesAreRefused)
{
    put("DATA/file.txt", "");
    EXPECT_EQ(FindFirstChangeNotificationA("C:\\DATA\\none", FALSE, kNames), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstChangeNotificationA("C:\\none\\none", FALSE, kNames), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(FindFirstChangeNotificationA("C:\\DATA\\file.txt", FALSE, kNames), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIRECTORY));
    EXPECT_EQ(FindFirstChangeNotificationA("C:\\DATA", FALSE, 0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    HANDLE h = FindFirstChangeNotificationA("C:\\DATA", FALSE, kNames);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(FindCloseChangeNotification(h));
    EXPECT_EQ(WaitForSingleObject(h, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(FindNextChangeNotification(h));
    EXPECT_FALSE(FindCloseChangeNotification(h));
}

}  // namespace
