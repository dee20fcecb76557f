// Drawings named by their Windows paths, as plug-ins name them: reading one, and the name a
// document gives its file.
#include <unistd.h>

#include <filesystem>

#include "support/host_fixture.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/session.h"
#include "zrxhost/spaces.h"
#include "db/access.h"

namespace {

namespace fs = std::filesystem;

class DrawingWindowsPath : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        char pattern[] = "/tmp/trevan-winread-XXXXXX";
        dir = mkdtemp(pattern);
        fs::create_directories(dir / "Endtype");
        addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(7, 0, 0)));
        ASSERT_EQ(db->saveAs((dir / "Endtype" / "Cross.dwg").c_str()), Zcad::eOk);
        zrxhost::setDrive('C', dir.string());
    }
    void TearDown() override
    {
        zrxhost::clearDrives();
        fs::remove_all(dir);
        HostTest::TearDown();
    }
    fs::path dir;
};

TEST_F(DrawingWindowsPath, ADrivePathIsReadThroughTheDriveMapWithoutRegardToCase)
{
    ZcDbDatabase side(false, true);
    ASSERT_EQ(side.readDwgFile("C:\\ENDTYPE\\cross.DWG"), Zcad::eOk);
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(&side), ZcDb::kForRead);
    ASSERT_EQ(ms.openStatus(), Zcad::eOk);
    EXPECT_EQ(zrxhost::entityIds(ms.object()).length(), 1);
    const char* name = "";
    side.getFilename(name);
    EXPECT_EQ(fs::path(name), dir / "Endtype" / "Cross.dwg");
}

TEST_F(DrawingWindowsPath, AnUnmappedDriveOrMissingFileIsNotFound)
{
    ZcDbDatabase side(false, true);
    EXPECT_EQ(side.readDwgFile("D:\\ENDTYPE\\Cross.dwg"), Zcad::eFileNotFound);
    EXPECT_EQ(side.readDwgFile("C:\\ENDTYPE\\None.dwg"), Zcad::eFileNotFound);
}

}  // namespace

namespace {

TEST_F(DrawingWindowsPath, ADocumentNamesAFileOnAMappedDriveInTheWindowsForm)
{
    zrxhost::startApplication();
    ASSERT_EQ(zcDocManager->appContextOpenDocument("c:\\endtype\\CROSS.dwg"), Zcad::eOk);
    EXPECT_STREQ(zcDocManager->curDocument()->fileName(), "C:\\Endtype\\Cross.dwg");
    zrxhost::clearDrives();
    EXPECT_EQ(fs::path(zcDocManager->curDocument()->fileName()), dir / "Endtype" / "Cross.dwg");
    zrxhost::endApplication();
    zcdbHostApplicationServices()->setWorkingDatabase(db.get());
}

}  // namespace
