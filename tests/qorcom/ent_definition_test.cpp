// Definition files: what a well-formed one may hold, and how a missing or malformed one, or
// a list that does not fit, stops writes and reads without touching the entity.
#include <cmath>

#include "qorcom_fixture.h"

namespace {

const std::vector<std::string> kNull{"null"};
const std::string kPairEnt = "定義ファイルC:\\TREVAN\\SYSTEM\\STD\\pair.ent";

class EntDefinitionFile : public QorComTest {
protected:
    void SetUp() override
    {
        QorComTest::SetUp();
        regApp("SSS_TEST");
        line = newLine();
        putStd("pair.ent", "1 string a\n2 real b\n");
        Chain kept(zcutBuildList(RTSTR, "前の値", RTREAL, 1.0, 0));
        EXPECT_TRUE(QorComARX_Setxdata_List(line, "SSS_TEST", kept.rb, stdFile("pair.ent").c_str()));
        before = stored(line, "SSS_TEST");
        transcript.clear();
    }
    // Writes the list through the definition file; true when the write succeeded.
    bool write(resbuf* list, const std::string& ent)
    {
        Chain c(list);
        transcript.clear();
        return QorComARX_Setxdata_List(line, "SSS_TEST", c.rb, stdFile(ent).c_str());
    }
    bool writePair(const std::string& text)
    {
        putStd("try.ent", text);
        return write(zcutBuildList(RTSTR, "新しい値", RTSHORT, 5, 0), "try.ent");
    }
    ZcDbObjectId line;
    std::vector<std::string> before;
};

TEST_F(EntDefinitionFile, CommentsBlankLinesCaseAndWindowsLineEndsAreAccepted)
{
    EXPECT_TRUE(writePair("\xEF\xBB\xBF; 試験用 # header\r\n\r\n# note\r\n 1\tSTRING  m_strName ; 名前\r\n2 Integer m_n # n\r\n"));
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("TRY.ENT")), (std::vector<std::string>{"5005:新しい値", "5003:5"}));
    EXPECT_EQ(transcript, "");
}

TEST_F(EntDefinitionFile, EachMalformedFileFailsTheWriteAndLeavesTheEntity)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1 string a\n3 integer b\n", "2行目"},            // a position skipped
        {"2 string a\n1 integer b\n", "1行目"},            // out of order
        {"1 string a\n2 whole b\n", "2行目"},              // unknown type
        {"1 string a\n2 integer b c\n", "2行目"},         // a fourth word
        {"1 string a\n2 integer| b\n", "2行目"},           // an empty alternative
        {"1 string a\n2 integer\n", "2行目"},              // no field name
        {"1 string a\n2 integer A\n", "2行目"},            // the same name again
        {"1 string a\n2 integer 2b\n", "2行目"},           // not a name
        {"; only comments\n\n", "項目が1つもありません"},
        {"", "項目が1つもありません"},
    };
    for (const auto& [text, where] : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(writePair(text));
        EXPECT_NE(said().find("定義ファイルC:\\TREVAN\\SYSTEM\\STD\\try.ent"), std::string::npos) << transcript;
        EXPECT_NE(transcript.find(where), std::string::npos) << transcript;
        EXPECT_EQ(stored(line, "SSS_TEST"), before);
        EXPECT_EQ(read(line, "SSS_TEST", stdFile("try.ent")), kNull);
    }
}

TEST_F(EntDefinitionFile, AMissingFileFailsTheWriteLoudlyAndTheReadQuietly)
{
    EXPECT_FALSE(write(zcutBuildList(RTSTR, "x", RTREAL, 2.0, 0), "nothere.ent"));
    EXPECT_EQ(said(), "定義ファイルC:\\TREVAN\\SYSTEM\\STD\\nothere.entがありません。");
    EXPECT_EQ(stored(line, "SSS_TEST"), before);
    transcript.clear();
    EXPECT_EQ(read(line, "SSS_TEST", stdFile("nothere.ent")), kNull);
    EXPECT_EQ(read(line, "SSS_TEST", "D:\\unmapped\\pair.ent"), kNull);
    EXPECT_EQ(transcript, "");
}

TEST_F(EntDefinitionFile, AListThatDoesNotFitIsRefusedBeforeTheEntityChanges)
{
    const std::string mismatch = "[SSS_TEST]の値の並びが" + kPairEnt + "と合いません（";
    const std::pair<resbuf*, std::string> cases[] = {
        {zcutBuildList(RTSTR, "a", 0), mismatch + "2番目）。"},
        {zcutBuildList(RTSTR, "a", RTREAL, 1.0, RTREAL, 2.0, 0), mismatch + "3番目）。"},
        // A 32-bit integer is not silently cut to the 16 bits xdata holds.
        {zcutBuildList(RTSTR, "a", RTLONG, 70000, 0), mismatch + "2番目）。"},
        {zcutBuildList(RTSTR, std::string(256, 'x').c_str(), RTREAL, 1.0, 0), "[SSS_TEST]の1番目の文字列が255バイトを超えています。"},
        {zcutBuildList(RTSTR, "a", RTREAL, std::nan(""), 0), "[SSS_TEST]の2番目の実数が数値ではありません。"},
        {zcutBuildList(RTSTR, "a", RTREAL, -HUGE_VAL, 0), "[SSS_TEST]の2番目の実数が数値ではありません。"},
        {nullptr, mismatch + "1番目）。"},
    };
    for (const auto& [list, message] : cases) {
        EXPECT_FALSE(write(list, "pair.ent")) << message;
        EXPECT_EQ(said(), message);
        EXPECT_EQ(stored(line, "SSS_TEST"), before);
    }
    // 255 bytes is the most a string may hold.
    EXPECT_TRUE(write(zcutBuildList(RTSTR, std::string(255, 'y').c_str(), RTREAL, 1.0, 0), "pair.ent"));
}

TEST_F(EntDefinitionFile, AnEntityThatCannotBeOpenedIsNotWritten)
{
    Chain pair(zcutBuildList(RTSTR, "x", RTREAL, 2.0, 0));
    ZcDbObjectPointer<ZcDbEntity> held(line, ZcDb::kForWrite);
    EXPECT_FALSE(QorComARX_Setxdata_List(line, "SSS_TEST", pair.rb, stdFile("pair.ent").c_str()));
    EXPECT_FALSE(QorComARX_Setxdata_List(ZcDbObjectId(), "SSS_TEST", pair.rb, stdFile("pair.ent").c_str()));
    EXPECT_FALSE(QorComARX_Setxdata_List_NewVer(nullptr, "SSS_TEST", pair.rb, stdFile("pair.ent").c_str()));
    EXPECT_EQ(QorComARX_Getxdata_List(nullptr, "SSS_TEST", stdFile("pair.ent").c_str()), nullptr);
}

}  // namespace
