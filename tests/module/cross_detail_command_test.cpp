// The questions and rules of the intersection detail command that stand without a plan:
// the names a detail is filed under, where it goes and when a symbol is taken, the turn
// onto Y, the region test and which partners cross.
#include <cmath>
#include <filesystem>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

const double kPi = 3.14159265358979323846;

CStiffData member(const char* ftype, const char* code, ZcGePoint3d start, ZcGePoint3d end)
{
    CStiffData s;
    s.m_strFType = ftype;
    s.m_strCode = code;
    s.m_ptStart = start;
    s.m_ptEnd = end;
    return s;
}

class CrossDetailNames : public EditorTest {
protected:
    SampleInstall install;
    std::string defaults() const { return install.bytesOf("TREVAN/SYSTEM/INI/TrevanAcadCmdDef.ini"); }
};

TEST_F(CrossDetailNames, ANameMustEndInALetterDigitDotOrUnderscoreAndHoldNoPathCharacter)
{
    EXPECT_EQ(TrevanCom_CheckFileNameChars("S2185"), NameCheck::kAccepted);
    EXPECT_EQ(TrevanCom_CheckFileNameChars("A-1.B_2"), NameCheck::kAccepted);
    for (const char* bad : {"A\\1", "A/1", "A:1", "A;1", "A,1", "A?1", "A*1", "A<1", "A>1", "A|1", "A\"1"})
        EXPECT_EQ(TrevanCom_CheckFileNameChars(bad), NameCheck::kForbidden) << bad;
    // Other characters are passed over, unless the name ends in one.
    EXPECT_EQ(TrevanCom_CheckFileNameChars("A-"), NameCheck::kAskAgain);
    EXPECT_EQ(TrevanCom_CheckFileNameChars("-A"), NameCheck::kAccepted);
    // A forbidden character refuses the name even after one passed over.
    EXPECT_EQ(TrevanCom_CheckFileNameChars("A-/B"), NameCheck::kForbidden);
}

TEST_F(CrossDetailNames, TheShipNumberOffersTheStoredOneAndKeepsANewOne)
{
    answer({""});
    CString ship;
    ASSERT_TRUE(TrevanCom_AskShipNumber(ship));
    EXPECT_EQ(ship, "S2185");
    EXPECT_NE(transcript().find("船番を入力<S2185>："), std::string::npos);

    answer({"a/1", std::string(251, 'A'), "x-", "s3001"});
    ASSERT_TRUE(TrevanCom_AskShipNumber(ship));
    EXPECT_EQ(ship, "s3001");
    const std::string out = transcript();
    EXPECT_NE(out.find("船番として使用できない文字が含まれています。"), std::string::npos) << out;
    EXPECT_NE(out.find("文字数が多すぎます。"), std::string::npos) << out;
    // Four prompts: the one ending in a character passed over is asked again without a word.
    size_t prompts = 0;
    for (size_t at = out.find("船番を入力"); at != std::string::npos; at = out.find("船番を入力", at + 1)) ++prompts;
    EXPECT_EQ(prompts, 4u) << out;
    EXPECT_NE(defaults().find("SNO=S3001"), std::string::npos) << defaults();

    answer({"*cancel*"});
    EXPECT_FALSE(TrevanCom_AskShipNumber(ship));
}

TEST_F(CrossDetailNames, WithoutAStoredShipNumberSnoIsOfferedAndStored)
{
    install.put("TREVAN/SYSTEM/INI/TrevanAcadCmdDef.ini", "");
    answer({""});
    CString ship;
    ASSERT_TRUE(TrevanCom_AskShipNumber(ship));
    EXPECT_EQ(ship, "SNO");
    EXPECT_NE(transcript().find("船番を入力<SNO>："), std::string::npos);
    EXPECT_NE(defaults().find("SNO=SNO"), std::string::npos) << defaults();
}

TEST_F(CrossDetailNames, TheSymbolIsRequiredAndNotRemembered)
{
    answer({"", "B*1", "B1"});
    CString symbol;
    ASSERT_TRUE(TrevanCom_AskStandardSymbol(symbol));
    EXPECT_EQ(symbol, "B1");
    const std::string out = transcript();
    EXPECT_NE(out.find("標準記号が入力されていません。"), std::string::npos) << out;
    EXPECT_NE(out.find("標準記号として使用できない文字が含まれています。"), std::string::npos) << out;
    EXPECT_EQ(defaults().find("B1"), std::string::npos);
    answer({"*cancel*"});
    EXPECT_FALSE(TrevanCom_AskStandardSymbol(symbol));
}

TEST_F(CrossDetailNames, TheCombinationNamesEachMemberByShapeLetterAndCodeOnce)
{
    ZcArray<CStiffData> records;
    records.append(member("LONG_A", "37", {}, {}));
    records.append(member("LONG_F", "5A", {}, {}));
    EXPECT_EQ(TrevanCom_CrossCombinationName(records), "A37-F5A");
    records.append(member("LONG_F", "5a", {}, {}));
    EXPECT_EQ(TrevanCom_CrossCombinationName(records), "A37-F5A");
    records[2].m_strCode = "5B";
    EXPECT_EQ(TrevanCom_CrossCombinationName(records), "A37-F5A-F5B");
}

