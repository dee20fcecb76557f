#include "ui/number_check.h"

#include <algorithm>

namespace {

// Bytes of the character starting with this byte; a stray continuation byte counts alone.
int characterLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

int TrevanCom_FirstInvalidFigure(const CString& text, int figure, int minus, int& length)
{
    bool point = false;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        bool valid = false;
        if (c >= '0' && c <= '9') {
            // "05" may still become a number, "00" never will.
            valid = !(i == 1 && c == '0' && text[0] == '0');
        } else if (c == '.') {
            valid = figure != 0 && !point;
            point = true;
        } else if (c == '-') {
            valid = i == 0 && minus != 0;
        }
        if (!valid) {
            length = std::min(characterLength(static_cast<unsigned char>(c)), text.GetLength() - i);
            return i;
        }
    }
    length = 0;
    return -1;
}
