// The start, end and name texts of stiffeners: where they go, the links both ways, the style
// and height they are made with, and the layers they touch left as they were.
#include <cmath>

#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kH = 50.0;
// Full-width characters advance one height, the rest 0.6: at height 50 these are 100, 80
// and 200 wide.
const char* const kStartType = "ＳＮ";
const char* const kEndType = "Ｃ2";
const char* const kName = "ロンジ１";

class StiffText : public LispCallTest {
protected:
    ZcDbObjectId stiffener(ZcGePoint3d a, ZcGePoint3d b, const char* start = kStartType, const char* end = kEndType)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine(a, b));
        CStiffData s;
        s.m_strFType = "LONG_FB";
        s.m_strName = kName;
        s.m_strEndTypeS = start;
        s.m_strEndTypeE = end;
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        return id;
    }
    ZcDbObjectId linked(ZcDbObjectId id, const char* link)
    {
        CString handle;
        if (TrevanComARX_GetXdataStr(id, link, handle) != 1) return ZcDbObjectId::kNull;
        return TrevanComARX_GetObjid(handle);
    }
    std::string textOf(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbText> t(id, ZcDb::kForRead);
        return t.openStatus() == Zcad::eOk ? std::string(t->textStringConst()) : "<none>";
    }
    void expectAt(const ZcGePoint3d& p, double x, double y) const
    {
        EXPECT_NEAR(p.x, x, 1e-9);
        EXPECT_NEAR(p.y, y, 1e-9);
    }
    void setLayer(ZcDbObjectId id, const char* layer)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        ASSERT_EQ(e->setLayer(layer), Zcad::eOk);
    }
    SampleInstall install;
};

TEST_F(StiffText, LeftToRightTextsSitAboveTheLineAndTheNameBelowItsMiddle)
{
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    ZcGePoint3d s, e, n;
    double rot = 1, nameRot = 1;
    ASSERT_TRUE(TrevanComARX_GetStiffTextPoint(id, "STANDARD", kH, s, e, rot));
    ASSERT_TRUE(TrevanComARX_GetStiffNameTextPoint(id, "STANDARD", kH, n, nameRot));
    expectAt(s, 12.5, 12.5);
    expectAt(e, 907.5, 12.5);
    expectAt(n, 400, -62.5);
    EXPECT_NEAR(rot, 0, 1e-12);
    EXPECT_NEAR(nameRot, 0, 1e-12);
}

TEST_F(StiffText, RightToLeftTextsAreTurnedToReadLeftToRightBelowTheLine)
{
    ZcDbObjectId id = stiffener({1000, 0, 0}, {0, 0, 0});
    ZcGePoint3d s, e, n;
    double rot = 1, nameRot = 1;
    ASSERT_TRUE(TrevanComARX_GetStiffTextPoint(id, "STANDARD", kH, s, e, rot));
    ASSERT_TRUE(TrevanComARX_GetStiffNameTextPoint(id, "STANDARD", kH, n, nameRot));
    expectAt(s, 887.5, -62.5);
    expectAt(e, 67.5, -62.5);
    expectAt(n, 400, 25);
    EXPECT_NEAR(rot, 0, 1e-12);
    EXPECT_NEAR(nameRot, 0, 1e-12);
}

TEST_F(StiffText, VerticalTextsReadUpwardWhicheverWayTheLineRuns)
{
    ZcGePoint3d s, e;
    double rot = 0;
    ASSERT_TRUE(TrevanComARX_GetStiffTextPoint(stiffener({0, 0, 0}, {0, 1000, 0}), "STANDARD", kH, s, e, rot));
    EXPECT_NEAR(rot, kPi / 2, 1e-12);
    expectAt(s, -12.5, 12.5);
    ASSERT_TRUE(TrevanComARX_GetStiffTextPoint(stiffener({0, 1000, 0}, {0, 0, 0}), "STANDARD", kH, s, e, rot));
    EXPECT_NEAR(rot, kPi / 2, 1e-12);
    expectAt(s, 62.5, 887.5);
}

TEST_F(StiffText, ALineJustPastUprightStillCountsAsUpright)
{
    auto rotationAt = [&](double angle) {
        ZcGePoint3d s, e;
        double rot = 0;
        ZcGePoint3d end(1000 * std::cos(angle), 1000 * std::sin(angle), 0);
        EXPECT_TRUE(TrevanComARX_GetStiffTextPoint(stiffener({0, 0, 0}, end), "STANDARD", kH, s, e, rot));
        return rot;
    };
    EXPECT_NEAR(rotationAt(kPi / 2 + 0.5e-5), kPi / 2 + 0.5e-5, 1e-9);
    EXPECT_NEAR(rotationAt(kPi / 2 + 2e-5), 2e-5 - kPi / 2, 1e-9);
}

