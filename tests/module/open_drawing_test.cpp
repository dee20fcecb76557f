// Drawings by file: the document that has a file open, side databases read from files, and
// letting either go again.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"
#include "zrxhost/session.h"
#include "zrxhost/spaces.h"

namespace {

class OpenDrawing : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        // A detail drawing with one line 42 long in it.
        ZcDbDatabase source;
        ZcDbBlockTableRecord* ms = nullptr;
        ASSERT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(&source), ZcDb::kForWrite), Zcad::eOk);
        auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(42, 0, 0));
        ms->appendZcDbEntity(line);
        line->close();
        ms->close();
        std::filesystem::create_directories(c.at("Ship"));
        ASSERT_EQ(source.saveAs(c.at("Ship/Detail.dwg").c_str()), Zcad::eOk);
        zrxhost::startApplication();
    }
    void TearDown() override
    {
        zrxhost::endApplication();
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        EditorTest::TearDown();
    }
    static double firstLineLength(ZcDbDatabase* d)
    {
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllObjectIdArray(d, ids, "");
        if (ids.isEmpty()) return -1;
        ZcDbObjectPointer<ZcDbLine> line(ids[0], ZcDb::kForRead);
        return line.openStatus() == Zcad::eOk ? line->endPoint().x - line->startPoint().x : -1;
    }
    TempDriveC c;
};

TEST_F(OpenDrawing, AFileNotOpenIsReadIntoASideDatabaseThatFreeDeletesAMissingOneIsNot)
{
    ZcDbDatabase* side = nullptr;
    ASSERT_EQ(TrevanComARX_OpenDwg("C:\\SHIP\\detail.dwg", side), 1);
    ASSERT_NE(side, nullptr);
    EXPECT_EQ(zcDocManager->document(side), nullptr);
    EXPECT_DOUBLE_EQ(firstLineLength(side), 42.0);
    EXPECT_FALSE(TrevanComARX_CheckOpenDwg(side));
    EXPECT_EQ(TrevanComARX_FreeDwg(side), 1);
    EXPECT_EQ(side, nullptr);
    EXPECT_EQ(TrevanComARX_FreeDwg(side), 1);
    // A missing or unreadable file opens nothing.
    c.put("Ship/Broken.dwg", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnot a number\n");
    for (const char* file : {"C:\\SHIP\\NOSUCH.dwg", "", "C:\\SHIP\\Broken.dwg"}) EXPECT_EQ(TrevanComARX_OpenDwg(file, side), 0) << file;
    EXPECT_EQ(side, nullptr);
    EXPECT_EQ(TrevanComARX_CheckOpenDwg("C:\\SHIP\\NOSUCH.dwg", side), 0);
}

TEST_F(OpenDrawing, AFileOpenInTheEditorGivesItsDocumentsDatabaseWhichFreeKeeps)
{
    ASSERT_EQ(zcDocManager->appContextOpenDocument("C:\\Ship\\Detail.dwg"), Zcad::eOk);
    ZcApDocument* doc = zcDocManager->curDocument();
    ZcApDocument* found = nullptr;
    ZcDbDatabase* docDb = nullptr;
    // Other spellings of the same file.
    ASSERT_EQ(TrevanComARX_CheckOpenDwg("c:\\ship\\DETAIL.DWG", found), 1);
    EXPECT_EQ(found, doc);
    ASSERT_EQ(TrevanComARX_CheckOpenDwg("C:\\SHIP\\Detail.dwg", docDb), 1);
    EXPECT_EQ(docDb, doc->database());
    EXPECT_TRUE(TrevanComARX_CheckOpenDwg(docDb));

    ZcDbDatabase* opened = nullptr;
    ASSERT_EQ(TrevanComARX_ReadOnlyOpenDwg("C:\\SHIP\\DETAIL.dwg", opened), 1);
    EXPECT_EQ(opened, doc->database());
    EXPECT_NE(doc->lockMode(), ZcAp::kNotLocked);
    EXPECT_EQ(TrevanComARX_FreeDwg(opened), 1);
    EXPECT_EQ(opened, doc->database());
    EXPECT_EQ(doc->lockMode(), ZcAp::kNotLocked);
    EXPECT_DOUBLE_EQ(firstLineLength(doc->database()), 42.0);
}

}  // namespace
