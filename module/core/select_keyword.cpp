#include "core/select_keyword.h"

int TrevanComARX_SelectKeyword(const CStringArray& keywords, const char* prompt, const char* defaultKeyword,
                               CString& chosen)
{
    if (keywords.IsEmpty()) return RTCAN;
    CString strList;
    for (INT_PTR i = 0; i < keywords.GetSize(); ++i) {
        if (i > 0) strList += ' ';
        strList += keywords[i];
    }
    CString strDefault = defaultKeyword != nullptr ? defaultKeyword : "";
    CString strPrompt = prompt != nullptr ? prompt : "";
    if (!strDefault.IsEmpty()) {
        strPrompt += "<";
        strPrompt += strDefault;
        strPrompt += ">:";
    } else {
        strPrompt += ":";
    }
    // Other answers come back too, so that they end the question instead of repeating it.
    zcedInitGet(RSG_OTHER, strList);
    char answer[512] = "";
    int rc = zcedGetKword(strPrompt, answer, sizeof answer);
    if (rc == RTNONE) {
        if (strDefault.IsEmpty()) return RTNONE;
        chosen = strDefault;
        return RTNORM;
    }
    if (rc != RTNORM) return RTCAN;
    for (INT_PTR i = 0; i < keywords.GetSize(); ++i) {
        if (keywords[i].CompareNoCase(answer) != 0) continue;
        chosen = keywords[i];
        return RTNORM;
    }
    return RTCAN;
}
