// The shell's folder browser. Headless, it asks on the command line
// ("[FolderBrowser] title: ") and takes a Windows folder path from the input; an empty line
// accepts the folder the browser has selected (the owner's callback may select one when
// initialised), "*cancel*" or the end of the input cancels. A path that is no folder is
// refused and asked again.
#pragma once

#include <cstddef>

#include "win_types.h"

struct ITEMIDLIST;
typedef ITEMIDLIST* LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;
typedef LPITEMIDLIST PIDLIST_ABSOLUTE;
typedef LPCITEMIDLIST PCIDLIST_ABSOLUTE;

typedef int (*BFFCALLBACK)(HWND browser, UINT message, LPARAM param, LPARAM data);

struct BROWSEINFOA {
    HWND hwndOwner;
    LPCITEMIDLIST pidlRoot;
    LPSTR pszDisplayName;  // receives the chosen folder's name, MAX_PATH bytes
    LPCSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};
typedef BROWSEINFOA* LPBROWSEINFOA;
typedef BROWSEINFOA BROWSEINFO;
typedef LPBROWSEINFOA LPBROWSEINFO;

#define BIF_RETURNONLYFSDIRS 0x00000001
#define BIF_DONTGOBELOWDOMAIN 0x00000002
#define BIF_STATUSTEXT 0x00000004
#define BIF_EDITBOX 0x00000010
#define BIF_VALIDATE 0x00000020
#define BIF_NEWDIALOGSTYLE 0x00000040
#define BIF_USENEWUI (BIF_NEWDIALOGSTYLE | BIF_EDITBOX)

// Messages of the browser: to the callback, and sent by it to the browser window.
#define BFFM_INITIALIZED 1
#define BFFM_SELCHANGED 2
#define BFFM_SETSTATUSTEXTA (0x0400 + 100)
#define BFFM_ENABLEOK (0x0400 + 101)
#define BFFM_SETSELECTIONA (0x0400 + 102)
#define BFFM_SETSTATUSTEXT BFFM_SETSTATUSTEXTA
#define BFFM_SETSELECTION BFFM_SETSELECTIONA

#define S_OK (static_cast<HRESULT>(0L))
#define S_FALSE (static_cast<HRESULT>(1L))
#define E_FAIL (static_cast<HRESULT>(0x80004005L))
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

// The shell's task allocator, a COM interface.
class IMalloc {
public:
    virtual HRESULT QueryInterface(const void* iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual void* Alloc(size_t size) = 0;
    virtual void* Realloc(void* block, size_t size) = 0;
    virtual void Free(void* block) = 0;
    virtual size_t GetSize(void* block) = 0;
    virtual int DidAlloc(void* block) = 0;
    virtual void HeapMinimize() = 0;

protected:
    ~IMalloc() = default;
};
typedef IMalloc* LPMALLOC;

ZRX_API LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info);
ZRX_API BOOL SHGetPathFromIDListA(LPCITEMIDLIST item, LPSTR path);
ZRX_API HRESULT SHGetMalloc(LPMALLOC* allocator);
ZRX_API LPVOID CoTaskMemAlloc(size_t size);
ZRX_API void CoTaskMemFree(LPVOID block);
ZRX_API void ILFree(LPITEMIDLIST item);

#define SHBrowseForFolder SHBrowseForFolderA
#define SHGetPathFromIDList SHGetPathFromIDListA
