// The registry as the module reads it: string values only, the unnamed value, and the CAD
// installation folder the sample installation's registry leads to.
#include <cstring>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

class RegistryValue : public EditorTest {
protected:
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

TEST_F(RegistryValue, TheRegistryLeadsToTheCadInstallationFolder)
{
    CString cad;
    ASSERT_TRUE(TrevanCom_GetAutoCADPath(cad));
    EXPECT_EQ(cad, "C:\\Program Files\\AutoCAD 2002");
    EXPECT_EQ(TrevanComARX_FindFolder(cad + "\\Support\\acadiso.lin", 0), 1);
}

TEST_F(RegistryValue, EveryStepOfTheCadLookupMustSucceed)
{
    CString cad = "kept";
    // The user's current product names one the machine has no location for.
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "CurVer", "ACAD-1:409");
    EXPECT_FALSE(TrevanCom_GetAutoCADPath(cad));
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD", "CurVer", "R16.2");
    EXPECT_FALSE(TrevanCom_GetAutoCADPath(cad));
    EXPECT_EQ(cad, "kept");
}

TEST_F(RegistryValue, OnlyStringValuesAreReadTheUnnamedOneByTheEditorsLabelToo)
{
    CString value = "kept";
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "Path", "C:\\TREVAN", REG_EXPAND_SZ);
    EXPECT_FALSE(TrevanCom_GetReg(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "Path", value));
    EXPECT_FALSE(TrevanCom_GetReg(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "None", value));
    EXPECT_EQ(value, "kept");
    setString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevan", "", "C:\\TREVAN");
    EXPECT_TRUE(TrevanCom_GetReg(HKEY_LOCAL_MACHINE, "software\\trevan", "(標準)", value));
    EXPECT_EQ(value, "C:\\TREVAN");
    value.Empty();
    EXPECT_TRUE(TrevanCom_GetReg(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevan", "", value));
    EXPECT_EQ(value, "C:\\TREVAN");
}

}  // namespace
