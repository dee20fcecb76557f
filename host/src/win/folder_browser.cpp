// The shell's folder browser, answered from the input.
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "win/window.h"
#include "win/windows_path.h"
#include "zrx/win_shell.h"
#include "zrxhost/command_line.h"

// An item is the chosen folder's Windows path, allocated with the shell's allocator.
struct ITEMIDLIST {
    char path[1];
};

namespace {

// The browser's window: the callback selects a folder in it with BFFM_SETSELECTION.
class BrowserWindow : public HWND__ {
public:
    BrowserWindow() : HWND__("SHBrowseForFolder", 0, 0, "") {}
    LRESULT classProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == BFFM_SETSELECTIONA) {
            // With wParam TRUE the selection is a path; an item otherwise.
            const char* p = w != 0 ? reinterpret_cast<const char*>(l) : reinterpret_cast<const ITEMIDLIST*>(l)->path;
            if (p != nullptr && *p != '\0') selection = p;
            return 0;
        }
        if (message == BFFM_SETSTATUSTEXTA || message == BFFM_ENABLEOK) return 0;
        return HWND__::classProc(message, w, l);
    }
    std::string selection;
};

// The shell's task allocator: the C library's heap.
class TaskAllocator : public IMalloc {
public:
    virtual ~TaskAllocator() = default;
    HRESULT QueryInterface(const void*, void** object) override
    {
        if (object != nullptr) *object = this;
        return S_OK;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    void* Alloc(size_t size) override { return std::malloc(size); }
    void* Realloc(void* block, size_t size) override { return std::realloc(block, size); }
    void Free(void* block) override { std::free(block); }
    size_t GetSize(void*) override { return static_cast<size_t>(-1); }
    int DidAlloc(void*) override { return -1; }
    void HeapMinimize() override {}
};

bool isFolder(const std::string& windowsPath, std::string& full)
{
    auto r = zrxhost::resolveWindowsPath(windowsPath);
    struct stat st {};
    if (!r || ::stat(r->host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    full = r->windows;
    return true;
}

}  // namespace

LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info)
{
    if (info == nullptr) return nullptr;
    BrowserWindow browser;
    if (info->lpfn != nullptr) info->lpfn(&browser, BFFM_INITIALIZED, 0, info->lParam);
    const std::string prompt = std::string("[FolderBrowser] ") + (info->lpszTitle != nullptr ? info->lpszTitle : "") + ": ";
    std::string chosen;
    for (;;) {
        std::optional<std::string> line = zrxhost::ask(prompt);
        if (!line || *line == "*cancel*") return nullptr;
        std::string candidate = line->empty() ? browser.selection : *line;
        if (!candidate.empty() && isFolder(candidate, chosen)) break;
        zrxhost::writeCommandLine("[FolderBrowser] not a folder: " + candidate + "\n");
    }
    if (info->lpfn != nullptr) {
        // The callback is told of the choice as the browser tells of a selection change.
        LPITEMIDLIST preview = static_cast<LPITEMIDLIST>(CoTaskMemAlloc(chosen.size() + 1));
        std::memcpy(preview->path, chosen.c_str(), chosen.size() + 1);
        info->lpfn(&browser, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(preview), info->lParam);
        CoTaskMemFree(preview);
    }
    if (info->pszDisplayName != nullptr) {
        size_t sep = chosen.find_last_of('\\');
        std::string name = sep == std::string::npos || sep + 1 == chosen.size() ? chosen : chosen.substr(sep + 1);
        std::strncpy(info->pszDisplayName, name.c_str(), MAX_PATH - 1);
        info->pszDisplayName[MAX_PATH - 1] = '\0';
    }
    auto item = static_cast<LPITEMIDLIST>(CoTaskMemAlloc(chosen.size() + 1));
    std::memcpy(item->path, chosen.c_str(), chosen.size() + 1);
    return item;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST item, LPSTR path)
{
    if (item == nullptr || path == nullptr) return FALSE;
    std::strncpy(path, item->path, MAX_PATH - 1);
    path[MAX_PATH - 1] = '\0';
    return TRUE;
}

HRESULT SHGetMalloc(LPMALLOC* allocator)
{
    static TaskAllocator shared;
    if (allocator == nullptr) return E_INVALIDARG;
    *allocator = &shared;
    return S_OK;
}

LPVOID CoTaskMemAlloc(size_t size) { return std::malloc(size); }

void CoTaskMemFree(LPVOID block) { std::free(block); }

void ILFree(LPITEMIDLIST item) { std::free(item); }
