// Entities a version cannot hold: an R12 save leaves them out and says which kinds and how
// many; a later save that leaves nothing out says nothing.
#include <string>
#include <vector>

#include "dxf_test_files.h"
#include "support/host_fixture.h"

namespace {

using dxftest::pairs;

class DxfLeftOut : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        // Multiline text the host keeps as it was read, between modelled entities.
        std::string path = dir.file("in.dxf");
        dxftest::writeFile(path, dxftest::r12Drawing(
                                     pairs({{0, "LINE"}, {5, "2A"}, {8, "HULL"}, {10, "0"}, {20, "0"}, {30, "0"},
                                            {11, "5"}, {21, "5"}, {31, "0"}, {0, "MTEXT"}, {5, "2B"}, {8, "HULL"},
                                            {10, "0"}, {20, "0"}, {30, "0"}, {40, "2.5"}, {1, "FR.45"}})));
        ASSERT_EQ(db->readDwgFile(path.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
        for (int i = 0; i < 2; ++i) {
            auto* x = new ZcDbXline;
            x->setBasePoint({double(i), 0, 0});
            x->setUnitDir({0, 1, 0});
            addToModelSpace(x);
        }
        auto* leader = new ZcDbLeader;
        leader->appendVertex({0, 0, 0});
        leader->appendVertex({20, 20, 0});
        addToModelSpace(leader);
    }

    std::vector<std::string> leftOut() const
    {
        std::vector<std::string> out;
        for (const zrxhost::LeftOutEntities& l : zrxhost::lastDrawingFileLeftOut()) {
            out.push_back(std::to_string(l.count) + " " + l.kind);
        }
        return out;
    }

    dxftest::ScratchDir dir;
};

TEST_F(DxfLeftOut, AnR12SaveNamesEachKindItLeftOutWithItsCount)
{
    std::string out = dir.file("r12.dxf");
    ASSERT_EQ(db->dxfOut(out.c_str(), 16, ZcDb::kDHL_1009), Zcad::eOk) << zrxhost::lastDrawingFileError();
    EXPECT_EQ(leftOut(), (std::vector<std::string>{"1 MTEXT", "2 XLINE", "1 LEADER"}));
    EXPECT_EQ(zrxhost::leftOutSummary(), "1 MTEXT, 2 XLINE, 1 LEADER");
    std::string saved = dxftest::readFile(out);
    EXPECT_EQ(saved.find("\nMTEXT\n"), std::string::npos);
    EXPECT_EQ(saved.find("\nXLINE\n"), std::string::npos);
    EXPECT_NE(saved.find("\nLINE\n"), std::string::npos);
}

TEST_F(DxfLeftOut, ASaveThatHoldsEverythingLeavesNothingToReport)
{
    std::string r12 = dir.file("r12.dxf");
    ASSERT_EQ(db->dxfOut(r12.c_str(), 16, ZcDb::kDHL_1009), Zcad::eOk);
    ASSERT_FALSE(leftOut().empty());
    std::string current = dir.file("current.dxf");
    ASSERT_EQ(db->saveAs(current.c_str()), Zcad::eOk) << zrxhost::lastDrawingFileError();
    EXPECT_TRUE(leftOut().empty());
    EXPECT_EQ(zrxhost::leftOutSummary(), "");
    std::string saved = dxftest::readFile(current);
    EXPECT_NE(saved.find("\nMTEXT\n"), std::string::npos);
    EXPECT_NE(saved.find("\nLEADER\n"), std::string::npos);
}

}  // namespace
