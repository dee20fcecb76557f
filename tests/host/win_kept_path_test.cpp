// Resolved Windows paths are kept, yet always name what is on the disk now: entries that
// appear in another case, folders renamed anywhere along the way, a changed drive map.
#include <gtest/gtest.h>

#include <filesystem>

#include "win_fixture.h"
#include "zrx.h"

namespace {

namespace fs = std::filesystem;

class KeptPaths : public wintest::DriveTest {};

TEST_F(KeptPaths, AFileAppearingInAnotherCaseIsFound)
{
    fs::create_directories(root / "data");
    EXPECT_EQ(zrxhost::hostPath("C:\\DATA\\Stiff.ent"), (root / "data/Stiff.ent").string());
    put("data/STIFF.ENT", "x");
    EXPECT_EQ(zrxhost::hostPath("C:\\DATA\\Stiff.ent"), (root / "data/STIFF.ENT").string());
    fs::remove(root / "data/STIFF.ENT");
    EXPECT_EQ(zrxhost::hostPath("C:\\DATA\\Stiff.ent"), (root / "data/Stiff.ent").string());
}

TEST_F(KeptPaths, AFolderAppearingInAnotherCaseTakesOverWhenItSortsFirst)
{
    put("mst/a.dat", "x");
    EXPECT_EQ(zrxhost::hostPath("C:\\Mst\\A.DAT"), (root / "mst/a.dat").string());
    // Upper case sorts first in byte order: "MST" is the folder Windows names now.
    put("MST/A.DAT", "y");
    EXPECT_EQ(zrxhost::hostPath("C:\\Mst\\A.DAT"), (root / "MST/A.DAT").string());
}

TEST_F(KeptPaths, AFolderRenamedAlongTheWayIsSeen)
{
    put("Trevan/DATA/x.txt", "x");
    EXPECT_EQ(zrxhost::hostPath("C:\\TREVAN\\DATA\\X.TXT"), (root / "Trevan/DATA/x.txt").string());
    fs::rename(root / "Trevan", root / "Old");
    EXPECT_EQ(zrxhost::hostPath("C:\\TREVAN\\DATA\\X.TXT"), (root / "TREVAN/DATA/X.TXT").string());
    put("trevan/data/X.txt", "y");
    EXPECT_EQ(zrxhost::hostPath("C:\\TREVAN\\DATA\\X.TXT"), (root / "trevan/data/X.txt").string());
}

TEST_F(KeptPaths, AFolderRenamedAboveTheDriveIsSeen)
{
    put("base/c/Mst/a.dat", "x");
    zrxhost::setDrive('C', (root / "base/c").string());
    EXPECT_EQ(zrxhost::hostPath("C:\\MST\\A.DAT"), (root / "base/c/Mst/a.dat").string());
    // The folders above the drive are watched too.
    fs::rename(root / "base", root / "base.old");
    EXPECT_EQ(zrxhost::hostPath("C:\\MST\\A.DAT"), (root / "base/c/MST/A.DAT").string());
    put("base/c/mst/A.dat", "y");
    EXPECT_EQ(zrxhost::hostPath("C:\\MST\\A.DAT"), (root / "base/c/mst/A.dat").string());
}

TEST_F(KeptPaths, TheDriveMapAndTheCurrentFolderChangeWhatAPathNames)
{
    put("one/STD/stiff.ent", "1");
    put("two/std/STIFF.ENT", "2");
    zrxhost::setDrive('C', (root / "one").string());
    EXPECT_EQ(zrxhost::hostPath("C:\\std\\stiff.ent"), (root / "one/STD/stiff.ent").string());
    zrxhost::setDrive('C', (root / "two").string());
    EXPECT_EQ(zrxhost::hostPath("C:\\std\\stiff.ent"), (root / "two/std/STIFF.ENT").string());
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\STD"));
    EXPECT_EQ(zrxhost::hostPath("stiff.ent"), (root / "two/std/STIFF.ENT").string());
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ(zrxhost::hostPath("stiff.ent"), (root / "two/stiff.ent").string());
}

}  // namespace
