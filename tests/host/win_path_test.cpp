// Windows paths on the host: the drive map, separators, the current drive and folder, and
// names matched without regard to case.
#include <gtest/gtest.h>

#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/windows_environment.h"
#include "zrxhost/windows_fopen.h"

namespace {

class WindowsPaths : public wintest::DriveTest {};

TEST_F(WindowsPaths, ComponentsAreFoundWithoutRegardToCase)
{
    put("Trevan/SYS/MST/trevanmate.dat", "x");
    auto host = zrxhost::hostPath("C:\\Trevan\\SYS\\Mst\\TREVANMATE.DAT");
    ASSERT_TRUE(host);
    EXPECT_EQ(*host, (root / "Trevan/SYS/MST/trevanmate.dat").string());
    // Forward slashes and a lower-case drive letter are Windows paths too.
    EXPECT_EQ(zrxhost::hostPath("c:/trevan/sys/mst/trevanmate.dat"), host);
}

TEST_F(WindowsPaths, MissingTailKeepsTheGivenSpelling)
{
    put("Data/MST/a.txt", "");
    EXPECT_EQ(zrxhost::hostPath("C:\\DATA\\mst\\New\\File.ini"), (root / "Data/MST/New/File.ini").string());
}

TEST_F(WindowsPaths, PathsWithoutDriveUseTheCurrentDriveAndFolder)
{
    put("STD/stiff.ent", "");
    EXPECT_EQ(zrxhost::hostPath("\\STD\\stiff.ent"), (root / "STD/stiff.ent").string());
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\std"));
    char cwd[MAX_PATH];
    EXPECT_EQ(GetCurrentDirectoryA(MAX_PATH, cwd), 6u);
    EXPECT_STREQ(cwd, "C:\\std");
    EXPECT_EQ(zrxhost::hostPath("STIFF.ENT"), (root / "STD/stiff.ent").string());
    EXPECT_EQ(zrxhost::hostPath("..\\std\\.\\stiff.ent"), (root / "STD/stiff.ent").string());
    // ".." stops at the root of the drive.
    EXPECT_EQ(zrxhost::hostPath("C:\\..\\..\\STD"), (root / "STD").string());
}

TEST_F(WindowsPaths, UnmappedDrivesAndBadNamesAreRefused)
{
    EXPECT_FALSE(zrxhost::hostPath("D:\\data"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(zrxhost::hostPath("C:\\a|b"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_FALSE(zrxhost::hostPath("\\\\server\\share\\x"));
}

TEST_F(WindowsPaths, HostFilesUnderADriveHaveAWindowsName)
{
    zrxhost::setDrive('d', (root / "second").string());
    EXPECT_EQ(zrxhost::windowsPath((root / "second/DWG/plan.dwg").string()), "D:\\DWG\\plan.dwg");
    EXPECT_EQ(zrxhost::windowsPath(root.string()), "C:\\");
    EXPECT_FALSE(zrxhost::windowsPath("/elsewhere/file"));
}

TEST_F(WindowsPaths, FullPathNamesAreNormalised)
{
    char full[MAX_PATH];
    char* name = nullptr;
    ASSERT_GT(GetFullPathNameA("\\a\\.\\b\\..\\c.txt", MAX_PATH, full, &name), 0u);
    EXPECT_STREQ(full, "C:\\a\\c.txt");
    EXPECT_STREQ(name, "c.txt");
}

TEST(WindowsEnvironment, WindirAndTempAreSetWhenMissingAndKeptWhenGiven)
{
    ::unsetenv("windir");
    ::setenv("TEMP", "D:\\work", 1);
    zrxhost::ensureWindowsEnvironment();
    EXPECT_STREQ(std::getenv("windir"), "C:\\WINDOWS");
    EXPECT_STREQ(std::getenv("TEMP"), "D:\\work");
}

class TextFiles : public wintest::DriveTest {};

TEST_F(TextFiles, TextModeReadsLinesWithoutCarriageReturns)
{
    put("MST/STIFFSIZE.INI", "L,100\r\nT,200\r\n\x1a junk after end of file");
    FILE* f = zrxhost::windowsFopen("C:\\mst\\stiffsize.ini", "r");
    ASSERT_NE(f, nullptr);
    char line[64];
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    EXPECT_STREQ(line, "L,100\n");
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    EXPECT_STREQ(line, "T,200\n");
    EXPECT_EQ(fgets(line, sizeof line, f), nullptr);
    fclose(f);
}

TEST_F(TextFiles, ShiftJisIsReadAsUtf8AndWrittenBackAsShiftJis)
{
    // "形鋼,L" in Shift-JIS.
    auto p = put("MST/TREVANMATE.DAT", std::string("\x8c\x60\x8d\x7c,L\r\n"));
    FILE* in = zrxhost::windowsFopen("C:\\MST\\TREVANMATE.DAT", "rt");
    ASSERT_NE(in, nullptr);
    char line[64];
    ASSERT_NE(fgets(line, sizeof line, in), nullptr);
    fclose(in);
    EXPECT_STREQ(line, "形鋼,L\n");
    FILE* out = zrxhost::windowsFopen("C:\\MST\\TREVANMATE.DAT", "a");
    ASSERT_NE(out, nullptr);
    fputs("平鋼,F\n", out);
    fclose(out);
    EXPECT_EQ(bytesOf(p), std::string("\x8c\x60\x8d\x7c,L\r\n\x95\xbd\x8d\x7c,F\r\n"));
}

TEST_F(TextFiles, NewTextFilesAreUtf8WithCrLfAndBinaryIsUntouched)
{
    FILE* out = zrxhost::windowsFopen("C:\\DXFOUT.scr", "w");
    ASSERT_NE(out, nullptr);
    fprintf(out, "OPEN\n\"C:\\図面\\plan.dwg\"\n");
    fclose(out);
    EXPECT_EQ(bytesOf(root / "DXFOUT.scr"), "OPEN\r\n\"C:\\図面\\plan.dwg\"\r\n");
    FILE* bin = zrxhost::windowsFopen("C:\\copy.bin", "wb");
    ASSERT_NE(bin, nullptr);
    fputs("a\nb", bin);
    fclose(bin);
    EXPECT_EQ(bytesOf(root / "copy.bin"), "a\nb");
}

TEST_F(TextFiles, ReadOnlyFilesAreNotOpenedForWriting)
{
    put("INI/TrevanAcadCmdDef.ini", "[A]\r\n");
    ASSERT_TRUE(SetFileAttributesA("C:\\INI\\TrevanAcadCmdDef.ini", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    errno = 0;
    EXPECT_EQ(zrxhost::windowsFopen("C:\\INI\\TrevanAcadCmdDef.ini", "w"), nullptr);
    EXPECT_EQ(errno, EACCES);
    FILE* f = zrxhost::windowsFopen("C:\\INI\\TrevanAcadCmdDef.ini", "r");
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_EQ(bytesOf(root / "INI/TrevanAcadCmdDef.ini"), "[A]\r\n");
}

}  // namespace
