// Reading and writing one ini value, the way every settings file of the product is kept.
#include "settings/ini_file.h"

#include <cstring>

#include "settings/folder_utils.h"

namespace {

constexpr DWORD kValueBuffer = 256;

}  // namespace

bool TrevanComARX_GetIniData(CString path, LPCTSTR section, LPCTSTR key, CString& value)
{
    char buffer[kValueBuffer] = {};
    GetPrivateProfileString(section, key, TREVAN_INI_NOT_FOUND, buffer, kValueBuffer, path);
    value = buffer;
    return value.CompareNoCase(TREVAN_INI_NOT_FOUND) != 0;
}

bool TrevanComARX_SetIniData(LPCTSTR path, LPCTSTR section, LPCTSTR key, LPCTSTR value)
{
    // A line break would end the line early and start keys and sections of its own.
    for (LPCTSTR text : {section, key, value}) {
        if (text != nullptr && std::strpbrk(text, "\r\n") != nullptr) return false;
    }
    // Settings files copied from an installation disc arrive read-only; a write makes the
    // file writable again first.
    TrevanComARX_SetReadOnlyFile(path, 0);
    CString upper = value;
    upper.MakeUpper();
    if (WritePrivateProfileString(section, key, upper, path) == 1) return true;
    CString message;
    message.Format("%sが他のアプリケーションで使用中のため書き込めませんでした.", path != nullptr ? path : "");
    AfxMessageBox(message, MB_ICONSTOP | MB_OK);
    return false;
}
