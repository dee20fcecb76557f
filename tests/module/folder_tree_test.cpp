// Folders on drive C:: whether they exist, making them with their parents, and deleting
// them with everything inside.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

namespace fs = std::filesystem;

class FolderTree : public EditorTest {
protected:
    std::string currentFolder()
    {
        char buf[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof buf, buf);
        return buf;
    }
    TempDriveC c;
};

TEST_F(FolderTree, FindFolderTellsFoldersFromFilesAndPatterns)
{
    fs::create_directories(c.at("SHIP/EMPTY"));
    c.put("SHIP/plan.dwg", "x");
    // An empty folder still answers: its own entries match "*".
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\SHIP\\EMPTY", 1), 1);
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\ship\\empty\\", 1), 1);
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\SHIP\\NONE", 1), 0);
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\SHIP\\plan.dwg", 1), 0);
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\SHIP\\plan.dwg", 0), 1);
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\SHIP\\*.DWG", 0), 1);
    EXPECT_EQ(TrevanComARX_FindFolder("C:\\SHIP\\*.dxf", 0), 0);
}

TEST_F(FolderTree, MakeFolderMakesEveryMissingParentOfAPathWithATrailingBackslash)
{
    ASSERT_EQ(TrevanComARX_MakeFolder("C:\\a\\b\\c\\"), 1);
    EXPECT_TRUE(fs::is_directory(c.at("a")));
    EXPECT_TRUE(fs::is_directory(c.at("a/b")));
    EXPECT_TRUE(fs::is_directory(c.at("a/b/c")));
}

TEST_F(FolderTree, MakeFolderAcceptsAFolderThatIsThereAndRefusesWhatCannotBeAFolder)
{
    fs::create_directories(c.at("TREVAN/DATA"));
    EXPECT_EQ(TrevanComARX_MakeFolder("C:\\trevan\\data"), 1);
    EXPECT_EQ(TrevanComARX_MakeFolder(""), 0);
    // A file stands where a parent folder should be.
    c.put("TREVAN/DATA/ENDTYPE", "not a folder");
    EXPECT_EQ(TrevanComARX_MakeFolder("C:\\TREVAN\\DATA\\ENDTYPE\\S2185"), 0);
    EXPECT_FALSE(fs::exists(c.at("TREVAN/DATA/ENDTYPE/S2185")));
}

TEST_F(FolderTree, DeleteFolderRemovesEverythingInsideReadOnlyFilesToo)
{
    c.put("OLD/S2185/L-L/A01.dwg", "detail");
    c.put("OLD/S2185/readme.txt", "notes");
    c.put("OLD/fixed.ini", "[X]\r\n");
    ASSERT_TRUE(SetFileAttributesA("C:\\OLD\\S2185\\L-L\\A01.dwg", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesA("C:\\OLD\\fixed.ini", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    fs::create_directories(c.at("WORK"));
    SetCurrentDirectoryA("C:\\WORK");

    CStringArray failures;
    EXPECT_EQ(TrevanComARX_DeleteFolder("C:\\OLD", failures), 1);
    EXPECT_EQ(failures.GetSize(), 0);
    EXPECT_FALSE(fs::exists(c.at("OLD")));
    EXPECT_EQ(currentFolder(), "C:\\WORK");
}

TEST_F(FolderTree, FilesThatCannotBeDeletedAreListedAndTheirFoldersStay)
{
    c.put("OLD/S2185/locked.dat", "kept");
    c.put("OLD/S2185/gone.dat", "deleted");
    c.put("OLD/gone.txt", "deleted");
    // Read-only together with hidden: not a file the product makes writable on its own.
    ASSERT_TRUE(SetFileAttributesA("C:\\OLD\\S2185\\locked.dat", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

    CStringArray failures;
    EXPECT_EQ(TrevanComARX_DeleteFolder("C:\\OLD", failures), 1);
    ASSERT_EQ(failures.GetSize(), 1);
    EXPECT_EQ(failures[0], "C:\\OLD\\S2185\\locked.dat");
    EXPECT_TRUE(fs::exists(c.at("OLD/S2185/locked.dat")));
    EXPECT_FALSE(fs::exists(c.at("OLD/S2185/gone.dat")));
    EXPECT_FALSE(fs::exists(c.at("OLD/gone.txt")));
}

TEST_F(FolderTree, DeleteFolderTakesARelativeFolderFromTheCurrentOneAndAnswersZeroForNone)
{
    c.put("WORK/OLD/SUB/a.txt", "a");
    SetCurrentDirectoryA("C:\\WORK");
    CStringArray failures;
    EXPECT_EQ(TrevanComARX_DeleteFolder("OLD", failures), 1);
    EXPECT_FALSE(fs::exists(c.at("WORK/OLD")));
    EXPECT_EQ(TrevanComARX_DeleteFolder("OLD", failures), 0);
    EXPECT_EQ(TrevanComARX_DeleteFolder("C:\\NONE", failures), 0);
    EXPECT_EQ(failures.GetSize(), 0);
    EXPECT_EQ(currentFolder(), "C:\\WORK");
}

}  // namespace
