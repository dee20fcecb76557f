// TRV_DWGTODXF run as a user runs it on a copy of the sample installation: the dialog and
// its folder browsers, the folders kept in DwgDxfPath.ini, the script DXFOUT.scr byte for
// byte, and each case of the failure table with what it leaves behind.
#include <filesystem>

#include "../install_fixture.h"
#include "loaded_module_fixture.h"
#include "zrxhost/product_version.h"

namespace {

const char* const kIni = "TREVAN/SYSTEM/INI/DwgDxfPath.ini";
const char* const kScript = "TREVAN/SYSTEM/DXFOUT.scr";

std::string block(const std::string& src, const std::string& dst, const std::string& version)
{
    return "OPEN\r\n\"" + src + "\"\r\nDXFOUT\r\n\"" + dst + "\"\r\nv\r\n" + version + "\r\n16\r\nCLOSE\r\ny\r\n";
}

class DwgToDxf : public LoadedModuleTest {
protected:
    void SetUp() override
    {
        LoadedModuleTest::SetUp();
        install.emplace();
        load(kModule);
        install->put("DWG/a.dwg", "not read by the command");
        install->put("DWG/PLAN.DWG", "not read by the command");
        std::filesystem::create_directories(install->at("DWG/folder.dwg"));
        std::filesystem::create_directories(install->at("OUT"));
        std::filesystem::create_directories(install->at("EMPTY"));
    }
    void TearDown() override
    {
        zrxhost::setProductVersion("");
        install.reset();
        LoadedModuleTest::TearDown();
    }
    std::string convert(std::vector<std::string> actions)
    {
        answer(std::move(actions));
        return run("TRV_DWGTODXF");
    }
    bool has(const std::string& relative) const { return std::filesystem::exists(install->at(relative)); }
    static bool says(const std::string& out, const std::string& part) { return out.find(part) != std::string::npos; }
    std::optional<SampleInstall> install;
};

TEST_F(DwgToDxf, OkKeepsTheFoldersAndWritesOneBlockPerDrawingThenStartsTheScript)
{
    std::string out = convert({"click 210", "C:\\DWG", "click 211", "C:\\OUT", "select 201 2004", "click 1"});
    EXPECT_TRUE(says(out, "[FolderBrowser] 変換元DWGフォルダを選択: C:\\DWG")) << out;
    EXPECT_TRUE(says(out, "[FolderBrowser] 変換先DXFフォルダを選択: C:\\OUT")) << out;
    EXPECT_TRUE(says(out, "Enter script file name: C:\\TREVAN\\SYSTEM\\DXFOUT.scr")) << out;
    // A folder named like a drawing is no drawing; an upper-case extension stays in the target.
    const std::string a = block("C:\\DWG\\a.dwg", "C:\\OUT\\a.dxf", "2004");
    const std::string plan = block("C:\\DWG\\PLAN.DWG", "C:\\OUT\\PLAN.DWG", "2004");
    const std::string script = install->bytesOf(kScript);
    EXPECT_TRUE(script == a + plan || script == plan + a) << script;
    const std::string ini = install->bytesOf(kIni);
    EXPECT_TRUE(says(ini, "[PartsInfoPath]")) << ini;
    EXPECT_TRUE(says(ini, "dwgpathdata=C:\\DWG")) << ini;
    EXPECT_TRUE(says(ini, "dxfpathdata=C:\\OUT")) << ini;
}

TEST_F(DwgToDxf, TheDialogReopensOnTheFoldersLastConfirmedInUpperCaseAndTheNewestVersionChosen)
{
    install->put(kIni, "[PartsInfoPath]\r\ndwgpathdata=c:\\dwg\\\r\ndxfpathdata=c:\\out\r\n");
    // A source folder ending in "\" is searched without a doubled separator; the paths of
    // the script join folder and name with one more.
    convert({"click 1"});
    EXPECT_EQ(install->bytesOf(kScript).find("OPEN\r\n\"c:\\dwg\\\\"), 0u) << install->bytesOf(kScript);
    EXPECT_TRUE(says(install->bytesOf(kScript), "\r\nv\r\n2007\r\n16\r\n")) << install->bytesOf(kScript);
    const std::string ini = install->bytesOf(kIni);
    EXPECT_TRUE(says(ini, "dwgpathdata=C:\\DWG\\")) << ini;
    EXPECT_TRUE(says(ini, "dxfpathdata=C:\\OUT")) << ini;
}

TEST_F(DwgToDxf, TheVersionsOfferedAndTheScriptFollowTheHostRelease)
{
    install->put(kIni, "[PartsInfoPath]\r\ndwgpathdata=C:\\DWG\r\ndxfpathdata=C:\\OUT\r\n");
    struct Case {
        const char* acadver;
        std::vector<const char*> offered;
        const char* refused;
        bool blankLine;
    };
    for (const Case& c : {Case{"17.0", {"2007", "R12"}, "R2013", false}, Case{"16.2", {"2004", "2000"}, "2007", true},
                          Case{"16.0", {"2004", "R12"}, "2007", false}, Case{"15.06", {"2000", "R12"}, "2004", false},
                          Case{"14.01", {"R12"}, "2000", false}}) {
        zrxhost::setProductVersion(c.acadver);
        for (const char* version : c.offered) {
            convert({"select 201 " + std::string(version), "click 1"});
            const std::string script = install->bytesOf(kScript);
            const std::string tail = "\r\nv\r\n" + std::string(version) + "\r\n16\r\nCLOSE\r\ny\r\n";
            EXPECT_TRUE(says(script, tail + (c.blankLine ? "\r\n" : "OPEN"))) << c.acadver << "\n" << script;
            EXPECT_EQ(says(script, "y\r\n\r\n"), c.blankLine) << c.acadver;
        }
        std::string out = convert({"select 201 " + std::string(c.refused), "click 2"});
        EXPECT_TRUE(says(out, "no item \"" + std::string(c.refused) + "\"")) << c.acadver << out;
    }
    // A release before 14 is offered nothing, and OK always finds an item missing.
    zrxhost::setProductVersion("13");
    std::filesystem::remove(install->at(kScript));
    std::string out = convert({"click 1", "click 2"});
    EXPECT_TRUE(says(out, "[MessageBox] 指定されていない項目があります。")) << out;
    EXPECT_FALSE(has(kScript));
}

TEST_F(DwgToDxf, AnItemLeftEmptyKeepsTheDialogOpenAndCancelLeavesNothing)
{
    std::string out = convert({"click 210", "C:\\DWG", "click 1", "click 2"});
    EXPECT_TRUE(says(out, "[MessageBox] 指定されていない項目があります。")) << out;
    EXPECT_TRUE(says(out, "closed with Cancel")) << out;
    EXPECT_FALSE(has(kIni));
    EXPECT_FALSE(has(kScript));
    // A browser cancelled changes nothing.
    out = convert({"click 211", "*cancel*", "click 1", "click 2"});
    EXPECT_TRUE(says(out, "[MessageBox] 指定されていない項目があります。")) << out;
}

TEST_F(DwgToDxf, WithoutTheSystemFolderTheHostAlertsAndNoScriptIsWritten)
{
    install->put("WINDOWS/TrevanAcad.ini", "[DIR]\r\nTrevanAcadDATADir=C:\\TREVAN\\DATA\r\n");
    std::filesystem::create_directories(install->at("INI"));
    std::string out = convert({"click 210", "C:\\DWG", "click 211", "C:\\OUT", "click 1"});
    EXPECT_TRUE(says(out, "[MessageBox] iniファイルの取得に失敗しました")) << out;
    EXPECT_TRUE(says(out, "closed with OK")) << out;
    // The folders went to \INI\DwgDxfPath.ini on the current drive before.
    EXPECT_TRUE(says(install->bytesOf("INI/DwgDxfPath.ini"), "dwgpathdata=C:\\DWG")) << out;
    EXPECT_FALSE(has(kScript));
}

TEST_F(DwgToDxf, AFolderWithoutDrawingsIsToldAndNoScriptIsWritten)
{
    std::string out = convert({"click 210", "C:\\EMPTY", "click 211", "C:\\OUT", "click 1"});
    EXPECT_TRUE(says(out, "[MessageBox] 保存元フォルダにDWGファイルが存在しません")) << out;
    EXPECT_TRUE(says(out, "closed with OK")) << out;
    EXPECT_FALSE(has(kScript));
}

TEST_F(DwgToDxf, ADrawingOpenInTheHostStopsTheConversion)
{
    install->put("DWG/a.dwg", "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
    ASSERT_EQ(zcDocManager->appContextOpenDocument(install->at("DWG/a.dwg").c_str()), Zcad::eOk);
    std::string out = convert({"click 210", "C:\\DWG", "click 211", "C:\\OUT", "click 1"});
    EXPECT_TRUE(says(out, "[MessageBox] C:\\DWG\\a.dwgが開かれています。")) << out;
    EXPECT_FALSE(has(kScript));
    // The same for a target: the drawing that would be written is open.
    install->put("OUT/PLAN.DWG", "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
    std::filesystem::remove(install->at("DWG/a.dwg"));
    ASSERT_EQ(zcDocManager->appContextOpenDocument(install->at("OUT/PLAN.DWG").c_str()), Zcad::eOk);
    out = convert({"click 1"});
    EXPECT_TRUE(says(out, "[MessageBox] C:\\OUT\\PLAN.DWGが開かれています。")) << out;
    EXPECT_FALSE(has(kScript));
}

TEST_F(DwgToDxf, AScriptThatCannotBeCreatedIsToldAndAnIniThatCannotBeWrittenIsNot)
{
    std::filesystem::create_directories(install->at(kScript));
    std::filesystem::create_directories(install->at(kIni));
    std::string out = convert({"click 210", "C:\\DWG", "click 211", "C:\\OUT", "click 1"});
    EXPECT_TRUE(says(out, "[MessageBox] スクリプトファイルを作成できませんでした")) << out;
    EXPECT_FALSE(says(out, "使用中")) << out;
    EXPECT_FALSE(says(out, "Enter script file name")) << out;
    // With the script writable again, the unwritable ini file does not stop the conversion.
    std::filesystem::remove(install->at(kScript));
    out = convert({"click 210", "C:\\DWG", "click 211", "C:\\OUT", "click 1"});
    EXPECT_TRUE(says(install->bytesOf(kScript), "OPEN\r\n")) << out;
}

}  // namespace
