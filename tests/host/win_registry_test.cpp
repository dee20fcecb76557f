// The registry kept in a file.
#include <gtest/gtest.h>

#include <cstring>

#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/registry.h"

namespace {

class Registry : public wintest::DriveTest {
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        file = (root / "registry.reg").string();
        zrxhost::setRegistryFile(file);
    }
    void TearDown() override
    {
        zrxhost::setRegistryFile("");
        DriveTest::TearDown();
    }
    void setString(HKEY rootKey, const char* sub, const char* name, const char* value)
    {
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExA(rootKey, sub, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &k, nullptr), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(std::strlen(value) + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(k);
    }
    std::string file;
};

TEST_F(Registry, AStringIsQueriedForTypeAndSizeThenRead)
{
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD", "CurVer", "R15.0");
    HKEY k = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "software\\AUTODESK\\autocad", 0, nullptr, 0, KEY_READ, nullptr, &k, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExA(k, "curver", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u);
    std::string buf(size, '#');
    DWORD small = 3;
    EXPECT_EQ(RegQueryValueExA(k, "CurVer", nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &small), ERROR_MORE_DATA);
    EXPECT_EQ(small, 6u);
    ASSERT_EQ(RegQueryValueExA(k, "CurVer", nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size), ERROR_SUCCESS);
    EXPECT_STREQ(buf.c_str(), "R15.0");
    EXPECT_EQ(RegQueryValueExA(k, "Missing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(k), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, AValueOfTheWrongTypeIsRefused)
{
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevan", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), ERROR_SUCCESS);
    DWORD n = 42;
    ASSERT_EQ(RegSetValueExA(k, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&n), sizeof n), ERROR_SUCCESS);
    RegCloseKey(k);
    char text[32];
    DWORD size = sizeof text;
    EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevan", "Count", RRF_RT_REG_SZ, nullptr, text, &size), ERROR_UNSUPPORTED_TYPE);
    DWORD got = 0;
    DWORD type = 0;
    size = sizeof got;
    EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevan", "Count", RRF_RT_REG_DWORD, &type, &got, &size), ERROR_SUCCESS);
    EXPECT_EQ(got, 42u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(Registry, ExpandableStringsAreExpandedUnlessAskedNotTo)
{
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Env", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), ERROR_SUCCESS);
    const char v[] = "%windir%\\Fonts;%NoSuchVar%";
    ASSERT_EQ(RegSetValueExA(k, "Path", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(v), sizeof v), ERROR_SUCCESS);
    RegCloseKey(k);
    ::setenv("windir", "C:\\WINDOWS", 1);
    char out[64];
    DWORD size = sizeof out;
    DWORD type = 0;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Env", "Path", RRF_RT_REG_SZ, &type, out, &size), ERROR_SUCCESS);
    EXPECT_STREQ(out, "C:\\WINDOWS\\Fonts;%NoSuchVar%");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    size = sizeof out;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Env", "Path", RRF_RT_REG_SZ | RRF_NOEXPAND, &type, out, &size), ERROR_UNSUPPORTED_TYPE);
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Env", "Path", RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, out, &size), ERROR_SUCCESS);
    EXPECT_STREQ(out, v);
}

TEST_F(Registry, TheFileIsRegeditTextAndIsReadBack)
{
    setString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:411", "AcadLocation", "C:\\Program Files\\\"CAD\"");
    setString(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", "", "既定値");
    std::string text = bytesOf(file);
    EXPECT_NE(text.find("REGEDIT4\r\n"), std::string::npos);
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:411]\r\n"
                        "\"AcadLocation\"=\"C:\\\\Program Files\\\\\\\"CAD\\\"\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("@=\"既定値\""), std::string::npos);

    zrxhost::setRegistryFile("");
    HKEY k = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
    zrxhost::setRegistryFile(file);
    char out[64];
    DWORD size = sizeof out;
    ASSERT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, "software\\autodesk\\autocad\\r15.0\\acad-1:411", "acadlocation", RRF_RT_REG_SZ, nullptr,
                           out, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(out, "C:\\Program Files\\\"CAD\"");
    size = sizeof out;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "SOFTWARE\\Trevan", nullptr, RRF_RT_REG_SZ, nullptr, out, &size), ERROR_SUCCESS);
    EXPECT_STREQ(out, "既定値");
}

TEST_F(Registry, KeysMustExistToBeOpened)
{
    HKEY k = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Nobody", 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Nobody", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    HKEY sub = nullptr;
    EXPECT_EQ(RegOpenKeyExA(k, "", 0, KEY_READ, &sub), ERROR_SUCCESS);
    RegCloseKey(sub);
    RegCloseKey(k);
    zrxhost::setRegistryFile(file);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software\\nobody", 0, KEY_READ, &k), ERROR_SUCCESS);
    RegCloseKey(k);
}

}  // namespace