TEST_F(StiffText, EndTextsAreMadeOnceAndLinkedBothWays)
{
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", kH, true));
    ZcDbObjectId start = linked(id, "STIFF_STEXT_HDNAME"), end = linked(id, "STIFF_ETEXT_HDNAME");
    EXPECT_EQ(textOf(start), kStartType);
    EXPECT_EQ(textOf(end), kEndType);
    EXPECT_EQ(linked(start, "STIFF_SupportDraw_TextS"), id);
    EXPECT_EQ(linked(end, "STIFF_SupportDraw_TextE"), id);
    EXPECT_EQ(TrevanComARX_GetEntityLayerName(start), "STIFFTEXT");

    // Reversed, the same texts move; an empty end type leaves its text as it was.
    {
        ZcDbObjectPointer<ZcDbLine> line(id, ZcDb::kForWrite);
        line->setStartPoint({1000, 0, 0});
        line->setEndPoint({0, 0, 0});
    }
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", 10.0, "", true, ZcGePoint3d(0, 0, 0)));
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", 10.0, true));
    EXPECT_EQ(linked(id, "STIFF_STEXT_HDNAME"), start);
    EXPECT_EQ(textOf(end), kEndType);
    ZcDbObjectPointer<ZcDbText> t(start, ZcDb::kForRead);
    expectAt(t->position(), 887.5, -62.5);  // measured at the text's own height, 50
}

TEST_F(StiffText, APickHalfwayGivesTheStartItsEndType)
{
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0}, "", "");
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", kH, "ＢＫ", true, ZcGePoint3d(500, 300, 0)));
    CStiffData s;
    ASSERT_TRUE(TrevanComARX_GetStiffdata(id, s));
    EXPECT_EQ(s.m_strEndTypeS, "ＢＫ");
    EXPECT_EQ(s.m_strEndTypeE, "");
    EXPECT_EQ(textOf(linked(id, "STIFF_STEXT_HDNAME")), "ＢＫ");
    EXPECT_TRUE(linked(id, "STIFF_ETEXT_HDNAME").isNull());
}

TEST_F(StiffText, AnEmptyNameDeletesTheNameText)
{
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    EXPECT_TRUE(TrevanComARX_MakeStiffNameText(id, "STANDARD", kH, "", true));
    ASSERT_TRUE(TrevanComARX_MakeStiffNameText(id, "STANDARD", kH, kName, true));
    ZcDbObjectId text = linked(id, "STIFF_NAMETEXT_HDNAME");
    EXPECT_EQ(textOf(text), kName);
    EXPECT_EQ(linked(text, "STIFF_SupportDraw_NameText"), id);
    EXPECT_TRUE(TrevanComARX_MakeStiffNameText(id, "STANDARD", kH, "", true));
    EXPECT_EQ(textOf(text), "<none>");
}

TEST_F(StiffText, StyleComesFromTheLinkedTextThenTheDefaultsThenTextsize)
{
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    CString style;
    double h = 0;
    const char* section = " TrevanDclARX_DclStiffTextType_TrevanDcl2002ArxFunc";
    // The sample installation's defaults first, then TEXTSIZE for sizes that are none.
    TrevanComARX_GetStiffEndTypeStyle(id, style, h);
    EXPECT_EQ(style, "STANDARD");
    EXPECT_EQ(h, 100);
    TrevanComARX_GetStiffNameStyle(id, style, h);
    EXPECT_EQ(h, 150);
    for (const char* size : {"0", "-2"}) {
        ASSERT_TRUE(TrevanComARX_SetCommandDefValue(section, "StiffEndTextSize", size));
        TrevanComARX_GetStiffEndTypeStyle(id, style, h);
        EXPECT_EQ(h, 2.5) << size;
    }
    ASSERT_TRUE(TrevanComARX_SetCommandDefValue(section, "StiffTextSize", "35"));
    ASSERT_TRUE(TrevanComARX_SetCommandDefValue(section, "StiffTextStyle", "kanji"));
    TrevanComARX_GetStiffNameStyle(id, style, h);
    EXPECT_EQ(style, "KANJI");
    EXPECT_EQ(h, 35);
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", 70.0, true));
    TrevanComARX_GetStiffEndTypeStyle(id, style, h);
    EXPECT_EQ(style, "Standard");
    EXPECT_EQ(h, 70);
}

TEST_F(StiffText, LayersAreLeftAsTheyWereWhetherTheTextsAreMadeOrNot)
{
    const CLayerStatus closed{true, true, false, true};
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    ZcDbObjectId flat = stiffener({0, 0, 0}, {0, 0, 0});
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", kH, true));
    TrevanComARX_MakeLayer("STIFF", 4, "CONTINUOUS", -3, "", db.get());
    setLayer(id, "STIFF");
    setLayer(flat, "STIFF");
    for (const char* layer : {"STIFF", "STIFFTEXT"}) ASSERT_TRUE(TrevanComARX_SetLayerStatus(layer, closed));

    EXPECT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", kH, "ＥＮＤ", true, ZcGePoint3d(900, 0, 0)));
    EXPECT_EQ(textOf(linked(id, "STIFF_ETEXT_HDNAME")), "ＥＮＤ");
    EXPECT_TRUE(TrevanComARX_MakeStiffNameText(id, "STANDARD", kH, kName, true));
    // A line without length has nowhere to put its text.
    EXPECT_FALSE(TrevanComARX_MakeStiffText(flat, "STANDARD", kH, "ＥＮＤ", true, ZcGePoint3d(900, 0, 0)));
    EXPECT_FALSE(TrevanComARX_MakeStiffNameText(flat, "STANDARD", kH, kName, true));
    for (const char* layer : {"STIFF", "STIFFTEXT"}) {
        CLayerStatus now;
        ASSERT_TRUE(TrevanComARX_GetLayerStatus(layer, now));
        EXPECT_EQ(now, closed) << layer;
    }
}

