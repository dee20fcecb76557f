// Profile files are kept parsed between reads, yet every read answers from the file as it
// is: whoever changed it, and however.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/change_watch.h"

namespace {

namespace fs = std::filesystem;

const char* const kIni = "C:\\WINDOWS\\TrevanAcad.ini";

class KeptProfiles : public wintest::DriveTest {
protected:
    std::string sysDir(const char* file = kIni)
    {
        char buf[256];
        GetPrivateProfileStringA("DIR", "TrevanAcadSysDir", "GetIniErrMsg", buf, sizeof buf, file);
        return buf;
    }
    static std::string settings(const std::string& sysDir) { return "[DIR]\r\nTrevanAcadSysDir=" + sysDir + "\r\n"; }
    // Written by another program: straight to the disk, not through the host.
    static void writeOver(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
};

TEST_F(KeptProfiles, AnEditOfTheSameSizeBetweenTwoReadsIsSeen)
{
    auto file = put("WINDOWS/TrevanAcad.ini", settings("C:\\AAAA"));
    EXPECT_EQ(sysDir(), "C:\\AAAA");
    EXPECT_EQ(sysDir(), "C:\\AAAA");
    writeOver(file, settings("C:\\BBBB"));
    EXPECT_EQ(sysDir(), "C:\\BBBB");
    EXPECT_EQ(GetPrivateProfileIntA("DIR", "Missing", 7, kIni), 7u);
}

TEST_F(KeptProfiles, AFileSavedAtomicallyOverTheOldOneIsSeen)
{
    put("WINDOWS/TrevanAcad.ini", settings("C:\\OLD"));
    EXPECT_EQ(sysDir(), "C:\\OLD");
    auto temp = put("WINDOWS/TrevanAcad.ini.tmp", settings("C:\\NEW"));
    fs::rename(temp, root / "WINDOWS/TrevanAcad.ini");
    EXPECT_EQ(sysDir(), "C:\\NEW");
}

TEST_F(KeptProfiles, AWriteThroughAnotherHardLinkIsSeen)
{
    auto file = put("WINDOWS/TrevanAcad.ini", settings("C:\\ONE"));
    fs::create_directories(root / "elsewhere");
    fs::create_hard_link(file, root / "elsewhere/linked.ini");
    EXPECT_EQ(sysDir(), "C:\\ONE");
    writeOver(root / "elsewhere/linked.ini", settings("C:\\TWO"));
    EXPECT_EQ(sysDir(), "C:\\TWO");
}

TEST_F(KeptProfiles, AFileReachedThroughASymbolicLinkIsReadAsItsTargetIs)
{
    auto target = put("real/settings.ini", settings("C:\\ONE"));
    fs::create_directories(root / "WINDOWS");
    fs::create_symlink(target, root / "WINDOWS/TrevanAcad.ini");
    EXPECT_EQ(sysDir(), "C:\\ONE");
    writeOver(target, settings("C:\\TWO"));
    EXPECT_EQ(sysDir(), "C:\\TWO");
}

TEST_F(KeptProfiles, TheHostsOwnWritesAreSeenByTheNextRead)
{
    put("WINDOWS/TrevanAcad.ini", settings("C:\\OLD"));
    EXPECT_EQ(sysDir(), "C:\\OLD");
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "TrevanAcadSysDir", "C:\\NEW", kIni));
    EXPECT_EQ(sysDir(), "C:\\NEW");
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", nullptr, nullptr, kIni));
    EXPECT_EQ(sysDir(), "GetIniErrMsg");
}

TEST_F(KeptProfiles, AFileThatAppearsCountsAndOneRemovedIsMissing)
{
    fs::create_directories(root / "WINDOWS");
    EXPECT_EQ(sysDir(), "GetIniErrMsg");
    auto file = put("WINDOWS/TrevanAcad.ini", settings("C:\\HERE"));
    EXPECT_EQ(sysDir(), "C:\\HERE");
    fs::remove(file);
    EXPECT_EQ(sysDir(), "GetIniErrMsg");
}

TEST_F(KeptProfiles, AFolderRenamedOnTheWayIsSeen)
{
    put("WINDOWS/TrevanAcad.ini", settings("C:\\OLD"));
    EXPECT_EQ(sysDir(), "C:\\OLD");
    fs::rename(root / "WINDOWS", root / "WINDOWS.old");
    EXPECT_EQ(sysDir(), "GetIniErrMsg");
    put("windows/trevanacad.ini", settings("C:\\NEW"));
    EXPECT_EQ(sysDir(), "C:\\NEW");
}

TEST_F(KeptProfiles, ReadFilesAreWatchedForTheirChanges)
{
    put("WINDOWS/TrevanAcad.ini", settings("C:\\SYS"));
    // Starts the watcher over: nothing is watched.
    zrxhost::setChangeWatchLimit(std::nullopt);
    EXPECT_EQ(zrxhost::changeWatchCount(), 0u);
    EXPECT_EQ(sysDir(), "C:\\SYS");
    // Every folder from "/" down to the file, and the file itself.
    auto folders = static_cast<size_t>(std::distance(root.begin(), root.end())) + 1;
    EXPECT_EQ(zrxhost::changeWatchCount(), folders + 1);
}

}  // namespace
