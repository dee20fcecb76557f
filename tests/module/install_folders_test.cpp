// Finding the installations: the system, data and end-type folders from the folder file,
// the folder listings the commands offer, and the CAD's own folder from the registry.
#include <cstring>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

namespace fs = std::filesystem;

class InstallFolders : public EditorTest {
protected:
    static std::string joined(const CStringArray& names)
    {
        std::string out;
        for (INT_PTR i = 0; i < names.GetSize(); ++i) out += (i > 0 ? "," : "") + names[i].str();
        return out;
    }
    static void setString(HKEY root, const char* sub, const char* name, const char* value, DWORD type = REG_SZ)
    {
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root, sub, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(k, name, 0, type, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(std::strlen(value) + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(k);
    }
    SampleInstall install;
};

TEST_F(InstallFolders, TheFolderFileNamesTheFoldersAndEveryChangeToItIsSeen)
{
    CString sys, data, endtype;
    ASSERT_TRUE(TrevanComARX_GetSysDirFunc(sys));
    ASSERT_TRUE(TrevanComARX_GetDataDirFunc(data));
    ASSERT_TRUE(TrevanComARX_GetEndtypeFolder(endtype));
    EXPECT_EQ(sys + "|" + data + "|" + endtype, "C:\\TREVAN\\SYSTEM|C:\\TREVAN\\DATA|C:\\TREVAN\\DATA\\ENDTYPE");
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "TrevanAcadDATADir", "D:\\HULL\\DATA", "C:\\WINDOWS\\TrevanAcad.ini"));
    ASSERT_TRUE(TrevanComARX_GetDataDirFunc(data));
    EXPECT_EQ(data, "D:\\HULL\\DATA");
    install.forgetFolders();
    EXPECT_FALSE(TrevanComARX_GetDataDirFunc(data));
    EXPECT_FALSE(TrevanComARX_GetSysDirFunc(data));
    endtype = "kept";
    EXPECT_FALSE(TrevanComARX_GetEndtypeFolder(endtype));
    EXPECT_EQ(endtype, "kept");
    EXPECT_NE(transcript().find("Trevanシステムフォルダの取得に失敗しました"), std::string::npos);
}

TEST_F(InstallFolders, AFolderFileAnotherProgramRewritesIsSeenAtTheNextCall)
{
    CString sys;
    ASSERT_TRUE(TrevanComARX_GetSysDirFunc(sys));
    ASSERT_EQ(sys, "C:\\TREVAN\\SYSTEM");
    for (const char* folder : {"E:\\SHIP\\SYSTEM", "F:\\SYS"}) {
        install.put("WINDOWS/TrevanAcad.ini", std::string("[DIR]\r\nTrevanAcadSysDir=") + folder + "\r\n");
        ASSERT_TRUE(TrevanComARX_GetSysDirFunc(sys));
        EXPECT_EQ(sys, folder);
    }
    // Another Windows folder names another file.
    const fs::path other = install.at("WINNT");
    fs::create_directories(other);
    std::ofstream(other / "TrevanAcad.ini", std::ios::binary) << "[DIR]\r\nTrevanAcadSysDir=G:\\S\r\n";
    setenv("windir", "C:\\WINNT", 1);
    ASSERT_TRUE(TrevanComARX_GetSysDirFunc(sys));
    EXPECT_EQ(sys, "G:\\S");
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
}

TEST_F(InstallFolders, TargetListsGiveFoldersOrFilesThatMatch)
{
    for (const char* file : {"L-L/A01.dwg", "L-L/a02.DWG", "L-L/notes.txt", "L-L/OLD/x", "T-L/x"})
        install.put(std::string("TREVAN/DATA/ENDTYPE/S2185/") + file, "x");
    fs::create_directories(install.at("TREVAN/DATA/ENDTYPE/S2190"));
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        {"C:\\TREVAN\\DATA\\ENDTYPE", "*", 1, "S2185,S2190"},
        {"C:\\TREVAN\\DATA\\ENDTYPE\\S2185\\L-L\\", "*.dwg", 0, "A01.dwg,a02.DWG"},
        {"C:\\TREVAN\\DATA\\ENDTYPE\\S2185\\L-L", "*", 0, "A01.dwg,a02.DWG,notes.txt"},
        {"C:\\TREVAN\\DATA\\ENDTYPE\\S2185", "*.dwg", 0, ""},
        {"C:\\TREVAN\\DATA\\ENDTYPE\\S9999", "*", 1, ""},
    };
    for (const auto& [folder, pattern, folders, names] : cases) {
        // Appended to what the list held.
        CStringArray list;
        list.Add("kept");
        TrevanComARX_CreateTargetList(folder, pattern, folders, list);
        EXPECT_EQ(joined(list), std::string("kept") + (*names != '\0' ? "," : "") + names) << folder << " " << pattern;
    }
    install.forgetFolders();
    CStringArray ships;
    TrevanComARX_CreateTargetList("C:\\TREVAN\\DATA\\ENDTYPE", "*", 1, ships);
    EXPECT_EQ(ships.GetSize(), 0);
    EXPECT_EQ(transcript(), "[MessageBox] iniファイルの取得に失敗しました\n");
}

TEST_F(InstallFolders, TheRegistryLeadsToTheCadFolderWhenEveryStepSucceeds)
{
    CString cad;
    ASSERT_TRUE(TrevanCom_GetAutoCADPath(cad));
    EXPECT_EQ(cad, "C:\\Program Files\\AutoCAD 2002");
    EXPECT_EQ(TrevanComARX_FindFolder(cad + "\\Support\\acadiso.lin", 0), 1);
    // The user's current product names one the machine has no location for, then a
    // release the user has no product of.
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "CurVer", "ACAD-1:409");
    EXPECT_FALSE(TrevanCom_GetAutoCADPath(cad));
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD", "CurVer", "R16.2");
    EXPECT_FALSE(TrevanCom_GetAutoCADPath(cad));
    EXPECT_EQ(cad, "C:\\Program Files\\AutoCAD 2002");
    // Only string values are read; the unnamed one by the editor's label too.
    CString value = "kept";
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "Path", "C:\\TREVAN", REG_EXPAND_SZ);
    EXPECT_FALSE(TrevanCom_GetReg(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "Path", value));
    EXPECT_FALSE(TrevanCom_GetReg(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "None", value));
    EXPECT_EQ(value, "kept");
    setString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevan", "", "C:\\TREVAN");
    for (const char* name : {"(標準)", ""}) {
        value.Empty();
        EXPECT_TRUE(TrevanCom_GetReg(HKEY_LOCAL_MACHINE, "software\\trevan", name, value)) << name;
        EXPECT_EQ(value, "C:\\TREVAN") << name;
    }
}

}  // namespace
