// Private profile files as Windows reads and writes them.
#include <gtest/gtest.h>

#include <cstring>

#include "win_fixture.h"
#include "zrx.h"

namespace {

class ProfileFiles : public wintest::DriveTest {
protected:
    std::string read(const char* section, const char* key, const char* def = "GetIniErrMsg", DWORD size = 256,
                     const char* file = "C:\\WINDOWS\\TrevanAcad.ini")
    {
        std::string buf(size + 8, '#');
        DWORD n = GetPrivateProfileStringA(section, key, def, buf.data(), size, file);
        EXPECT_EQ(n, std::strlen(buf.c_str()));
        return buf.c_str();
    }
};

const char* const kSettings =
    "; Trevan installation\r\n"
    "[DIR]\r\n"
    "TrevanAcadSysDir = C:\\Trevan\\SYS\r\n"
    "TrevanAcadDATADir=\"C:\\Trevan\\DATA\"\r\n"
    "\r\n"
    "[Other]\r\n"
    "; keep me\r\n"
    "Key=1\r\n";

TEST_F(ProfileFiles, SectionsAndKeysIgnoreCaseAndValuesAreTrimmedAndUnquoted)
{
    put("WINDOWS/TrevanAcad.ini", kSettings);
    EXPECT_EQ(read("dir", "TREVANACADSYSDIR"), "C:\\Trevan\\SYS");
    EXPECT_EQ(read("Dir", "TrevanAcadDATADir"), "C:\\Trevan\\DATA");
    EXPECT_EQ(read("DIR", "Missing"), "GetIniErrMsg");
    EXPECT_EQ(read("NoSuch", "Key", "dflt  "), "dflt");
    EXPECT_EQ(read("DIR", "Key"), "GetIniErrMsg");
    EXPECT_EQ(GetPrivateProfileIntA("other", "key", 7, "C:\\WINDOWS\\TrevanAcad.ini"), 1u);
    EXPECT_EQ(GetPrivateProfileIntA("other", "none", 7, "C:\\WINDOWS\\TrevanAcad.ini"), 7u);
}

TEST_F(ProfileFiles, BlanksAroundRequestedNamesDoNotCount)
{
    // Command defaults live in sections whose names the product spells with a leading blank.
    put("WINDOWS/TrevanAcad.ini", "[ StiffText ]\r\nStyle=MINCHO\r\n[Plain]\r\nSize=3.5\r\n");
    EXPECT_EQ(read(" StiffText", "Style"), "MINCHO");
    EXPECT_EQ(read("StiffText", " Style "), "MINCHO");
    EXPECT_EQ(read(" Plain", "Size"), "3.5");
    ASSERT_TRUE(WritePrivateProfileStringA(" Plain", "Size ", "5", "C:\\WINDOWS\\TrevanAcad.ini"));
    EXPECT_EQ(read("Plain", "Size"), "5");
    EXPECT_EQ(GetPrivateProfileIntA(" stifftext", "none", 4, "C:\\WINDOWS\\TrevanAcad.ini"), 4u);
}

TEST_F(ProfileFiles, AValueLongerThanTheBufferIsCut)
{
    put("WINDOWS/TrevanAcad.ini", "[S]\r\nlong=0123456789\r\njp=形鋼形鋼\r\n");
    EXPECT_EQ(read("S", "long", "", 5), "0123");
    EXPECT_EQ(read("S", "long", "", 11), "0123456789");
    // A character is never split: 形 is three bytes.
    EXPECT_EQ(read("S", "jp", "", 6), "形");
}

TEST_F(ProfileFiles, NamesListsEndWithTwoZeros)
{
    put("WINDOWS/TrevanAcad.ini", kSettings);
    char buf[64];
    DWORD n = GetPrivateProfileStringA(nullptr, nullptr, "", buf, sizeof buf, "C:\\WINDOWS\\TrevanAcad.ini");
    EXPECT_EQ(std::string(buf, n + 1), std::string("DIR\0Other\0\0", 11));
    n = GetPrivateProfileStringA("DIR", nullptr, "", buf, sizeof buf, "C:\\WINDOWS\\TrevanAcad.ini");
    EXPECT_EQ(std::string(buf, n), std::string("TrevanAcadSysDir\0TrevanAcadDATADir\0", 35));
    EXPECT_EQ(buf[n], '\0');
}

TEST_F(ProfileFiles, AWriteKeepsCommentsOrderAndOtherSections)
{
    auto p = put("WINDOWS/TrevanAcad.ini", kSettings);
    ASSERT_TRUE(WritePrivateProfileStringA("dir", "trevanacadsysdir", "D:\\SYS", "C:\\WINDOWS\\TrevanAcad.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "Added", "new", "C:\\WINDOWS\\TrevanAcad.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("Third", "K", "v", "C:\\WINDOWS\\TrevanAcad.ini"));
    EXPECT_EQ(bytesOf(p),
              "; Trevan installation\r\n"
              "[DIR]\r\n"
              "TrevanAcadSysDir =D:\\SYS\r\n"
              "TrevanAcadDATADir=\"C:\\Trevan\\DATA\"\r\n"
              "Added=new\r\n"
              "\r\n"
              "[Other]\r\n"
              "; keep me\r\n"
              "Key=1\r\n"
              "[Third]\r\n"
              "K=v\r\n");
    EXPECT_EQ(read("DIR", "TrevanAcadSysDir"), "D:\\SYS");
}

TEST_F(ProfileFiles, ANullValueRemovesTheKeyAndANullKeyTheSection)
{
    auto p = put("WINDOWS/TrevanAcad.ini", kSettings);
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "TrevanAcadDATADir", nullptr, "C:\\WINDOWS\\TrevanAcad.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("other", nullptr, nullptr, "C:\\WINDOWS\\TrevanAcad.ini"));
    EXPECT_EQ(bytesOf(p), "; Trevan installation\r\n[DIR]\r\nTrevanAcadSysDir = C:\\Trevan\\SYS\r\n\r\n");
}

TEST_F(ProfileFiles, AShiftJisFileIsWrittenBackByteForByteApartFromTheValue)
{
    // [船番] / 名前=標準 / ; コメント / 記号=Ａ in Shift-JIS, including a byte 0x5C trail byte (表).
    const std::string before =
        "[\x91\x44\x94\xd4]\r\n"
        "\x96\xbc\x91\x4f=\x95\x57\x8f\x80\r\n"
        "; \x95\x5c\x83\x52\x83\x81\x83\x93\x83\x67\r\n"
        "\x8b\x4c\x8d\x86=\x82\x60\r\n";
    auto p = put("DATA/Ship.ini", before);
    EXPECT_EQ(read("船番", "記号", "", 256, "C:\\DATA\\Ship.ini"), "Ａ");
    ASSERT_TRUE(WritePrivateProfileStringA("船番", "名前", "新規", "C:\\DATA\\Ship.ini"));
    const std::string after =
        "[\x91\x44\x94\xd4]\r\n"
        "\x96\xbc\x91\x4f=\x90\x56\x8b\x4b\r\n"
        "; \x95\x5c\x83\x52\x83\x81\x83\x93\x83\x67\r\n"
        "\x8b\x4c\x8d\x86=\x82\x60\r\n";
    EXPECT_EQ(bytesOf(p), after);
    EXPECT_EQ(read("船番", "名前", "", 256, "C:\\DATA\\Ship.ini"), "新規");
}

TEST_F(ProfileFiles, AWriteCreatesTheFileInUtf8AndABareNameLivesInTheWindowsFolder)
{
    ::setenv("windir", "C:\\WINDOWS", 1);
    std::filesystem::create_directories(root / "WINDOWS");
    ASSERT_TRUE(WritePrivateProfileStringA("system", "company", "造船所", "Struct.ini"));
    EXPECT_EQ(bytesOf(root / "WINDOWS/Struct.ini"), "[system]\r\ncompany=造船所\r\n");
    EXPECT_EQ(read("SYSTEM", "COMPANY", "", 256, "struct.INI"), "造船所");
    // No folder, no file.
    EXPECT_FALSE(WritePrivateProfileStringA("a", "b", "c", "C:\\NoFolder\\x.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(ProfileFiles, AReadOnlyFileIsNotWrittenAndAValueShiftJisCannotHoldIsRefused)
{
    auto p = put("WINDOWS/TrevanAcad.ini", kSettings);
    ASSERT_TRUE(SetFileAttributesA("C:\\WINDOWS\\TrevanAcad.ini", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WritePrivateProfileStringA("DIR", "X", "1", "C:\\WINDOWS\\TrevanAcad.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(bytesOf(p), kSettings);

    auto sj = put("DATA/sj.ini", "[\x91\x44]\r\nk=\x82\x60\r\n");
    EXPECT_FALSE(WritePrivateProfileStringA("船", "k", "😀", "C:\\DATA\\sj.ini"));
    EXPECT_EQ(bytesOf(sj), "[\x91\x44]\r\nk=\x82\x60\r\n");
}

}  // namespace
