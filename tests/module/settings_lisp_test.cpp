// The settings and folder services called from LISP as a sibling module calls them, on a
// copy of the sample installation: good arguments, missing ones and ones of the wrong type.
#include <algorithm>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

namespace fs = std::filesystem;

class SettingsLisp : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("getsysdir", TrevanComARX_GetSysDir);
        define("getdatadir", TrevanComARX_GetDataDir);
        define("getdefvalue", TrevanComARX_GetDefValue);
        define("setdefvalue", TrevanComARX_SetDefValue);
        define("findfolder", TrevanComARX_FindFolder);
        define("deletefolder", TrevanComARX_DeleteFolder);
    }
    // What the call printed and gave, with the line ends left out: where a message ends and
    // the value starts is the command line's business.
    std::string flat(const std::string& expression)
    {
        std::string out = call(expression);
        out.erase(std::remove(out.begin(), out.end(), '\n'), out.end());
        return out;
    }
    SampleInstall install;
};

TEST_F(SettingsLisp, TheFoldersComeFromTheFolderFile)
{
    EXPECT_EQ(flat("(getsysdir)"), "\"C:\\\\TREVAN\\\\SYSTEM\"");
    EXPECT_EQ(flat("(getdatadir)"), "\"C:\\\\TREVAN\\\\DATA\"");
}

TEST_F(SettingsLisp, AMissingFolderNamesTheFileTheSectionAndTheKey)
{
    install.forgetFolders();
    EXPECT_EQ(flat("(getsysdir)"),
              "C:\\WINDOWS\\TrevanAcad.iniファイルがないか、iniファイル内に[DIR]グループがないか"
              "TrevanAcadSysDirキーがありません。nil");
    EXPECT_EQ(flat("(getdatadir)"),
              "C:\\WINDOWS\\TrevanAcad.iniファイルがないか、iniファイル内に[DIR]グループがないか"
              "TrevanAcadDATADirキーがありません。nil");
}

TEST_F(SettingsLisp, ACommandDefaultIsWrittenInUpperCaseAndReadBack)
{
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")"), "\"S2185\"");
    EXPECT_EQ(flat("(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" \"s3001\")"), "T");
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")"), "\"S3001\"");
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" \"NONE\")"), "nil");
    // Extra arguments are not read.
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" 1)"), "\"S3001\"");
}

TEST_F(SettingsLisp, CommandDefaultsWantStrings)
{
    EXPECT_EQ(flat("(getdefvalue)"), "引数エラーnil");
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" 1)"), "引数エラーnil");
    EXPECT_EQ(flat("(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")"), "引数エラーnil");
    EXPECT_EQ(flat("(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" 3001)"), "引数エラーnil");
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")"), "\"S2185\"");
}

TEST_F(SettingsLisp, WithoutTheSystemFolderCommandDefaultsAreNil)
{
    install.forgetFolders();
    EXPECT_EQ(flat("(getdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\")"), "nil");
    EXPECT_EQ(flat("(setdefvalue \"TRV_MAKECROSSDRAW\" \"SNO\" \"S1\")"), "nil");
}

TEST_F(SettingsLisp, FindFolderAnswersTOrNilAndIsSilentAboutBadArguments)
{
    EXPECT_EQ(flat("(findfolder \"C:\\\\TREVAN\\\\DATA\\\\ENDTYPE\" 1)"), "T");
    EXPECT_EQ(flat("(findfolder \"C:\\\\TREVAN\\\\NONE\" 1)"), "nil");
    EXPECT_EQ(flat("(findfolder \"C:\\\\TREVAN\")"), "nil");
    EXPECT_EQ(flat("(findfolder 1 \"C:\\\\TREVAN\")"), "nil");
    // With nothing at all the call itself is wrong.
    EXPECT_EQ(flat("(findfolder)"), "引数エラーnil");
}

TEST_F(SettingsLisp, DeleteFolderAnswersTWhenTheFolderWasThere)
{
    install.put("TREVAN/DATA/ENDTYPE/S2185/L-L/A01.dwg", "x");
    install.put("TREVAN/DATA/ENDTYPE/S2185/L-L/hold.dwg", "x");
    ASSERT_TRUE(SetFileAttributesA("C:\\TREVAN\\DATA\\ENDTYPE\\S2185\\L-L\\hold.dwg",
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM));
    // What cannot be deleted stays, and LISP still hears T.
    EXPECT_EQ(flat("(deletefolder \"C:\\\\TREVAN\\\\DATA\\\\ENDTYPE\\\\S2185\")"), "T");
    EXPECT_TRUE(fs::exists(install.at("TREVAN/DATA/ENDTYPE/S2185/L-L/hold.dwg")));
    EXPECT_FALSE(fs::exists(install.at("TREVAN/DATA/ENDTYPE/S2185/L-L/A01.dwg")));
    EXPECT_EQ(flat("(deletefolder \"C:\\\\TREVAN\\\\DATA\\\\NONE\")"), "nil");
    EXPECT_EQ(flat("(deletefolder 1)"), "nil");
    EXPECT_EQ(flat("(deletefolder)"), "引数エラーnil");
}

}  // namespace
