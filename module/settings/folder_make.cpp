// Making a folder together with the parents it is missing.
#include "settings/folder_utils.h"

int TrevanComARX_MakeFolder(const char* path)
{
    if (path == nullptr || *path == '\0') return 0;
    char found[MAX_PATH * 2] = {};
    if (zcedFindFile(path, found, sizeof found) == RTNORM) return 1;
    if (CreateDirectory(path, nullptr)) return 1;

    CString parent = path;
    if (parent.Right(1) == "\\") parent = parent.Left(parent.GetLength() - 1);
    const int cut = parent.ReverseFind('\\');
    parent = cut >= 0 ? parent.Left(cut) : CString();
    // A parent that cannot be made is usually a drive root or a path already there; the
    // folder itself was tried above, so there is nothing more to do.
    if (TrevanComARX_MakeFolder(parent) != 1) return 1;
    return CreateDirectory(path, nullptr) ? 1 : 0;
}
