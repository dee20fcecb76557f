// The ACI palette: nine named colours, hues in steps of 15° at five shades with a pale
// variant each, and six greys; 7 shows black on white paper.
#include <cmath>
#include <cstdio>

#include "zrxhost/render.h"

namespace zrxhost {

std::string aciToRgb(int index)
{
    static const int named[10][3] = {{0, 0, 0},     {255, 0, 0},   {255, 255, 0}, {0, 255, 0},     {0, 255, 255},
                                     {0, 0, 255},   {255, 0, 255}, {0, 0, 0},     {128, 128, 128}, {192, 192, 192}};
    static const int greys[6] = {51, 91, 132, 173, 214, 255};
    int r = 0, g = 0, b = 0;
    if (index >= 1 && index <= 9) {
        r = named[index][0];
        g = named[index][1];
        b = named[index][2];
    } else if (index >= 250 && index <= 255) {
        r = g = b = greys[index - 250];
    } else if (index >= 10 && index <= 249) {
        static const double shades[5] = {255, 165, 127, 76, 38};
        double hue = (index / 10 - 1) * 15.0;
        double value = shades[(index % 10) / 2];
        double low = (index % 2) ? value / 2 : 0.0;  // odd indices are the pale ones
        double rgb[3];
        for (int k = 0; k < 3; ++k) {
            // Distance of the hue from each primary's sector, as HSV does it.
            double h = std::fmod(hue + 120.0 * (k == 0 ? 0 : (k == 1 ? 2 : 1)), 360.0);
            double f = h < 60 ? 1.0 : h < 120 ? (120 - h) / 60 : h < 240 ? 0.0 : h < 300 ? (h - 240) / 60 : 1.0;
            rgb[k] = low + (value - low) * f;
        }
        r = static_cast<int>(rgb[0]);
        g = static_cast<int>(rgb[1]);
        b = static_cast<int>(rgb[2]);
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", r, g, b);
    return buf;
}

}  // namespace zrxhost
