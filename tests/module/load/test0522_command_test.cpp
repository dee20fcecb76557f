// TRV_TEST0522, run as a user runs it: the CAD installation folder on the command line and
// the line type CENTER loaded into the drawing, with or without a known CAD folder.
#include "../install_fixture.h"
#include "support/editor_fixture.h"
#include "zrxhost/session.h"

namespace {

class Test0522 : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        zrxhost::startApplication();
        zrxhost::clearCheckFailures();
        ASSERT_TRUE(zcrxDynamicLinker->loadModule(TREVANCOM_MODULE_PATH, false));
    }
    void TearDown() override
    {
        zrxhost::endApplication();
        zrxhost::setSupportFolders({});
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        EditorTest::TearDown();
    }
    std::string run()
    {
        transcript();
        zrxhost::runCommandLine("TRV_TEST0522");
        return transcript();
    }
    bool drawingHasCenter()
    {
        ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
        ZcDbObjectPointer<ZcDbLinetypeTable> table(working->linetypeTableId(), ZcDb::kForRead);
        return table->has("CENTER");
    }
};

TEST_F(Test0522, WithoutACadFolderTheSignStandsAloneAndCenterStillLoads)
{
    TempDriveC drive;
    drive.put("SUPPORT/Trevan.lin", "*CENTER,Center ____ _ ____\r\nA,31.75,-6.35,6.35,-6.35\r\n");
    zrxhost::setSupportFolders({drive.at("SUPPORT").string()});
    std::string out = run();
    // Nothing follows the sign on its line.
    size_t sign = out.find("ACADのパス＝");
    ASSERT_NE(sign, std::string::npos) << out;
    std::string rest = out.substr(sign + std::string("ACADのパス＝").size());
    EXPECT_TRUE(rest.empty() || rest.front() == '\n') << out;
    EXPECT_TRUE(drawingHasCenter());
    EXPECT_TRUE(zrxhost::checkFailures().empty());
}

TEST_F(Test0522, TheSampleInstallationNamesItsCadFolderAndLoadsFromItsSupport)
{
    SampleInstall install;
    std::string out = run();
    EXPECT_NE(out.find("ACADのパス＝C:\\Program Files\\AutoCAD 2002"), std::string::npos) << out;
    EXPECT_TRUE(drawingHasCenter());
}

TEST_F(Test0522, NoLineTypeFileLeavesTheDrawingWithoutCenter)
{
    TempDriveC drive;
    std::string out = run();
    EXPECT_NE(out.find("ACADのパス＝"), std::string::npos) << out;
    EXPECT_FALSE(drawingHasCenter());
}

}  // namespace
