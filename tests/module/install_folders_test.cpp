// Finding the installation: the system, data and end-type folders from the folder file, and
// the folder listings the commands offer.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

namespace fs = std::filesystem;

class InstallFolders : public EditorTest {
protected:
    static std::vector<std::string> list(const CStringArray& names)
    {
        std::vector<std::string> out;
        for (INT_PTR i = 0; i < names.GetSize(); ++i) out.emplace_back(names[i].GetString());
        return out;
    }
    SampleInstall install;
};

using Names = std::vector<std::string>;

TEST_F(InstallFolders, TheSampleNamesItsSystemDataAndEndTypeFolders)
{
    CString sys, data, endtype;
    ASSERT_TRUE(TrevanComARX_GetSysDirFunc(sys));
    ASSERT_TRUE(TrevanComARX_GetDataDirFunc(data));
    ASSERT_TRUE(TrevanComARX_GetEndtypeFolder(endtype));
    EXPECT_EQ(sys, "C:\\TREVAN\\SYSTEM");
    EXPECT_EQ(data, "C:\\TREVAN\\DATA");
    EXPECT_EQ(endtype, "C:\\TREVAN\\DATA\\ENDTYPE");
    EXPECT_EQ(TrevanComARX_FindFolder(sys + "\\STD", 1), 1);
    EXPECT_EQ(TrevanComARX_FindFolder(sys + "\\INI\\TrevanAcadCmdDef.ini", 0), 1);
    EXPECT_EQ(TrevanComARX_FindFolder(endtype, 1), 1);
}

TEST_F(InstallFolders, TheFoldersAreLookedUpAgainOnEveryCall)
{
    CString data;
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "TrevanAcadDATADir", "D:\\HULL\\DATA", "C:\\WINDOWS\\TrevanAcad.ini"));
    ASSERT_TRUE(TrevanComARX_GetDataDirFunc(data));
    EXPECT_EQ(data, "D:\\HULL\\DATA");
    install.forgetFolders();
    EXPECT_FALSE(TrevanComARX_GetDataDirFunc(data));
    EXPECT_FALSE(TrevanComARX_GetSysDirFunc(data));
}

TEST_F(InstallFolders, WithoutWindirTheFolderFileIsAtTheRootOfTheCurrentDrive)
{
    unsetenv("windir");
    CString sys;
    EXPECT_FALSE(TrevanComARX_GetSysDirFunc(sys));
    // Drive D: is current and has the folder file at its root; C:'s stays unread.
    const fs::path d = install.drive().parent_path() / "drive_d";
    fs::create_directories(d);
    std::ofstream(d / "TrevanAcad.ini", std::ios::binary) << "[DIR]\r\nTrevanAcadSysDir=D:\\TREVAN\\SYSTEM\r\n";
    zrxhost::setDrive('D', d.string());
    ASSERT_TRUE(SetCurrentDirectoryA("D:\\"));
    EXPECT_TRUE(TrevanComARX_GetSysDirFunc(sys));
    EXPECT_EQ(sys, "D:\\TREVAN\\SYSTEM");
    SetCurrentDirectoryA("C:\\");
}

TEST_F(InstallFolders, AMissingDataFolderIsReportedForTheEndTypeFolder)
{
    install.forgetFolders();
    CString endtype = "kept";
    EXPECT_FALSE(TrevanComARX_GetEndtypeFolder(endtype));
    EXPECT_EQ(endtype, "kept");
    EXPECT_NE(transcript().find("Trevanシステムフォルダの取得に失敗しました"), std::string::npos);
}

TEST_F(InstallFolders, TargetListsGiveFoldersOrFilesThatMatch)
{
    install.put("TREVAN/DATA/ENDTYPE/S2185/L-L/A01.dwg", "x");
    install.put("TREVAN/DATA/ENDTYPE/S2185/L-L/a02.DWG", "x");
    install.put("TREVAN/DATA/ENDTYPE/S2185/L-L/notes.txt", "x");
    fs::create_directories(install.at("TREVAN/DATA/ENDTYPE/S2185/L-L/OLD"));
    fs::create_directories(install.at("TREVAN/DATA/ENDTYPE/S2185/T-L"));
    fs::create_directories(install.at("TREVAN/DATA/ENDTYPE/S2190"));

    CStringArray ships;
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE", "*", 1, ships);
    EXPECT_EQ(list(ships), (Names{"S2185", "S2190"}));

    CStringArray drawings;
    drawings.Add("kept");
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE\\S2185\\L-L\\", "*.dwg", 0, drawings);
    EXPECT_EQ(list(drawings), (Names{"kept", "A01.dwg", "a02.DWG"}));

    CStringArray files;
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE\\S2185\\L-L", "*", 0, files);
    EXPECT_EQ(list(files), (Names{"A01.dwg", "a02.DWG", "notes.txt"}));

    CStringArray none;
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE\\S2185", "*.dwg", 0, none);
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE\\S9999", "*", 1, none);
    EXPECT_EQ(none.GetSize(), 0);
}

TEST_F(InstallFolders, TargetListsNeedTheSystemFolder)
{
    fs::create_directories(install.at("TREVAN/DATA/ENDTYPE/S2185"));
    install.forgetFolders();
    CStringArray ships;
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE", "*", 1, ships);
    EXPECT_EQ(ships.GetSize(), 0);
    EXPECT_EQ(transcript(), "[MessageBox] iniファイルの取得に失敗しました\n");
}

}  // namespace
