// TRV_TEST0522, run as a user runs it: the CAD installation folder on the command line and
// the line type CENTER loaded into the drawing, with or without a known CAD folder.
#include "../install_fixture.h"
#include "loaded_module_fixture.h"

namespace {

class Test0522 : public LoadedModuleTest {
protected:
    void SetUp() override
    {
        LoadedModuleTest::SetUp();
        load(kModule);
    }
    void TearDown() override
    {
        zrxhost::setSupportFolders({});
        LoadedModuleTest::TearDown();
    }
    bool drawingHasCenter()
    {
        ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
        ZcDbObjectPointer<ZcDbLinetypeTable> table(working->linetypeTableId(), ZcDb::kForRead);
        return table->has("CENTER");
    }
};

TEST_F(Test0522, WithoutACadFolderTheSignStandsAloneAndCenterLoadsFromTheSupportPath)
{
    TempDriveC drive;
    const std::string sign = "ACADのパス＝", out = run("TRV_TEST0522");
    // Nothing follows the sign on its line.
    ASSERT_NE(out.find(sign), std::string::npos) << out;
    const std::string rest = out.substr(out.find(sign) + sign.size());
    EXPECT_TRUE(rest.empty() || rest.front() == '\n') << out;
    EXPECT_FALSE(drawingHasCenter());
    drive.put("SUPPORT/Trevan.lin", "*CENTER,Center ____ _ ____\r\nA,31.75,-6.35,6.35,-6.35\r\n");
    zrxhost::setSupportFolders({drive.at("SUPPORT").string()});
    run("TRV_TEST0522");
    EXPECT_TRUE(drawingHasCenter());
    EXPECT_TRUE(zrxhost::checkFailures().empty());
}

TEST_F(Test0522, TheSampleInstallationNamesItsCadFolderAndLoadsFromItsSupport)
{
    SampleInstall install;
    std::string out = run("TRV_TEST0522");
    EXPECT_NE(out.find("ACADのパス＝C:\\Program Files\\AutoCAD 2002"), std::string::npos) << out;
    EXPECT_TRUE(drawingHasCenter());
}

}  // namespace
