// Ini values and command defaults on a copy of the sample installation: the not-found
// marker, upper-cased writing, read-only files and files that cannot be written.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

const char* const kCmdDef = "C:\\TREVAN\\SYSTEM\\INI\\TrevanAcadCmdDef.ini";
const char* const kCmdDefFile = "TREVAN/SYSTEM/INI/TrevanAcadCmdDef.ini";

class SettingsFiles : public EditorTest {
protected:
    SampleInstall install;
};

TEST_F(SettingsFiles, AValueIsStoredInUpperCaseAndReadBackSo)
{
    ASSERT_TRUE(TrevanComARX_SetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", "abc"));
    CString value;
    EXPECT_TRUE(TrevanComARX_GetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", value));
    EXPECT_EQ(value, "ABC");
    EXPECT_NE(install.bytesOf(kCmdDefFile).find("SNO=ABC\r\n"), std::string::npos);
    // Only ASCII letters have an upper case here; the rest is written as given.
    ASSERT_TRUE(TrevanComARX_SetCommandDefValue("TRV_NEW", "NAME", "上甲板-s1"));
    EXPECT_TRUE(TrevanComARX_GetCommandDefValue("TRV_NEW", "NAME", value));
    EXPECT_EQ(value, "上甲板-S1");
}

TEST_F(SettingsFiles, TheNotFoundMarkerReadsAsMissingWhateverItsCase)
{
    install.put("TREVAN/SYSTEM/INI/Other.ini", "[CUT]\r\nMARK=getinierrmsg\r\nEMPTY=\r\n");
    CString value;
    EXPECT_FALSE(TrevanComARX_GetIniData("C:\\TREVAN\\SYSTEM\\INI\\Other.ini", "CUT", "MARK", value));
    EXPECT_EQ(value, "getinierrmsg");
    EXPECT_FALSE(TrevanComARX_GetIniData("C:\\TREVAN\\SYSTEM\\INI\\Other.ini", "CUT", "NONE", value));
    EXPECT_EQ(value, TREVAN_INI_NOT_FOUND);
    EXPECT_FALSE(TrevanComARX_GetIniData("C:\\TREVAN\\SYSTEM\\INI\\None.ini", "CUT", "MARK", value));
    // An empty value is a value.
    EXPECT_TRUE(TrevanComARX_GetIniData("C:\\TREVAN\\SYSTEM\\INI\\Other.ini", "CUT", "EMPTY", value));
    EXPECT_EQ(value, "");
}

TEST_F(SettingsFiles, LongValuesAreCutTo255Bytes)
{
    install.put("TREVAN/SYSTEM/INI/Other.ini", "[CUT]\r\nLONG=" + std::string(300, 'L') + "\r\n");
    CString value;
    EXPECT_TRUE(TrevanComARX_GetIniData("C:\\TREVAN\\SYSTEM\\INI\\Other.ini", "CUT", "LONG", value));
    EXPECT_EQ(value, CString(std::string(255, 'L')));
}

TEST_F(SettingsFiles, AReadOnlyCommandDefaultFileIsMadeWritableBeforeTheWrite)
{
    ASSERT_TRUE(SetFileAttributesA(kCmdDef, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(TrevanComARX_SetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", "s3001"));
    EXPECT_EQ(GetFileAttributesA(kCmdDef), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    CString value;
    EXPECT_TRUE(TrevanComARX_GetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", value));
    EXPECT_EQ(value, "S3001");
    EXPECT_EQ(transcript().find("[MessageBox]"), std::string::npos);
}

TEST_F(SettingsFiles, AFileThatCannotBeWrittenIsReportedAndKept)
{
    // Read-only and hidden: the writer does not take such a file back.
    ASSERT_TRUE(SetFileAttributesA(kCmdDef, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    const std::string before = install.bytesOf(kCmdDefFile);
    EXPECT_FALSE(TrevanComARX_SetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", "S3001"));
    EXPECT_EQ(transcript(), std::string("[MessageBox] ") + kCmdDef + "が他のアプリケーションで使用中のため書き込めませんでした.\n");
    EXPECT_EQ(install.bytesOf(kCmdDefFile), before);
}

}  // namespace
