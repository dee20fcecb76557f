// The editor's questions: what each answer gives, the platform's codes and the re-asking.
#include <cmath>
#include <cstring>

#include "support/editor_fixture.h"

namespace {

class EdInput : public EditorTest {};

TEST_F(EdInput, PointAnswersGiveThePointEnterAndEscGiveTheirCodes)
{
    ads_point p;
    answer({"12.5,-3", "1,2,3", "", "*cancel*"});
    ASSERT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTNORM);
    EXPECT_DOUBLE_EQ(p[X], 12.5);
    EXPECT_DOUBLE_EQ(p[Y], -3.0);
    EXPECT_DOUBLE_EQ(p[Z], 0.0);
    ASSERT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTNORM);
    EXPECT_DOUBLE_EQ(p[Z], 3.0);
    EXPECT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTNONE);
    EXPECT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTCAN);
    // The end of input is Esc too.
    EXPECT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTCAN);
}

TEST_F(EdInput, AnAnswerIsEchoedAndOneNewlineStartsTheNextPrompt)
{
    ads_point p;
    answer({"1,2", "3,4"});
    zcedGetPoint(nullptr, "\nFirst: ", p);
    zcedGetPoint(p, "\nSecond: ", p);
    zcutPrintf("\nDone.\n");
    EXPECT_EQ(transcript(), "First: 1,2\nSecond: 3,4\nDone.\n");
}

TEST_F(EdInput, TheLastPointIsKept)
{
    ads_point p;
    answer({"7,8,9"});
    zcedGetPoint(nullptr, nullptr, p);
    resbuf rb;
    ASSERT_EQ(zcedGetVar("LASTPOINT", &rb), RTNORM);
    EXPECT_EQ(rb.restype, RT3DPOINT);
    EXPECT_DOUBLE_EQ(rb.resval.rpoint[Y], 8.0);
}

TEST_F(EdInput, MalformedPointsAreAskedAgainInteractively)
{
    ads_point p;
    answer({"12,abc", "1,2,3,4", "5,6"});
    ASSERT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTNORM);
    EXPECT_DOUBLE_EQ(p[X], 5.0);
    EXPECT_NE(transcript().find("Point or option keyword required."), std::string::npos);
}

TEST_F(EdInput, AMalformedAnswerStopsAScriptAndCancelsWhatFollows)
{
    zrxhost::setInputMode(zrxhost::InputMode::Script);
    ads_point p;
    answer({"12,abc", "5,6"});
    EXPECT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTCAN);
    EXPECT_NE(zrxhost::scriptError().find("12,abc"), std::string::npos);
    // The next line is not taken as an answer to a later question.
    EXPECT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTCAN);
    EXPECT_EQ(m_input->peek(), "5,6");
}

TEST_F(EdInput, KeywordsMatchByCapitalsOrFullNameAndComeBackAsWritten)
{
    char kw[133];
    answer({"s", "PORT", "cen", "star", "x", "C"});
    for (const char* expected : {"Starboard", "Port", "Centre", "Starboard"}) {
        zcedInitGet(0, "Port Starboard Centre");
        ASSERT_EQ(zcedGetKword("\nSide: ", kw), RTNORM);
        EXPECT_STREQ(kw, expected);
    }
    // A word that is no keyword is asked again.
    zcedInitGet(0, "Port Starboard Centre");
    ASSERT_EQ(zcedGetKword("\nSide: ", kw), RTNORM);
    EXPECT_STREQ(kw, "Centre");
    EXPECT_NE(transcript().find("Invalid option keyword."), std::string::npos);
}

TEST_F(EdInput, GlobalKeywordNamesAreGivenBack)
{
    char kw[133];
    answer({"H", "_Yes"});
    zcedInitGet(0, "Hai Iie _Yes No");
    ASSERT_EQ(zcedGetKword("\nOK? ", kw), RTNORM);
    EXPECT_STREQ(kw, "Yes");
    zcedInitGet(0, "Hai Iie _Yes No");
    ASSERT_EQ(zcedGetKword("\nOK? ", kw), RTNORM);
    EXPECT_STREQ(kw, "Yes");
}

