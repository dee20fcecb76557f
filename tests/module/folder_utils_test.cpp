// Folders and files on drive C:: finding, making and deleting folders with everything in
// them, switching a file's read-only attribute, copying a file, and the folder browser.
#include <algorithm>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kA = FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kR = FILE_ATTRIBUTE_READONLY;
constexpr DWORD kH = FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD kS = FILE_ATTRIBUTE_SYSTEM;

class FolderUtils : public EditorTest {
protected:
    // Puts a file and gives it exactly these attributes.
    void make(const std::string& name, DWORD attributes)
    {
        c.put(name, "[DIR]\r\n");
        std::string path = "C:\\" + name;
        std::replace(path.begin(), path.end(), '/', '\\');
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
    }
    std::string currentFolder()
    {
        char buf[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof buf, buf);
        return buf;
    }
    TempDriveC c;
};

TEST_F(FolderUtils, FindFolderTellsFoldersFromFilesAndPatterns)
{
    fs::create_directories(c.at("SHIP/EMPTY"));
    c.put("SHIP/plan.dwg", "x");
    const std::tuple<const char*, int, int> cases[] = {
        // An empty folder still answers: its own entries match "*".
        {"C:\\SHIP\\EMPTY", 1, 1}, {"C:\\ship\\empty\\", 1, 1}, {"C:\\SHIP\\NONE", 1, 0}, {"C:\\SHIP\\plan.dwg", 1, 0},
        {"C:\\SHIP\\plan.dwg", 0, 1}, {"C:\\SHIP\\*.DWG", 0, 1}, {"C:\\SHIP\\*.dxf", 0, 0}};
    for (const auto& [path, folder, found] : cases) EXPECT_EQ(TrevanComARX_FindFolder(path, folder), found) << path;
}

TEST_F(FolderUtils, MakeFolderMakesEveryMissingParentButNoFolderWhereAFileIs)
{
    // Only the root exists, and the path ends in a backslash.
    ASSERT_EQ(TrevanComARX_MakeFolder("C:\\a\\b\\c\\"), 1);
    EXPECT_TRUE(fs::is_directory(c.at("a/b/c")));
    EXPECT_EQ(TrevanComARX_MakeFolder("C:\\A\\B"), 1);
    EXPECT_EQ(TrevanComARX_MakeFolder(""), 0);
    c.put("a/b/FILE", "not a folder");
    EXPECT_EQ(TrevanComARX_MakeFolder("C:\\a\\b\\FILE\\S2185"), 0);
    EXPECT_FALSE(fs::exists(c.at("a/b/FILE/S2185")));
}

TEST_F(FolderUtils, DeleteFolderRemovesReadOnlyFilesAndListsThoseItCannotDelete)
{
    make("OLD/S2185/L-L/A01.dwg", kA | kR);
    make("OLD/fixed.ini", kA | kR);
    // Read-only together with hidden: not a file the product makes writable on its own.
    make("KEEP/S2185/locked.dat", kR | kH);
    c.put("KEEP/S2185/gone.dat", "deleted");
    c.put("KEEP/gone.txt", "deleted");
    c.put("WORK/OLD/SUB/a.txt", "a");
    SetCurrentDirectoryA("C:\\WORK");

    CStringArray failures;
    EXPECT_EQ(TrevanComARX_DeleteFolder("C:\\OLD", failures), 1);
    EXPECT_EQ(failures.GetSize(), 0);
    EXPECT_FALSE(fs::exists(c.at("OLD")));
    EXPECT_EQ(TrevanComARX_DeleteFolder("C:\\KEEP", failures), 1);
    ASSERT_EQ(failures.GetSize(), 1);
    EXPECT_EQ(failures[0], "C:\\KEEP\\S2185\\locked.dat");
    EXPECT_TRUE(fs::exists(c.at("KEEP/S2185/locked.dat")));
    EXPECT_FALSE(fs::exists(c.at("KEEP/S2185/gone.dat")) || fs::exists(c.at("KEEP/gone.txt")));
    // A relative folder is taken from the current one, which stays current.
    failures.RemoveAll();
    EXPECT_EQ(TrevanComARX_DeleteFolder("OLD", failures), 1);
    EXPECT_FALSE(fs::exists(c.at("WORK/OLD")));
    EXPECT_EQ(TrevanComARX_DeleteFolder("OLD", failures), 0);
    EXPECT_EQ(failures.GetSize(), 0);
    EXPECT_EQ(currentFolder(), "C:\\WORK");
}

