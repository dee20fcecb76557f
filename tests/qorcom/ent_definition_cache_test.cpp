// Definition files are parsed once and kept, yet every change to the file counts from the
// next read or write on: an edit that keeps the size, a new installation with another file
// under the same path, a file that goes away and comes back.
#include "qorcom_fixture.h"

namespace {

const std::vector<std::string> kNull{"null"};

class EntDefinitionCache : public QorComTest {
protected:
    void SetUp() override
    {
        QorComTest::SetUp();
        regApp("SSS_TEST");
        line = newLine();
        // The same number of bytes either way round.
        putStd("swap.ent", "1 string a\n2 real   b\n");
        Chain pair(zcutBuildList(RTSTR, "x", RTREAL, 2.5, 0));
        ASSERT_TRUE(QorComARX_Setxdata_List(line, "SSS_TEST", pair.rb, stdFile("swap.ent").c_str()));
        ASSERT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")), (std::vector<std::string>{"5005:x", "5001:2.500000"}));
    }
    ZcDbObjectId line;
};

TEST_F(EntDefinitionCache, AnEditOfTheSameSizeCountsAtOnce)
{
    putStd("swap.ent", "1 real   a\n2 string b\n");
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")), kNull);
    Chain swapped(zcutBuildList(RTREAL, 1.0, RTSTR, "y", 0));
    EXPECT_TRUE(QorComARX_Setxdata_List(line, "SSS_TEST", swapped.rb, stdFile("swap.ent").c_str()));
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")), (std::vector<std::string>{"5001:1.000000", "5005:y"}));
}

TEST_F(EntDefinitionCache, AnotherDriveUnderTheSamePathHasItsOwnFile)
{
    std::filesystem::path other = root.string() + "-other";
    std::filesystem::create_directories(other / "TREVAN/SYSTEM/STD");
    std::ofstream(other / "TREVAN/SYSTEM/STD/swap.ent", std::ios::binary) << "1 string a\n2 string b\n3 real c\n";
    zrxhost::setDrive('C', other.string());
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")), kNull);
    zrxhost::setDrive('C', root.string());
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")).size(), 2u);
    std::filesystem::remove_all(other);
}

TEST_F(EntDefinitionCache, AFileThatGoesAwayIsMissingUntilItComesBack)
{
    std::filesystem::remove(root / "TREVAN/SYSTEM/STD/swap.ent");
    Chain pair(zcutBuildList(RTSTR, "z", RTREAL, 3.0, 0));
    EXPECT_FALSE(QorComARX_Setxdata_List(line, "SSS_TEST", pair.rb, stdFile("swap.ent").c_str()));
    EXPECT_NE(said().find("swap.entがありません。"), std::string::npos) << transcript;
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")), kNull);
    putStd("swap.ent", "1 string a\n2 real   b\n");
    EXPECT_TRUE(QorComARX_Setxdata_List(line, "SSS_TEST", pair.rb, stdFile("swap.ent").c_str()));
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("swap.ent")), (std::vector<std::string>{"5005:z", "5001:3.000000"}));
}

TEST_F(EntDefinitionCache, AMalformedFileIsReportedOnEveryUse)
{
    putStd("swap.ent", "1 string a\n2 rael   b\n");
    Chain pair(zcutBuildList(RTSTR, "x", RTREAL, 2.5, 0));
    for (int i = 0; i < 2; ++i) {
        transcript.clear();
        EXPECT_FALSE(QorComARX_Setxdata_List(line, "SSS_TEST", pair.rb, stdFile("swap.ent").c_str()));
        EXPECT_NE(transcript.find("2行目"), std::string::npos) << "use " << i << ": " << transcript;
    }
}

}  // namespace
