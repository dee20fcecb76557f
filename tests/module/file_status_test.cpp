// Files on drive C:: switching the read-only attribute the way the settings writers do, and
// copying a file byte for byte.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

class FileStatus : public EditorTest {
protected:
    // Puts a file and gives it exactly these attributes.
    void make(const char* name, DWORD attributes)
    {
        c.put(name, "[DIR]\r\n");
        ASSERT_TRUE(SetFileAttributesA((std::string("C:\\") + name).c_str(), attributes));
    }
    static DWORD attributes(const char* name) { return GetFileAttributesA((std::string("C:\\") + name).c_str()); }
    TempDriveC c;
};

constexpr DWORD kA = FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kR = FILE_ATTRIBUTE_READONLY;
constexpr DWORD kH = FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD kS = FILE_ATTRIBUTE_SYSTEM;

TEST_F(FileStatus, AnArchiveOnlyFileIsSwitchedBothWays)
{
    make("a.ini", kA);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\a.ini", 1), 1);
    EXPECT_EQ(attributes("a.ini"), kA | kR);
    // Setting twice changes nothing more.
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\A.INI", 1), 1);
    EXPECT_EQ(attributes("a.ini"), kA | kR);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\a.ini", 0), 1);
    EXPECT_EQ(attributes("a.ini"), kA);
}

TEST_F(FileStatus, OtherAttributeCombinationsAreLeftAsTheyAre)
{
    make("plain.ini", 0);
    make("hidden.ini", kA | kH);
    make("system.ini", kA | kR | kS);
    make("bare.ini", kR);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\plain.ini", 1), 1);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\hidden.ini", 1), 1);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\system.ini", 0), 1);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\bare.ini", 0), 1);
    EXPECT_EQ(attributes("plain.ini"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(attributes("hidden.ini"), kA | kH);
    EXPECT_EQ(attributes("system.ini"), kA | kR | kS);
    EXPECT_EQ(attributes("bare.ini"), kR);
    EXPECT_EQ(TrevanComARX_SetReadOnlyFile("C:\\none.ini", 0), 0);
}

TEST_F(FileStatus, CopyFilesCopiesEveryByteOverAWritableTarget)
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

}  // namespace
