// Copying one file over another, byte for byte.
#include "settings/folder_utils.h"

#include <cstdio>

int TrevanComARX_CopyFiles(HWND /*hWnd*/, const char* source, const char* target)
{
    if (source == nullptr || target == nullptr) return 0;
    if (TrevanComARX_FindFolder(source, 0) != 1) return 0;
    FILE* in = fopen(source, "rb");
    if (in == nullptr) return 0;
    FILE* out = fopen(target, "wb");
    if (out == nullptr) {
        fclose(in);
        return 0;
    }
    for (int c = fgetc(in); c != EOF; c = fgetc(in)) fputc(c, out);
    fclose(in);
    fclose(out);
    return 1;
}