TEST_F(FolderUtils, DeleteFolderRefusesDriveRootsAndDotPaths)
{
    c.put("TREVAN/SYSTEM/keep.ini", "keep");
    c.put("keep.txt", "keep");
    SetCurrentDirectoryA("C:\\TREVAN");
    for (const char* folder : {"\\", "/", ".", "..", "C:", "c:", "C:\\", "c:/", "D:\\", "\\\\", "C:\\.",
                               "C:\\TREVAN\\..", "C:\\TREVAN\\SYSTEM\\..\\..", ".\\SYSTEM", "SYSTEM\\.",
                               "C:.", "", "\\\\server\\share"}) {
        CStringArray failures;
        EXPECT_EQ(TrevanComARX_DeleteFolder(folder, failures), 0) << folder;
        EXPECT_EQ(failures.GetSize(), 0) << folder;
        EXPECT_TRUE(fs::exists(c.at("TREVAN/SYSTEM/keep.ini"))) << folder;
        EXPECT_TRUE(fs::exists(c.at("keep.txt"))) << folder;
    }
    EXPECT_EQ(currentFolder(), "C:\\TREVAN");
    // A folder named in full, or below the current one, still goes.
    CStringArray failures;
    EXPECT_EQ(TrevanComARX_DeleteFolder("SYSTEM", failures), 1);
    EXPECT_FALSE(fs::exists(c.at("TREVAN/SYSTEM")));
}

TEST_F(FolderUtils, OnlyAnArchiveOnlyFileHasItsReadOnlyAttributeSwitched)
{
    const std::tuple<const char*, DWORD, int, DWORD> cases[] = {
        // file, attributes, read-only asked, attributes after
        {"a.ini", kA, 1, kA | kR},          {"b.ini", kA | kR, 1, kA | kR},     {"c.ini", kA | kR, 0, kA},
        {"plain.ini", 0, 1, FILE_ATTRIBUTE_NORMAL}, {"hidden.ini", kA | kH, 1, kA | kH},
        {"system.ini", kA | kR | kS, 0, kA | kR | kS}, {"bare.ini", kR, 0, kR}};
    for (const auto& [file, before, readOnly, after] : cases) {
        make(file, before);
        EXPECT_EQ(TrevanComARX_SetReadOnlyFile(CString("C:\\") + file, readOnly), 1) << file;
        EXPECT_EQ(GetFileAttributesA((std::string("C:\\") + file).c_str()), after) << file;
    }
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\none.ini", 0), 0);
}

TEST_F(FolderUtils, CopyFilesCopiesEveryByteOverAWritableTarget)
{
    const std::string bytes("A\r\nB\0\xff\x1a tail", 12);
    c.put("SRC/detail.dwg", bytes);
    c.put("DST/detail.dwg", std::string(100, 'x'));
    EXPECT_EQ(TrevanComARX_CopyFiles(nullptr, "C:\\SRC\\detail.dwg", "C:\\DST\\detail.dwg"), 1);
    EXPECT_EQ(c.bytesOf("DST/detail.dwg"), bytes);
    EXPECT_EQ(TrevanComARX_CopyFiles(nullptr, "C:\\SRC\\none.dwg", "C:\\DST\\none.dwg"), 0);
    EXPECT_EQ(TrevanComARX_CopyFiles(nullptr, "C:\\SRC\\detail.dwg", "C:\\NOFOLDER\\detail.dwg"), 0);
    make("locked.dwg", kA | kR);
    EXPECT_EQ(TrevanComARX_CopyFiles(nullptr, "C:\\SRC\\detail.dwg", "C:\\locked.dwg"), 0);
    EXPECT_EQ(c.bytesOf("locked.dwg"), "[DIR]\r\n");
}

TEST_F(FolderUtils, TheFolderBrowserOpensOnTheCallersFolderAndCancelLeavesItAlone)
{
    fs::create_directories(c.at("DWG/S2185"));
    answer({"", "*cancel*"});
    CString folder = "unchanged";
    EXPECT_EQ(TrevanComARX_SelectFolderDialog(nullptr, "変換元DWGフォルダを選択", "C:\\DWG\\S2185", folder), 1);
    EXPECT_EQ(folder, "C:\\DWG\\S2185");
    EXPECT_NE(transcript().find("変換元DWGフォルダを選択"), std::string::npos);
    EXPECT_EQ(TrevanComARX_SelectFolderDialog(nullptr, "title", "", folder), 0);
    EXPECT_EQ(folder, "C:\\DWG\\S2185");
}

}  // namespace
