#include "core/string_find.h"

int TrevanComARX_CStringFind(const CStringArray& strArray, const char* text)
{
    if (text == nullptr) return -1;
    for (INT_PTR i = 0; i < strArray.GetSize(); ++i) {
        if (strArray[i].CompareNoCase(text) == 0) return static_cast<int>(i);
    }
    return -1;
}
