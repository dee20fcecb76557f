// File search, attributes and folders on Windows paths.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <vector>

#include "win_fixture.h"
#include "zrx.h"

namespace {

class FileSearch : public wintest::DriveTest {
protected:
    std::vector<std::string> find(const char* pattern)
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA(pattern, &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            names.emplace_back(fd.cFileName);
        } while (FindNextFileA(h, &fd));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
        FindClose(h);
        return names;
    }
};

TEST_F(FileSearch, PatternsMatchWithoutRegardToCaseInAStableOrder)
{
    put("DWG/plan.dwg", "");
    put("DWG/Body.DWG", "");
    put("DWG/plan.dxf", "");
    put("DWG/a.dwg.bak", "");
    EXPECT_EQ(find("C:\\dwg\\*.DWG"), (std::vector<std::string>{"Body.DWG", "plan.dwg"}));
    EXPECT_EQ(find("C:\\DWG\\PLAN.*"), (std::vector<std::string>{"plan.dwg", "plan.dxf"}));
    EXPECT_EQ(find("C:\\DWG\\p?an.dw?"), (std::vector<std::string>{"plan.dwg"}));
}

TEST_F(FileSearch, FoldersListTheirDotsButTheDriveRootDoesNot)
{
    put("ENDTYPE/S123/x.dwg", "");
    std::filesystem::create_directories(root / "ENDTYPE/Empty");
    EXPECT_EQ(find("C:\\ENDTYPE\\Empty\\*"), (std::vector<std::string>{".", ".."}));
    EXPECT_EQ(find("C:\\ENDTYPE\\*.*"), (std::vector<std::string>{".", "..", "Empty", "S123"}));
    EXPECT_EQ(find("C:\\*"), (std::vector<std::string>{"ENDTYPE"}));
}

TEST_F(FileSearch, AQuestionMarkStandsForOneJapaneseCharacter)
{
    put("SYM/記号A.dwg", "");
    put("SYM/記号AB.dwg", "");
    EXPECT_EQ(find("C:\\SYM\\??A.dwg"), (std::vector<std::string>{"記号A.dwg"}));
}

TEST_F(FileSearch, NoMatchAndNoFolderAreTold)
{
    put("DWG/plan.dwg", "");
    WIN32_FIND_DATAA fd;
    EXPECT_EQ(FindFirstFileA("C:\\DWG\\*.dxf", &fd), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstFileA("C:\\NONE\\*", &fd), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(FileSearch, CFileFindGivesFullPathsAndTellsTheLastMatch)
{
    put("DWG/a.dwg", "abc");
    std::filesystem::create_directories(root / "DWG/sub");
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile("C:\\dwg\\*"));
    std::vector<std::string> seen;
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots()) continue;
        seen.push_back(finder.GetFilePath().str() + (finder.IsDirectory() ? "/" : ""));
        if (!finder.IsDirectory()) {
            EXPECT_EQ(finder.GetLength(), 3u);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"C:\\dwg\\a.dwg", "C:\\dwg\\sub/"}));
}

class FileAttributes : public wintest::DriveTest {};