TEST_F(CrossDetailNames, TheDrawingIsFiledUnderShipAndCombinationAndASymbolIsUsedOncePerShip)
{
    CString path;
    ASSERT_TRUE(TrevanCom_CrossOutputPath("s3001", "A37-F5A", "B1", path));
    EXPECT_EQ(path, "C:\\TREVAN\\DATA\\ENDTYPE\\S3001\\A37-F5A\\B1.dwg");
    EXPECT_TRUE(std::filesystem::is_directory(install.at("TREVAN/DATA/ENDTYPE/S3001/A37-F5A")));

    install.put("TREVAN/DATA/ENDTYPE/S3001/A38-F5B/b1.DWG", "");
    transcript();
    EXPECT_FALSE(TrevanCom_CrossOutputPath("S3001", "A37-F5A", "B1", path));
    EXPECT_NE(transcript().find("b1.DWGはすでに登録されています。"), std::string::npos);
    // Another ship may use it.
    EXPECT_TRUE(TrevanCom_CrossOutputPath("S3002", "A37-F5A", "B1", path));
}

TEST_F(CrossDetailNames, WithoutTheDataFolderNoPathIsMade)
{
    install.forgetFolders();
    CString path;
    EXPECT_FALSE(TrevanCom_CrossOutputPath("S1", "A37-F5A", "B1", path));
    EXPECT_NE(transcript().find("Trevanシステムフォルダの取得に失敗しました。"), std::string::npos);
}

double degrees(double deg) { return deg * kPi / 180; }

ZcGePoint3d towards(double deg) { return {std::cos(degrees(deg)) * 100, std::sin(degrees(deg)) * 100, 0}; }

TEST(CrossDetailTurn, TheThroughMemberTurnsTheShorterWayOntoY)
{
    const ZcGePoint3d o(0, 0, 0);
    EXPECT_NEAR(TrevanCom_CrossTurnAngle(o, towards(100)), degrees(-10), 1e-12);
    EXPECT_NEAR(TrevanCom_CrossTurnAngle(o, towards(260)), degrees(10), 1e-12);
    EXPECT_NEAR(TrevanCom_CrossTurnAngle(o, towards(0)), degrees(90), 1e-12);
    EXPECT_NEAR(TrevanCom_CrossTurnAngle(o, towards(200)), degrees(70), 1e-12);
    // Level, pointing left: a quarter turn either way; down is taken.
    EXPECT_NEAR(TrevanCom_CrossTurnAngle(o, ZcGePoint3d(-100, 0, 0)), degrees(90), 1e-12);
    // About the cross point: the point itself stays, the member's end lands on the Y line.
    const ZcGePoint3d cross(500, 300, 0);
    ZcGePoint3d end = cross + (towards(30) - o);
    end.transformBy(TrevanCom_CrossTurn(o, towards(30), cross));
    EXPECT_NEAR(end.x, 500, 1e-9);
    EXPECT_NEAR(end.y, 400, 1e-9);
}

class CrossDetailRegion : public EditorTest {
protected:
    ZcArray<CStiffData> records;
    void SetUp() override
    {
        EditorTest::SetUp();
        records.append(member("LONG_A", "37", {0, 0, 0}, {0, 1000, 0}));
        records.append(member("LONG_F", "5A", {-500, 500, 0}, {500, 500, 0}));
    }
    int entities()
    {
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllObjectIdArray(db.get(), ids, nullptr);
        return ids.length();
    }
};

TEST_F(CrossDetailRegion, EveryMemberMustRunAcrossTheRegionsEdge)
{
    EXPECT_TRUE(TrevanCom_CrossRegionHoldsMembers(records, {-100, 400, 0}, {100, 600, 0}));
    // The partner runs wholly inside: it does not cross the edge.
    EXPECT_FALSE(TrevanCom_CrossRegionHoldsMembers(records, {-600, 400, 0}, {600, 600, 0}));
    EXPECT_FALSE(TrevanCom_CrossRegionHoldsMembers(records, {200, 400, 0}, {300, 600, 0}));
    EXPECT_EQ(entities(), 0);
}

TEST_F(CrossDetailRegion, CornersAreAskedAgainUntilTheyMakeARegionAroundTheCrossing)
{
    answer({"", "10,10", "*cancel*", "10,10", "10,10", "10,10", "10,300", "200,400", "300,600", "-100,400",
            "100,600"});
    ZcGePoint3d c1, c2;
    ASSERT_TRUE(TrevanCom_CrossPickRegion(records, c1, c2));
    EXPECT_EQ(c1, ZcGePoint3d(-100, 400, 0));
    EXPECT_EQ(c2, ZcGePoint3d(100, 600, 0));
    const std::string out = transcript();
    EXPECT_NE(out.find("同一点が指定されました。"), std::string::npos) << out;
    EXPECT_NE(out.find("同一線上の点が指示されました。"), std::string::npos) << out;
    EXPECT_NE(out.find("指示した範囲に通し部材と相手部材が含まれていません。"), std::string::npos) << out;
    EXPECT_EQ(entities(), 0);
    answer({"*cancel*"});
    EXPECT_FALSE(TrevanCom_CrossPickRegion(records, c1, c2));
}

TEST_F(CrossDetailRegion, OnlyPartnersThatReachTheThroughMemberCross)
{
    EXPECT_EQ(TrevanCom_CrossingPartners(records), 1);
    records.append(member("LONG_F", "5B", {100, 800, 0}, {600, 800, 0}));
    EXPECT_EQ(TrevanCom_CrossingPartners(records), 1);
    records[1].m_ptEnd.x = -10;
    EXPECT_EQ(TrevanCom_CrossingPartners(records), 0);
}

}  // namespace