TEST_F(EdInput, KeywordEnterIsNoneUnlessAnAnswerIsRequired)
{
    char kw[133];
    answer({"", "", "Port"});
    zcedInitGet(0, "Port Starboard");
    EXPECT_EQ(zcedGetKword("\nSide: ", kw), RTNONE);
    zcedInitGet(RSG_NONULL, "Port Starboard");
    ASSERT_EQ(zcedGetKword("\nSide: ", kw), RTNORM);
    EXPECT_STREQ(kw, "Port");
}

TEST_F(EdInput, AKeywordAtAPointPromptIsRtkwordAndReadBack)
{
    ads_point p;
    char kw[512];
    answer({"u", "frame"});
    zcedInitGet(0, "Undo Close");
    ASSERT_EQ(zcedGetPoint(nullptr, "\nNext: ", p), RTKWORD);
    ASSERT_EQ(zcedGetInput(kw), RTNORM);
    EXPECT_STREQ(kw, "Undo");
    // Any text with RSG_OTHER.
    zcedInitGet(RSG_OTHER, "Undo");
    ASSERT_EQ(zcedGetPoint(nullptr, "\nNext: ", p), RTKWORD);
    zcedGetInput(kw);
    EXPECT_STREQ(kw, "frame");
}

TEST_F(EdInput, InitGetAppliesToOneQuestionOnly)
{
    ads_point p;
    ads_real r;
    zcedInitGet(0, "Undo");
    answer({"2.5", "Undo"});
    ASSERT_EQ(zcedGetReal("\nReal: ", &r), RTNORM);
    // The keyword list was used up by the first question.
    EXPECT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTCAN);
}

TEST_F(EdInput, NumbersHonourTheInitGetLimits)
{
    ads_real r = 0;
    int i = 0;
    answer({"0", "-2", "3.25", "40000", "1.5", "-7"});
    zcedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    ASSERT_EQ(zcedGetReal("\nLength: ", &r), RTNORM);
    EXPECT_DOUBLE_EQ(r, 3.25);
    ASSERT_EQ(zcedGetInt("\nCount: ", &i), RTNORM);
    EXPECT_EQ(i, -7);
    std::string t = transcript();
    EXPECT_NE(t.find("Value must be nonzero."), std::string::npos);
    EXPECT_NE(t.find("Value must be positive."), std::string::npos);
    EXPECT_NE(t.find("between -32768 and 32767"), std::string::npos);
    EXPECT_NE(t.find("Requires an integer value."), std::string::npos);
}

TEST_F(EdInput, DistancesAndAnglesTakeNumbersOrPoints)
{
    ads_point base = {1, 1, 0};
    ads_real d = 0;
    answer({"4,5", "90", "1,3"});
    ASSERT_EQ(zcedGetDist(base, "\nDistance: ", &d), RTNORM);
    EXPECT_DOUBLE_EQ(d, 5.0);
    ASSERT_EQ(zcedGetAngle(base, "\nAngle: ", &d), RTNORM);
    EXPECT_NEAR(d, M_PI / 2, 1e-12);
    ASSERT_EQ(zcedGetAngle(base, "\nAngle: ", &d), RTNORM);
    EXPECT_NEAR(d, M_PI / 2, 1e-12);
}

TEST_F(EdInput, StringsEndAtASpaceUnlessSpacesAreAllowed)
{
    char s[133];
    answer({"L 100x10", "L 100x10", "", std::string(200, 'a')});
    ASSERT_EQ(zcedGetString(0, "\nName: ", s), RTNORM);
    EXPECT_STREQ(s, "L");
    ASSERT_EQ(zcedGetString(1, "\nName: ", s), RTNORM);
    EXPECT_STREQ(s, "L 100x10");
    ASSERT_EQ(zcedGetString(1, "\nName: ", s), RTNORM);
    EXPECT_STREQ(s, "");
    EXPECT_EQ(zcedGetString(1, "\nName: ", s), RTINPUTTRUNCATED);
    EXPECT_EQ(std::strlen(s), 132u);
}

TEST_F(EdInput, CornersNeedABasePoint)
{
    ads_point c;
    answer({"3,4"});
    EXPECT_EQ(zcedGetCorner(nullptr, "\nCorner: ", c), RTERROR);
    ads_point base = {0, 0, 0};
    ASSERT_EQ(zcedGetCorner(base, "\nCorner: ", c), RTNORM);
    EXPECT_DOUBLE_EQ(c[Y], 4.0);
}

}  // namespace
