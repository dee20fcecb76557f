// Reading one string value from the registry.
#include "settings/registry_value.h"

#include <vector>

namespace {

// Key and value names are copied into buffers of this many bytes, terminating zero included.
constexpr int kNameBuffer = 1024;

// The registry editor shows a key's unnamed value under this label.
const char* const kDefaultValueLabel = "(標準)";

CString limited(LPCTSTR text)
{
    CString s = text != nullptr ? text : "";
    return s.GetLength() >= kNameBuffer ? s.Left(kNameBuffer - 1) : s;
}

}  // namespace

bool TrevanCom_GetReg(HKEY root, LPCTSTR subKey, LPCTSTR valueName, CString& value)
{
    const CString sub = limited(subKey);
    CString name = limited(valueName);
    if (name == kDefaultValueLabel) name.Empty();

    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyEx(root, sub, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &key, &disposition) !=
        ERROR_SUCCESS)
        return false;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        RegCloseKey(key);
        return false;
    }
    std::vector<BYTE> data(size + 1, 0);
    const LSTATUS read = RegQueryValueEx(key, name, nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return false;
    value = reinterpret_cast<const char*>(data.data());
    return true;
}
