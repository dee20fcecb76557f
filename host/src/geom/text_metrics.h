// The text metric model: the one measure of single-line text used both for extents and for
// drawing it, so any placement rule that depends on a text's width gives the same answer
// everywhere.
//
// Each shown character advances a fixed share of the text height, times the width factor:
//   full-width characters (East Asian wide and fullwidth: CJK, kana, Hangul, fullwidth
//   forms, ideographic space)                                       1.0
//   every other character, the space included (ASCII, Latin, Greek, Cyrillic, half-width
//   katakana, symbols such as ° ± ⌀)                                 0.6
//   control characters                                               0
// The box of a text runs from 0.2 of the height below the baseline to the full height
// above it; the oblique angle is not part of the box.
//
// The platform's %% codes are resolved first: %%d °, %%p ±, %%c ⌀, %%% %, %%nnn the
// character with decimal code nnn; the %%o, %%u and %%k toggles show nothing.
#pragma once

#include "zrx/ge_point3d.h"

#include <array>
#include <string>
#include <string_view>

namespace zrx::geom {

inline constexpr double kFullWidthAdvance = 1.0;
inline constexpr double kHalfWidthAdvance = 0.6;
inline constexpr double kDescent = 0.2;

// Values as the TEXT entity stores them.
enum class TextHorzMode { Left = 0, Center = 1, Right = 2, Aligned = 3, Middle = 4, Fit = 5 };
enum class TextVertMode { Base = 0, Bottom = 1, Middle = 2, Top = 3 };

// The characters a text string shows: UTF-8 decoded (a stray byte shows as itself) and
// %% codes resolved.
ZRX_API std::u32string shownCharacters(std::string_view utf8);
// Advance of one character in text heights, before the width factor.
ZRX_API double characterAdvance(char32_t c);
ZRX_API double textWidth(std::string_view utf8, double height, double widthFactor);

struct TextPlacement {
    ZcGePoint3d position;        // start of the baseline for left-aligned text; first point for aligned and fit
    ZcGePoint3d alignmentPoint;  // the reference point of every other mode; second point for aligned and fit
    ZcGeVector3d normal{0, 0, 1};
    double height = 1.0;
    double rotation = 0.0;       // about the normal, from the plane's reference X axis
    double widthFactor = 1.0;
    TextHorzMode horizontal = TextHorzMode::Left;
    TextVertMode vertical = TextVertMode::Base;
};

// Where a text ends up once its alignment is applied. Aligned text scales its height and
// fit text its width factor so the baseline spans the two points; both run along them.
struct TextLayout {
    ZcGePoint3d origin;          // left end of the baseline
    ZcGeVector3d direction;      // unit, along the baseline
    ZcGeVector3d up;             // unit, towards the top of the characters
    double height = 0.0;
    double widthFactor = 1.0;
    double width = 0.0;
    // Bottom-left, bottom-right, top-right, top-left, reading the text upright.
    std::array<ZcGePoint3d, 4> corners;
};

ZRX_API TextLayout layoutText(std::string_view utf8, const TextPlacement& placement);

}  // namespace zrx::geom
