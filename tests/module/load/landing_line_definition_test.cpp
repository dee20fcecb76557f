// TRV_DEFLONGLINE as a user runs it: curves named as landing lines, names unique without
// regard to case, the last name offered as the default from TREVANDEF.INI in %TEMP%.
#include <cstdlib>

#include "longitudinal_fixture.h"
#include "zrxhost/windows_environment.h"

namespace {

class LandingLineDefinition : public LongitudinalTest {
protected:
    std::string defaults() { return install.bytesOf("TEMP/TREVANDEF.INI"); }
};

TEST_F(LandingLineDefinition, NamesCurvesOneAfterTheOtherAndRefusesANameTakenInAnyCase)
{
    ZcDbObjectId a = line(0, 0, 1000, 0);
    ZcDbObjectId b = line(0, 500, 1000, 500);
    std::string out = play("TRV_DEFLONGLINE", {pick(a), "L1", pick(b), "l1", "", "L2", ""});
    EXPECT_EQ(nameOf(a), "L1");
    EXPECT_EQ(nameOf(b), "L2");
    EXPECT_NE(out.find("\n[l1]は既に登録されています"), std::string::npos) << out;
    // The refused name becomes the default, so Enter repeats it and is refused again.
    EXPECT_NE(out.find("外板ロンジランディング線名を入力<l1>:\n[l1]は既に登録されています"), std::string::npos) << out;
    EXPECT_NE(defaults().find("RUNDINGNAME=L2"), std::string::npos) << defaults();

    // The next run offers the last name and finds the names already in the drawing.
    ZcDbObjectId c = line(0, 900, 1000, 900);
    out = play("TRV_DEFLONGLINE", {pick(c), "", "l2", "S3", ""});
    EXPECT_NE(out.find("外板ロンジランディング線名を入力<L2>:"), std::string::npos) << out;
    EXPECT_NE(out.find("\n[L2]は既に登録されています"), std::string::npos) << out;
    EXPECT_EQ(nameOf(c), "S3");
}

TEST_F(LandingLineDefinition, OnlyLinesArcsSplinesAndLightPolylinesAreTaken)
{
    ZcDbObjectId circle = add(new ZcDbCircle(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, 100));
    ZcDbObjectId text = add(new ZcDbText(ZcGePoint3d(500, 500, 0), "FR.10", ZcDbObjectId::kNull, 100, 0));
    ZcDbObjectId arc = add(new ZcDbArc(ZcGePoint3d(3000, 0, 0), 1000, 0, 1.5));
    ZcGePoint3dArray fit;
    for (double x : {0.0, 1000.0, 2000.0, 3000.0}) fit.append(ZcGePoint3d(x, 5000 + x * x / 4000, 0));
    ZcDbObjectId spline = add(new ZcDbSpline(fit, 4, 0.0));
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, ZcGePoint2d(0, -3000));
    pl->addVertexAt(1, ZcGePoint2d(2000, -3000));
    ZcDbObjectId poly = add(pl);
    // A miss, a text and a circle, then each accepted kind in turn.
    std::string out = play("TRV_DEFLONGLINE", {"9000,9000", pick(text), pick(circle), pick(arc), "BILGE", pick(spline),
                                               "DECK", pick(poly), "KEEL", pick(arc), "BILGE2", ""});
    const std::string refusal = "\nランディング線はLINE、ARC、SPLINE、LWPOLYLINEの中から選択してください！";
    size_t refusals = 0;
    for (size_t at = out.find(refusal); at != std::string::npos; at = out.find(refusal, at + 1)) ++refusals;
    EXPECT_EQ(refusals, 1u) << out;
    EXPECT_EQ(nameOf(circle), "-");
    EXPECT_EQ(nameOf(text), "-");
    // The same curve picked again takes its new name.
    EXPECT_EQ(nameOf(arc), "BILGE2");
    EXPECT_EQ(nameOf(spline), "DECK");
    EXPECT_EQ(nameOf(poly), "KEEL");
}

TEST_F(LandingLineDefinition, WithoutADefaultAnEmptyNameAsksAgain)
{
    ZcDbObjectId a = line(0, 0, 1000, 0);
    std::string out = play("TRV_DEFLONGLINE", {pick(a), "", "", "A1", ""});
    size_t asked = 0;
    for (size_t at = out.find("入力<>:"); at != std::string::npos; at = out.find("入力<>:", at + 1)) ++asked;
    EXPECT_EQ(asked, 3u) << out;
    EXPECT_EQ(nameOf(a), "A1");
}

TEST_F(LandingLineDefinition, EscAtTheNameWritesNothingAndKeepsTheNamesBefore)
{
    ZcDbObjectId a = line(0, 0, 1000, 0);
    ZcDbObjectId b = line(0, 500, 1000, 500);
    play("TRV_DEFLONGLINE", {pick(a), "P1", pick(b), "*cancel*"});
    EXPECT_EQ(nameOf(a), "P1");
    EXPECT_EQ(nameOf(b), "-");
    EXPECT_TRUE(zrxhost::checkFailures().empty());
}

TEST_F(LandingLineDefinition, WithoutTempTheDefaultLivesAtTheRootOfTheDrive)
{
    ZcDbObjectId a = line(0, 0, 1000, 0);
    struct TempBack {
        ~TempBack() { zrxhost::ensureWindowsEnvironment(); }
    } back;
    unsetenv("TEMP");
    play("TRV_DEFLONGLINE", {pick(a), "R1", ""});
    EXPECT_NE(install.bytesOf("TREVANDEF.INI").find("RUNDINGNAME=R1"), std::string::npos);
    EXPECT_EQ(defaults(), "");
    EXPECT_EQ(nameOf(a), "R1");
}

TEST_F(LandingLineDefinition, ADefaultFileThatCannotBeWrittenStillNamesTheCurve)
{
    std::filesystem::remove_all(install.at("TEMP"));
    ZcDbObjectId a = line(0, 0, 1000, 0);
    std::string out = play("TRV_DEFLONGLINE", {pick(a), "Q1", ""});
    EXPECT_NE(out.find("[MessageBox]"), std::string::npos) << out;
    EXPECT_EQ(nameOf(a), "Q1");
}

}  // namespace
