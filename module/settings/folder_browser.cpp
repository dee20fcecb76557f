// The shell's folder browser, opened on a folder of the caller's choice.
#include "settings/folder_utils.h"

#include <string>

namespace {

// Selects the initial folder once the browser is up; the path lives in the caller's frame.
int CALLBACK selectInitialFolder(HWND browser, UINT message, LPARAM /*param*/, LPARAM data)
{
    const char* initial = reinterpret_cast<const char*>(data);
    if (message == BFFM_INITIALIZED && initial != nullptr && *initial != '\0')
        SendMessage(browser, BFFM_SETSELECTION, TRUE, data);
    return 0;
}

}  // namespace

int TrevanComARX_SelectFolderDialog(HWND hWnd, const char* title, const char* initialFolder, CString& folder)
{
    std::string initial = initialFolder != nullptr ? initialFolder : "";
    LPMALLOC allocator = nullptr;
    // Without the shell's allocator nothing can be shown; the caller goes on as if confirmed
    // with the folder it had.
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return 1;

    char displayName[MAX_PATH] = {};
    BROWSEINFO info {};
    info.hwndOwner = hWnd;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = selectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(initial.c_str());

    LPITEMIDLIST item = SHBrowseForFolder(&info);
    if (item == nullptr) {
        allocator->Release();
        return 0;
    }
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDList(item, path)) folder = path;
    allocator->Free(item);
    allocator->Release();
    return 1;
}
