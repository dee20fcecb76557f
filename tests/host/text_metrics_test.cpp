// The text metric model: character advances, %% codes, and the box of placed text.
#include "geom_expect.h"

#include "geom/text_metrics.h"

#include <cmath>
#include <numbers>

using namespace zrx::geom;

namespace {

constexpr double kPi = std::numbers::pi;

TEST(TextWidth, HalfAndFullWidthCharactersAdvanceDifferently)
{
    EXPECT_DOUBLE_EQ(textWidth("ABC", 2.0, 1.0), 3.6);
    EXPECT_DOUBLE_EQ(textWidth("日本", 2.0, 1.0), 4.0);
    EXPECT_DOUBLE_EQ(textWidth("ｱｲ", 1.0, 1.0), 1.2);            // half-width katakana
    EXPECT_DOUBLE_EQ(textWidth("Ａ", 1.0, 1.0), 1.0);             // fullwidth Latin
    EXPECT_DOUBLE_EQ(textWidth("A 日", 1.0, 0.5), 1.1);
    EXPECT_DOUBLE_EQ(textWidth("é", 1.0, 1.0), 0.6);
    EXPECT_DOUBLE_EQ(textWidth("", 3.0, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(textWidth("\xff", 1.0, 1.0), 0.6);           // a stray byte still shows
}

TEST(TextWidth, PercentCodesAreResolvedFirst)
{
    EXPECT_EQ(shownCharacters("%%c50"), U"\u230050");
    EXPECT_EQ(shownCharacters("90%%D"), U"90\u00B0");
    EXPECT_EQ(shownCharacters("%%uAB%%u"), U"AB");
    EXPECT_EQ(shownCharacters("%%%"), U"%");
    EXPECT_EQ(shownCharacters("%%177"), U"\u00B1");
    EXPECT_EQ(shownCharacters("5%"), U"5%");
    EXPECT_DOUBLE_EQ(textWidth("%%c50", 1.0, 1.0), 1.8);
}

TextPlacement placed(TextHorzMode h, TextVertMode v, const ZcGePoint3d& at, double rotation = 0.0)
{
    TextPlacement p;
    p.position = at;
    p.alignmentPoint = at;
    p.height = 1.0;
    p.rotation = rotation;
    p.horizontal = h;
    p.vertical = v;
    return p;
}

TEST(TextBox, RotatedLeftTextTurnsAboutItsPosition)
{
    const TextLayout t = layoutText("AB", placed(TextHorzMode::Left, TextVertMode::Base, {10, 5, 0}, kPi / 2));
    EXPECT_TRUE(near(t.corners[0], ZcGePoint3d(10.2, 5, 0)));
    EXPECT_TRUE(near(t.corners[1], ZcGePoint3d(10.2, 6.2, 0)));
    EXPECT_TRUE(near(t.corners[2], ZcGePoint3d(9.0, 6.2, 0)));
    EXPECT_TRUE(near(t.corners[3], ZcGePoint3d(9.0, 5, 0)));
}

TEST(TextBox, AlignmentModesPutTheirReferenceOnTheAlignmentPoint)
{
    const ZcGePoint3d at(3, 4, 0);
    const TextLayout topRight = layoutText("AB", placed(TextHorzMode::Right, TextVertMode::Top, at, 0.3));
    // Top of the characters, not of the box's descent: the top-right corner.
    EXPECT_TRUE(near(topRight.corners[2], at));

    const TextLayout bottomCenter = layoutText("ABC", placed(TextHorzMode::Center, TextVertMode::Bottom, at, kPi / 6));
    EXPECT_TRUE(near(bottomCenter.corners[0] + (bottomCenter.corners[1] - bottomCenter.corners[0]) * 0.5, at));

    const TextLayout middle = layoutText("日本語", placed(TextHorzMode::Middle, TextVertMode::Base, at, 1.0));
    ZcGeVector3d sum;
    for (const ZcGePoint3d& c : middle.corners) sum += c - at;
    EXPECT_TRUE(near(sum, ZcGeVector3d(0, 0, 0)));

    const TextLayout base = layoutText("AB", placed(TextHorzMode::Center, TextVertMode::Base, at));
    EXPECT_TRUE(near(base.origin, ZcGePoint3d(2.4, 4, 0)));
    EXPECT_DOUBLE_EQ(base.corners[0].y, 3.8);  // descent below the baseline
}

TEST(TextBox, FitAndAlignedSpanTheirTwoPoints)
{
    TextPlacement p = placed(TextHorzMode::Fit, TextVertMode::Top, {1, 1, 0});
    p.alignmentPoint = {1, 11, 0};
    const TextLayout fit = layoutText("ABCD", p);
    EXPECT_TRUE(near(fit.origin, ZcGePoint3d(1, 1, 0)));  // vertical mode does not apply
    EXPECT_TRUE(near(fit.corners[1] - fit.corners[0], ZcGeVector3d(0, 10, 0)));
    EXPECT_DOUBLE_EQ(fit.height, 1.0);
    EXPECT_NEAR(fit.widthFactor, 10.0 / 2.4, 1e-12);

    p.horizontal = TextHorzMode::Aligned;
    const TextLayout aligned = layoutText("ABCD", p);
    EXPECT_NEAR(aligned.height, 10.0 / 2.4, 1e-12);
    EXPECT_DOUBLE_EQ(aligned.widthFactor, 1.0);
    EXPECT_NEAR(aligned.width, 10.0, 1e-12);
}

TEST(TextBox, TextInATiltedPlaneLiesInThatPlane)
{
    TextPlacement p = placed(TextHorzMode::Left, TextVertMode::Base, {0, 0, 0}, 0.4);
    p.normal = {1, 0, 0};
    const TextLayout t = layoutText("ABC", p);
    for (const ZcGePoint3d& c : t.corners) EXPECT_NEAR(c.x, 0.0, 1e-12);
    // Angle 0 runs along the plane's X axis, world Y for this normal.
    EXPECT_NEAR(ZcGeVector3d(0, 1, 0).angleTo(t.direction, ZcGeVector3d(1, 0, 0)), 0.4, 1e-12);
}

}  // namespace
