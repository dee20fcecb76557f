// Ini values and command defaults on a copy of the sample installation: the not-found
// marker, upper-cased writing, read-only files and files that cannot be written; and the
// settings and folder services as a sibling module calls them from LISP.
#include <algorithm>
#include <tuple>

#include "command_text.h"

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

const char* const kCmdDef = "C:\\TREVAN\\SYSTEM\\INI\\TrevanAcadCmdDef.ini";
const char* const kCmdDefFile = "TREVAN/SYSTEM/INI/TrevanAcadCmdDef.ini";
const char* const kOther = "C:\\TREVAN\\SYSTEM\\INI\\Other.ini";

class SettingsFiles : public LispCallTest {
protected:
    std::string commandDefault(const char* section, const char* key)
    {
        CString value;
        EXPECT_TRUE(TrevanComARX_GetCommandDefValue(section, key, value)) << section << " " << key;
        return value.str();
    }
    SampleInstall install;
};

TEST_F(SettingsFiles, AValueIsStoredInUpperCaseAndReadBackSo)
{
    ASSERT_TRUE(TrevanComARX_SetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", "abc"));
    EXPECT_EQ(commandDefault("TRV_MAKECROSSDRAW", "SNO"), "ABC");
    EXPECT_NE(install.bytesOf(kCmdDefFile).find("SNO=ABC\r\n"), std::string::npos);
    // Only ASCII letters have an upper case here; the rest is written as given.
    ASSERT_TRUE(TrevanComARX_SetCommandDefValue("TRV_NEW", "NAME", "上甲板-s1"));
    EXPECT_EQ(commandDefault("TRV_NEW", "NAME"), "上甲板-S1");
}

TEST_F(SettingsFiles, TheNotFoundMarkerReadsAsMissingWhateverItsCaseAnEmptyValueIsAValue)
{
    install.put("TREVAN/SYSTEM/INI/Other.ini", "[CUT]\r\nMARK=getinierrmsg\r\nEMPTY=\r\nLONG=" + std::string(300, 'L') + "\r\n");
    CString value;
    EXPECT_FALSE(TrevanComARX_GetIniData(kOther, "CUT", "MARK", value));
    EXPECT_EQ(value, "getinierrmsg");
    EXPECT_FALSE(TrevanComARX_GetIniData(kOther, "CUT", "NONE", value));
    EXPECT_EQ(value, TREVAN_INI_NOT_FOUND);
    EXPECT_FALSE(TrevanComARX_GetIniData("C:\\TREVAN\\SYSTEM\\INI\\None.ini", "CUT", "MARK", value));
    EXPECT_TRUE(TrevanComARX_GetIniData(kOther, "CUT", "EMPTY", value));
    EXPECT_EQ(value, "");
    // Long values are cut to 255 bytes.
    EXPECT_TRUE(TrevanComARX_GetIniData(kOther, "CUT", "LONG", value));
    EXPECT_EQ(value, CString(std::string(255, 'L')));
}

TEST_F(SettingsFiles, AReadOnlyCommandDefaultFileIsMadeWritableBeforeTheWrite)
{
    ASSERT_TRUE(SetFileAttributesA(kCmdDef, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(TrevanComARX_SetCommandDefValue("TRV_MAKECROSSDRAW", "SNO", "s3001"));
    EXPECT_EQ(GetFileAttributesA(kCmdDef), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(commandDefault("TRV_MAKECROSSDRAW", "SNO"), "S3001");
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

TEST_F(SettingsFiles, ALineBreakInSectionKeyOrValueIsRefusedAndTheFileUntouched)
{
    define("setdefvalue", TrevanComARX_SetDefValue);
    ASSERT_TRUE(SetFileAttributesA(kCmdDef, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    const std::string before = install.bytesOf(kCmdDefFile);
    const std::tuple<const char*, const char*, const char*> writes[] = {
        {"TRV_MAKECROSSDRAW", "SNO", "S1\r\n[DIR]\r\nTrevanAcadSysDir=C:\\EVIL"},
        {"TRV_MAKECROSSDRAW", "SNO", "S1\nEXTRA=1"},
        {"TRV_MAKECROSSDRAW", "SNO", "S1\r"},
        {"TRV_MAKECROSSDRAW]\r\n[NEW", "SNO", "S1"},
        {"TRV_MAKECROSSDRAW", "SNO=1\nKEY", "S1"},
    };
    for (const auto& [section, key, value] : writes) {
        EXPECT_FALSE(TrevanComARX_SetCommandDefValue(section, key, value)) << section << key << value;
        EXPECT_FALSE(TrevanComARX_SetIniData(kOther, section, key, value)) << section << key << value;
    }
    EXPECT_EQ(trimmed(call("(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" \"S1\\nEXTRA=1\")")), "nil");
    EXPECT_EQ(install.bytesOf(kCmdDefFile), before);
    EXPECT_EQ(GetFileAttributesA(kCmdDef), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(std::filesystem::exists(install.at("TREVAN/SYSTEM/INI/Other.ini")));
    EXPECT_EQ(commandDefault("TRV_MAKECROSSDRAW", "SNO"), "S2185");
}

TEST_F(SettingsFiles, TheLispFormsAnswerValuesTOrNilAndNameBadArguments)
{
    define("getsysdir", TrevanComARX_GetSysDir);
    define("getdatadir", TrevanComARX_GetDataDir);
    define("getdefvalue", TrevanComARX_GetDefValue);
    define("setdefvalue", TrevanComARX_SetDefValue);
    define("findfolder", TrevanComARX_FindFolder);
    define("deletefolder", TrevanComARX_DeleteFolder);
    install.put("TREVAN/DATA/ENDTYPE/S2185/L-L/A01.dwg", "x");
    // The printed text and value, the line ends left out: where a message ends and the
    // value starts is the command line's business.
    const auto expectCalls = [this](const std::vector<std::pair<std::string, std::string>>& calls) {
        for (const auto& [expression, answer] : calls) {
            std::string out = call(expression);
            out.erase(std::remove(out.begin(), out.end(), '\n'), out.end());
            EXPECT_EQ(out, answer) << expression;
        }
    };
    expectCalls({
        {"(getsysdir)", "\"C:\\\\TREVAN\\\\SYSTEM\""},
        {"(getdatadir)", "\"C:\\\\TREVAN\\\\DATA\""},
        {"(getdefvalue)", "引数エラーnil"},
        {"(getdefvalue \"TRV_MAKECROSSDRAW\" 1)", "引数エラーnil"},
        {"(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")", "引数エラーnil"},
        {"(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" 3001)", "引数エラーnil"},
        {"(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")", "\"S2185\""},
        // Extra arguments are not read.
        {"(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" \"s3001\")", "T"},
        {"(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" 1)", "\"S3001\""},
        {"(getdefvalue \"TRV_MAKECROSSDRAW\" \"NONE\")", "nil"},
        // The folder services are silent about bad arguments; with none at all the call
        // itself is wrong.
        {"(findfolder \"C:\\\\TREVAN\\\\DATA\\\\ENDTYPE\" 1)", "T"},
        {"(findfolder \"C:\\\\TREVAN\\\\NONE\" 1)", "nil"},
        {"(findfolder \"C:\\\\TREVAN\")", "nil"},
        {"(findfolder 1 \"C:\\\\TREVAN\")", "nil"},
        {"(findfolder)", "引数エラーnil"},
        {"(deletefolder \"C:\\\\TREVAN\\\\DATA\\\\ENDTYPE\\\\S2185\")", "T"},
        {"(deletefolder \"C:\\\\TREVAN\\\\DATA\\\\NONE\")", "nil"},
        {"(deletefolder 1)", "nil"},
        {"(deletefolder)", "引数エラーnil"},
    });
    EXPECT_FALSE(std::filesystem::exists(install.at("TREVAN/DATA/ENDTYPE/S2185")));
    install.forgetFolders();
    const std::string noFolder = "C:\\WINDOWS\\TrevanAcad.iniファイルがないか、iniファイル内に[DIR]グループがないか";
    expectCalls({
        {"(getsysdir)", noFolder + "TrevanAcadSysDirキーがありません。nil"},
        {"(getdatadir)", noFolder + "TrevanAcadDATADirキーがありません。nil"},
        {"(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")", "nil"},
        {"(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" \"S1\")", "nil"},
    });
}

}  // namespace