TEST_F(StiffText, RedrawMovesTheTextsAfterTheStiffenerIsReversed)
{
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    ASSERT_TRUE(TrevanComARX_MakeStiffText(id, "STANDARD", kH, true));
    ASSERT_TRUE(TrevanComARX_MakeStiffNameText(id, "STANDARD", kH, kName, true));
    {
        ZcDbObjectPointer<ZcDbLine> line(id, ZcDb::kForWrite);
        line->setStartPoint({1000, 0, 0});
        line->setEndPoint({0, 0, 0});
    }
    CStiffData s;
    ASSERT_TRUE(TrevanComARX_GetStiffdata(id, s));
    {
        ZcDbObjectPointer<ZcDbText> start(linked(id, "STIFF_STEXT_HDNAME"), ZcDb::kForRead);
        ASSERT_TRUE(TrevanComARX_RedrawStiffText(s, start.object(), true));
        expectAt(start->position(), 887.5, -62.5);
    }
    ASSERT_TRUE(TrevanComARX_StiffNameTextRedraw(id));
    ZcDbObjectPointer<ZcDbText> name(linked(id, "STIFF_NAMETEXT_HDNAME"), ZcDb::kForRead);
    expectAt(name->position(), 400, 25);
    EXPECT_EQ(std::string(name->textStringConst()), kName);
}

TEST_F(StiffText, ACopiedStiffenerGetsItsOwnEndTextsInTheSourcesStyle)
{
    define("copytext", TrevanComARX_copyStiffToEndText);
    ZcDbObjectId source = stiffener({0, 0, 0}, {1000, 0, 0});
    ASSERT_TRUE(TrevanComARX_MakeStiffText(source, "STANDARD", 70.0, true));
    ASSERT_TRUE(TrevanComARX_MakeStiffNameText(source, "STANDARD", kH, kName, true));
    ZcDbObjectId copy;
    {
        ZcDbObjectPointer<ZcDbLine> line(source, ZcDb::kForRead);
        auto* moved = static_cast<ZcDbLine*>(line->clone());
        moved->setStartPoint({0, 500, 0});
        moved->setEndPoint({1000, 500, 0});
        copy = addToModelSpace(moved);
    }
    EXPECT_EQ(trimmed(call("(copytext " + ename(copy) + ")")), "T");
    ZcDbObjectId start = linked(copy, "STIFF_STEXT_HDNAME");
    EXPECT_NE(start, linked(source, "STIFF_STEXT_HDNAME"));
    EXPECT_EQ(linked(start, "STIFF_SupportDraw_TextS"), copy);
    EXPECT_TRUE(linked(copy, "STIFF_NAMETEXT_HDNAME").isNull());
    CStiffData s;
    ASSERT_TRUE(TrevanComARX_GetStiffdata(copy, s));
    EXPECT_EQ(s.m_strName, "");
    ZcDbObjectPointer<ZcDbText> text(linked(copy, "STIFF_ETEXT_HDNAME"), ZcDb::kForRead);
    EXPECT_EQ(text->height(), 70.0);
    EXPECT_NEAR(text->position().y, 517.5, 1e-9);
}

TEST_F(StiffText, LispFormsMakeTextsAndReportStyles)
{
    define("stifftext", TrevanComARX_MakeStiffTextLispFunc);
    define("stiffname", TrevanComARX_MakeStiffNameTextLispFunc);
    define("endstyle", TrevanComARX_GetStiffEndTypeStyleLispFunc);
    define("maketext", TrevanComARX_MakeText);
    ZcDbObjectId id = stiffener({0, 0, 0}, {1000, 0, 0});
    EXPECT_EQ(trimmed(call("(stifftext " + ename(id) + " \"STANDARD\" 50)")), "引数エラー\nnil");
    EXPECT_EQ(trimmed(call("(stifftext " + ename(id) + " \"STANDARD\" 50.0 0)")), "T");
    EXPECT_TRUE(linked(id, "STIFF_STEXT_HDNAME").isNull());
    EXPECT_EQ(trimmed(call("(stifftext " + ename(id) + " \"STANDARD\" 50.0 1)")), "T");
    EXPECT_EQ(trimmed(call("(stiffname " + ename(id) + " \"STANDARD\" 50.0 1)")), "T");
    EXPECT_EQ(textOf(linked(id, "STIFF_NAMETEXT_HDNAME")), kName);
    EXPECT_EQ(trimmed(call("(endstyle " + ename(id) + ")")), "(\"Standard\" 50.0)");
    EXPECT_EQ(trimmed(call("(cdr (assoc 1 (entget (maketext \"x\" '(1.0 2.0 0.0) 5.0 0.0 \"FR.10\"))))")), "\"FR.10\"");
}

}  // namespace
