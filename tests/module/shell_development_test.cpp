// The shell development dialog called from LISP on a copy of the sample installation: what
// the user is offered, what LISP gets back, and what a damaged installation tells.
#include <filesystem>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

class ShellDevelopment : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("longdepth", TrevanComARX_LongDepthFrameNo);
    }
    // The dialog played with the answers; the transcript of the call.
    std::string play(std::vector<std::string> answers)
    {
        answer(std::move(answers));
        return call("(longdepth)");
    }
    // A point carrying the ship number under the application.
    void markShip(const char* app, const char* sno)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbPoint(ZcGePoint3d(0, 0, 0)));
        ASSERT_EQ(TrevanComARX_SetXdataStr(id, app, sno), 1);
    }
    SampleInstall install;
};

TEST_F(ShellDevelopment, GivesTheShipFramesAndShiftsOnOkAndNilOnCancel)
{
    std::string out = play({"select 207 s1235", "select 201 FR.3", "select 202 FR.3", "type 206 1-2", "click 1"});
    EXPECT_NE(out.find("\n(\"S1235\" \"FR.3\" 0.0 \"FR.3\" 12.0)\n"), std::string::npos) << out;
    out = play({"type 205 25", "click 2"});
    EXPECT_NE(out.find("closed with Cancel\n\nnil\n"), std::string::npos) << out;
}

TEST_F(ShellDevelopment, EqualFramesNeedDifferentShifts)
{
    std::string out = play({"select 201 FR.40", "select 202 FR.40", "type 205 500", "type 206 500", "click 1",
                            "type 205 0", "click 1"});
    EXPECT_NE(out.find("[MessageBox] 開始/終了フレーム、シフト量が同じ値では定義できません.\n"), std::string::npos) << out;
    EXPECT_NE(out.find("(\"S1234\" \"FR.40\" 0.0 \"FR.40\" 500.0)"), std::string::npos) << out;
}

TEST_F(ShellDevelopment, ChoosingAnotherShipOffersItsFrames)
{
    // A short file of S1235's own: its frames replace the first ship's.
    install.put("TREVAN/DATA/Lines/S1235/fline.dat", "FR.A,0,600\r\nFR.B,600,600\r\n");
    std::string out = play({"select 207 S1235", "select 202 FR.B", "click 1"});
    EXPECT_NE(out.find("(\"S1235\" \"FR.A\" 0.0 \"FR.B\" 0.0)"), std::string::npos) << out;
    out = play({"select 207 S1235", "select 201 FR.100", "click 2"});
    EXPECT_NE(out.find("no item \"FR.100\" in control 201"), std::string::npos) << out;
}

TEST_F(ShellDevelopment, TheDrawingsShipIsChosenAndFixed)
{
    markShip("SNOVAL", "S1234");
    markShip("SNO", "s1235");
    std::string out = play({"select 207 S1234", "click 1"});
    EXPECT_NE(out.find("control 207 cannot be used"), std::string::npos) << out;
    // Start and end are both the first frame with no shift: refused, then cancelled.
    EXPECT_NE(out.find("同じ値では定義できません"), std::string::npos) << out;
    out = play({"select 202 FR.1", "click 1"});
    EXPECT_NE(out.find("(\"S1235\" \"FR.0\" 0.0 \"FR.1\" 0.0)"), std::string::npos) << out;
}

TEST_F(ShellDevelopment, AShipWithoutAFolderLeavesTheChoiceOpen)
{
    markShip("SNO", "S9999");
    std::string out = play({"click 1", "select 207 S1234", "select 202 FR.2", "click 1"});
    // Nothing chosen: no frames either, and empty frames with equal shifts are refused.
    EXPECT_NE(out.find("同じ値では定義できません"), std::string::npos) << out;
    EXPECT_NE(out.find("(\"S1234\" \"FR.0\" 0.0 \"FR.2\" 0.0)"), std::string::npos) << out;
}

TEST_F(ShellDevelopment, AMissingStructIniIsToldAndTheListsStayEmpty)
{
    std::filesystem::remove(install.at("WINDOWS/Struct.ini"));
    std::string out = play({"select 207 S1234", "click 2"});
    EXPECT_NE(out.find("\nC:\\WINDOWS\\Struct.iniファイルがないか、iniファイル内に[company]グループがないかDataPathキーがありません。"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("no item \"S1234\" in control 207"), std::string::npos) << out;
    EXPECT_NE(out.find("nil\n"), std::string::npos);
}

TEST_F(ShellDevelopment, AStructIniWithoutDataPathIsToldToo)
{
    install.put("WINDOWS/Struct.ini", "[system]\r\ncompany=OTHER\r\n");
    std::string out = play({"click 2"});
    EXPECT_NE(out.find("Struct.iniファイルがないか"), std::string::npos) << out;
}

TEST_F(ShellDevelopment, AMissingFrameLineFileIsToldAtTheStart)
{
    std::filesystem::remove(install.at("TREVAN/DATA/Lines/S1234/fline.dat"));
    std::string out = play({"select 207 S1235", "select 201 FR.5", "select 202 FR.6", "click 1"});
    EXPECT_NE(out.find("\nC:\\TREVAN\\DATA\\Lines\\S1234\\fline.datファイルがないか、ファイル内のフレーム番号を表示できません。"),
              std::string::npos)
        << out;
    // The other ship's frames are still offered once it is chosen.
    EXPECT_NE(out.find("(\"S1235\" \"FR.5\" 0.0 \"FR.6\" 0.0)"), std::string::npos) << out;
}

TEST(FrameLineFile, TakesTheFirstFieldOfLinesOfThreeFields)
{
    TempDriveC drive;
    // Shift-JIS as a Windows installation writes it. The last line has no line end, so its
    // own last character goes and leaves it two fields.
    drive.put("DATA/fline.dat",
              "\x83\x74\x83\x8C\x81\x5B\x83\x80\r\n"  // フレーム: one field, skipped
              "FR.1,0,700\r\n25+,700,350\r\n-5,-700,700\r\nFR.2,700\r\n\"FR.3\",1400,700,\x8B\x40\r\nFR.44,2100,700\r\nFR.5,2800,");
    CStringArray names;
    ASSERT_TRUE(TrevanCom_ReadFrameNames("C:\\DATA\\FLINE.DAT", names));
    std::vector<std::string> got;
    for (INT_PTR i = 0; i < names.GetSize(); ++i) got.push_back(names[i].str());
    EXPECT_EQ(got, (std::vector<std::string>{"FR.1", "25", "-5", "FR.3", "FR.44"}));
    EXPECT_FALSE(TrevanCom_ReadFrameNames("C:\\DATA\\none.dat", names));
}

}  // namespace
