// Decoding, measuring and placing single-line text by the one metric model.
#include "geom/text_metrics.h"

#include <cctype>
#include <cmath>

namespace zrx::geom {

namespace {

// One UTF-8 sequence from s[i]; a malformed byte stands for itself.
char32_t decodeOne(std::string_view s, size_t& i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    int extra = 0;
    char32_t cp = b0;
    if (b0 >= 0xF0 && b0 < 0xF8) { extra = 3; cp = b0 & 0x07; }
    else if (b0 >= 0xE0) { extra = 2; cp = b0 & 0x0F; }
    else if (b0 >= 0xC0) { extra = 1; cp = b0 & 0x1F; }
    if (b0 >= 0xF8 || (b0 >= 0x80 && b0 < 0xC0) || i + static_cast<size_t>(extra) >= s.size()) {
        ++i;
        return b0;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + static_cast<size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += static_cast<size_t>(extra) + 1;
    return cp;
}

}  // namespace

std::u32string shownCharacters(std::string_view s)
{
    std::u32string out;
    size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, 2, "%%") == 0 && i + 2 < s.size()) {
            const char code = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i + 2])));
            if (code == 'd') { out += U'\u00B0'; i += 3; continue; }
            if (code == 'p') { out += U'\u00B1'; i += 3; continue; }
            if (code == 'c') { out += U'\u2300'; i += 3; continue; }
            if (code == '%') { out += U'%'; i += 3; continue; }
            if (code == 'o' || code == 'u' || code == 'k') { i += 3; continue; }
            if (i + 4 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 2])) &&
                std::isdigit(static_cast<unsigned char>(s[i + 3])) && std::isdigit(static_cast<unsigned char>(s[i + 4]))) {
                out += static_cast<char32_t>(std::stoi(std::string(s.substr(i + 2, 3))));
                i += 5;
                continue;
            }
        }
        out += decodeOne(s, i);
    }
    return out;
}

double characterAdvance(char32_t c)
{
    if (c < 0x20 || c == 0x7F) return 0.0;
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? kFullWidthAdvance : kHalfWidthAdvance;
}

double textWidth(std::string_view utf8, double height, double widthFactor)
{
    double advance = 0.0;
    for (char32_t c : shownCharacters(utf8)) advance += characterAdvance(c);
    return advance * height * widthFactor;
}

TextLayout layoutText(std::string_view utf8, const TextPlacement& p)
{
    TextLayout out;
    out.height = p.height;
    out.widthFactor = p.widthFactor;
    const ZcGeVector3d normal = p.normal.normal();
    const ZcGeVector3d xAxis = normal.perpVector();
    const ZcGeVector3d yAxis = normal.crossProduct(xAxis);
    double rotation = p.rotation;

    const double naturalWidth = textWidth(utf8, p.height, p.widthFactor);
    const bool spanned = p.horizontal == TextHorzMode::Aligned || p.horizontal == TextHorzMode::Fit;
    const ZcGeVector3d span = p.alignmentPoint - p.position;
    const double spanLength = (span - normal * span.dotProduct(normal)).length();
    if (spanned && spanLength > 0.0 && naturalWidth > 0.0) {
        rotation = std::atan2(span.dotProduct(yAxis), span.dotProduct(xAxis));
        if (p.horizontal == TextHorzMode::Aligned) out.height *= spanLength / naturalWidth;
        else out.widthFactor *= spanLength / naturalWidth;
    }
    out.width = textWidth(utf8, out.height, out.widthFactor);
    out.direction = xAxis * std::cos(rotation) + yAxis * std::sin(rotation);
    out.up = normal.crossProduct(out.direction);

    // Offsets from the reference point to the baseline's left end, in (along, up) units.
    double along = 0.0, lift = 0.0;
    switch (p.horizontal) {
    case TextHorzMode::Left: along = 0.0; break;
    case TextHorzMode::Center: along = -0.5 * out.width; break;
    case TextHorzMode::Right: along = -out.width; break;
    case TextHorzMode::Middle: along = -0.5 * out.width; break;
    case TextHorzMode::Aligned:
    case TextHorzMode::Fit: along = 0.0; break;
    }
    if (p.horizontal == TextHorzMode::Middle) {
        // The middle of the whole box, descent included, sits on the point.
        lift = -0.5 * (1.0 - kDescent) * out.height;
    } else if (!spanned) {
        switch (p.vertical) {
        case TextVertMode::Base: lift = 0.0; break;
        case TextVertMode::Bottom: lift = kDescent * out.height; break;
        case TextVertMode::Middle: lift = -0.5 * out.height; break;
        case TextVertMode::Top: lift = -out.height; break;
        }
    }
    const bool fromPosition = spanned || (p.horizontal == TextHorzMode::Left && p.vertical == TextVertMode::Base);
    const ZcGePoint3d reference = fromPosition ? p.position : p.alignmentPoint;
    out.origin = reference + out.direction * along + out.up * lift;

    const ZcGePoint3d bottomLeft = out.origin - out.up * (kDescent * out.height);
    const ZcGeVector3d across = out.direction * out.width;
    const ZcGeVector3d tall = out.up * ((1.0 + kDescent) * out.height);
    out.corners = {bottomLeft, bottomLeft + across, bottomLeft + across + tall, bottomLeft + tall};
    return out;
}

}  // namespace zrx::geom
