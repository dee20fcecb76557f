// Windows file attributes kept the way Samba keeps them, so that a share served by Samba and
// this host agree on them.
#include "win/file_attributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "win/change_watch.h"
#include "zrx/win_files.h"

namespace zrxhost {
namespace {

const char* const kDosAttrib = "user.DOSATTRIB";
constexpr DWORD kStored = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool noXattrSupport(int err) { return err == ENOTSUP || err == EOPNOTSUPP; }

// Samba writes the attributes as a hexadecimal text ("0x20"), and its newer binary form
// still begins with that text; either way the leading text is what matters.
std::optional<DWORD> readDosAttrib(const std::string& file, bool& supported)
{
    char buf[256] = {};
    ssize_t n = ::getxattr(file.c_str(), kDosAttrib, buf, sizeof buf - 1);
    supported = true;
    if (n < 0) {
        if (noXattrSupport(errno)) supported = false;
        return std::nullopt;
    }
    if (n < 3 || buf[0] != '0' || (buf[1] != 'x' && buf[1] != 'X')) return std::nullopt;
    return static_cast<DWORD>(std::strtoul(buf + 2, nullptr, 16));
}

DWORD withNormal(DWORD a) { return (a & ~FILE_ATTRIBUTE_NORMAL) == 0 ? FILE_ATTRIBUTE_NORMAL : (a & ~FILE_ATTRIBUTE_NORMAL); }

}  // namespace

std::optional<DWORD> hostFileAttributes(const std::string& hostFile)
{
    struct stat st {};
    if (::stat(hostFile.c_str(), &st) != 0) return std::nullopt;
    const bool dir = S_ISDIR(st.st_mode);
    DWORD a = dir ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if ((st.st_mode & S_IWUSR) == 0) a |= FILE_ATTRIBUTE_READONLY;
    bool supported = true;
    if (auto stored = readDosAttrib(hostFile, supported)) {
        a |= *stored & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                       (dir ? FILE_ATTRIBUTE_READONLY : 0));
    } else if (!supported) {
        if (!dir && (st.st_mode & S_IXUSR) != 0) a |= FILE_ATTRIBUTE_ARCHIVE;
        if ((st.st_mode & S_IXGRP) != 0 && !dir) a |= FILE_ATTRIBUTE_SYSTEM;
        if ((st.st_mode & S_IXOTH) != 0 && !dir) a |= FILE_ATTRIBUTE_HIDDEN;
    } else if (!dir) {
        // A file nobody has marked yet is one changed since the last backup, as Windows
        // marks every file it creates or writes.
        a |= FILE_ATTRIBUTE_ARCHIVE;
    }
    return withNormal(a);
}

bool setHostFileAttributes(const std::string& hostFile, DWORD attributes)
{
    struct stat st {};
    if (::stat(hostFile.c_str(), &st) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    const bool dir = S_ISDIR(st.st_mode);
    DWORD keep = attributes & kStored;
    mode_t mode = st.st_mode & 07777;
    if (!dir) {
        if ((keep & FILE_ATTRIBUTE_READONLY) != 0) {
            mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
        } else if ((mode & S_IWUSR) == 0) {
            mode |= S_IWUSR;
        }
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(keep | (dir ? FILE_ATTRIBUTE_DIRECTORY : 0)));
    zrxhost::watch::noteHostWrite();
    // Samba stores the text with its terminating zero.
    if (::setxattr(hostFile.c_str(), kDosAttrib, text, std::strlen(text) + 1, 0) != 0) {
        if (!noXattrSupport(errno)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        if (!dir) {
            auto bit = [&](DWORD attr, mode_t m) { mode = (keep & attr) != 0 ? (mode | m) : (mode & ~m); };
            bit(FILE_ATTRIBUTE_ARCHIVE, S_IXUSR);
            bit(FILE_ATTRIBUTE_SYSTEM, S_IXGRP);
            bit(FILE_ATTRIBUTE_HIDDEN, S_IXOTH);
        }
    }
    if (mode != (st.st_mode & 07777) && ::chmod(hostFile.c_str(), mode) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return true;
}

bool isHostFileReadOnly(const std::string& hostFile)
{
    auto a = hostFileAttributes(hostFile);
    return a && (*a & FILE_ATTRIBUTE_READONLY) != 0 && (*a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace zrxhost