TEST_F(FileAttributes, ANewFileIsArchiveOnlyAndItsStatusByteSaysSo)
{
    put("INI/DwgDxfPath.ini", "");
    EXPECT_EQ(GetFileAttributesA("C:\\INI\\DWGDXFPATH.INI"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    CFileStatus st;
    ASSERT_TRUE(CFile::GetStatus("C:\\INI\\DwgDxfPath.ini", st));
    EXPECT_EQ(st.m_attribute, 0x20);
    EXPECT_STREQ(st.m_szFullName, "C:\\INI\\DwgDxfPath.ini");
    EXPECT_EQ(GetFileAttributesA("C:\\INI"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesA("C:\\INI\\none.ini"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FileAttributes, ReadOnlyIsSetAndClearedWhileHiddenAndSystemStay)
{
    auto p = put("INI/a.ini", "x");
    const DWORD hs = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesA("C:\\INI\\a.ini", hs));
    CFileStatus st;
    ASSERT_TRUE(CFile::GetStatus("C:\\INI\\a.ini", st));
    st.m_attribute |= CFile::readOnly;
    CFile::SetStatus("C:\\INI\\a.ini", st);
    EXPECT_EQ(GetFileAttributesA("C:\\INI\\a.ini"), hs | FILE_ATTRIBUTE_READONLY);
    // Read-only reaches the permission bits too, and the attribute is kept as Samba keeps it.
    EXPECT_EQ(std::filesystem::status(p).permissions() & std::filesystem::perms::owner_write, std::filesystem::perms::none);
    char stored[16] = {};
    ASSERT_GT(::getxattr(p.c_str(), "user.DOSATTRIB", stored, sizeof stored), 0);
    EXPECT_STREQ(stored, "0x27");
    st.m_attribute &= static_cast<BYTE>(~CFile::readOnly);
    CFile::SetStatus("C:\\INI\\a.ini", st);
    EXPECT_EQ(GetFileAttributesA("C:\\INI\\a.ini"), hs);
    EXPECT_NE(std::filesystem::status(p).permissions() & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST_F(FileAttributes, SambaTextIsReadAndPermissionBitsSayReadOnly)
{
    auto p = put("a.txt", "");
    ASSERT_EQ(::setxattr(p.c_str(), "user.DOSATTRIB", "0x22", 5, 0), 0);
    EXPECT_EQ(GetFileAttributesA("C:\\a.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ::chmod(p.c_str(), 0444);
    EXPECT_EQ(GetFileAttributesA("C:\\a.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    EXPECT_THROW(
        {
            try {
                CFileStatus st{};
                CFile::SetStatus("C:\\none.txt", st);
            } catch (CFileException* e) {
                EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
                e->Delete();
                throw 1;
            }
        },
        int);
}

class Folders : public wintest::DriveTest {};

TEST_F(Folders, FoldersAreMadeOneLevelAtATimeAndRemovedOnlyWhenEmpty)
{
    EXPECT_FALSE(CreateDirectoryA("C:\\a\\b", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    ASSERT_TRUE(CreateDirectoryA("C:\\a", nullptr));
    ASSERT_TRUE(CreateDirectoryA("C:\\A\\b\\", nullptr));
    EXPECT_FALSE(CreateDirectoryA("C:\\a\\B", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(std::filesystem::is_directory(root / "a/b"));
    EXPECT_FALSE(RemoveDirectoryA("C:\\A"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
    EXPECT_TRUE(RemoveDirectoryA("C:\\A\\B"));
    EXPECT_TRUE(RemoveDirectoryA("C:\\A"));
}

TEST_F(Folders, AReadOnlyFileIsNotDeletedUntilItIsMadeWritable)
{
    put("TEMP/x.dwg", "");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\temp"));
    ASSERT_TRUE(SetFileAttributesA("x.dwg", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_FALSE(DeleteFileA("X.DWG"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    ASSERT_TRUE(SetFileAttributesA("x.dwg", FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(DeleteFileA("X.DWG"));
    EXPECT_FALSE(std::filesystem::exists(root / "TEMP/x.dwg"));
    EXPECT_FALSE(SetCurrentDirectoryA("C:\\nowhere"));
}

TEST_F(Folders, ACopyCarriesBytesAndAttributes)
{
    put("src.dat", std::string("a\0b\r\n", 5));
    ASSERT_TRUE(SetFileAttributesA("C:\\src.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(CopyFileA("C:\\SRC.DAT", "C:\\dst.dat", TRUE));
    EXPECT_EQ(bytesOf(root / "dst.dat"), std::string("a\0b\r\n", 5));
    EXPECT_EQ(GetFileAttributesA("C:\\dst.dat"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_FALSE(CopyFileA("C:\\src.dat", "C:\\dst.dat", TRUE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
}

}  // namespace
