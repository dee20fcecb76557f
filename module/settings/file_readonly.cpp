// Switching the read-only attribute of the product's own settings files. Only a file that
// carries nothing but the archive attribute is switched, so that hidden and system files and
// files a user has marked otherwise keep what they have.
#include "settings/folder_utils.h"

namespace {

constexpr BYTE kArchive = CFile::archive;
constexpr BYTE kArchiveReadOnly = CFile::archive | CFile::readOnly;

}  // namespace

int TrevanComARX_SetReadOnlyFile(const CString& path, int bReadOnly)
{
    char found[MAX_PATH * 2] = {};
    if (zcedFindFile(path, found, sizeof found) != RTNORM) return 0;
    try {
        CFileStatus status {};
        if (!CFile::GetStatus(found, status)) return 0;
        if (bReadOnly != 0 && status.m_attribute == kArchive) {
            status.m_attribute = kArchiveReadOnly;
        } else if (bReadOnly == 0 && status.m_attribute == kArchiveReadOnly) {
            status.m_attribute = kArchive;
        } else {
            return 1;
        }
        // Only the attribute changes: a zero time leaves the file's times alone.
        status.m_mtime = CTime();
        status.m_atime = CTime();
        CFile::SetStatus(found, status);
    } catch (CFileException* e) {
        e->Delete();
        return 0;
    }
    return 1;
}
