// Links are followed one at a time so that a dangling link still names the file to make.
#include "dxf/save_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "dxf/dxf_error.h"

namespace zrx::dxf {

SaveTarget saveTarget(const std::string& path)
{
    namespace fs = std::filesystem;
    SaveTarget target{path, std::nullopt};
    constexpr int kMaxLinks = 40;  // as the kernel's own limit (ELOOP)
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (lstat(target.path.c_str(), &st) != 0) {
            if (errno == ENOENT) return target;
            throw DxfError(Zcad::eFileAccessErr, path, 0, std::string("cannot write: ") + std::strerror(errno));
        }
        if (S_ISLNK(st.st_mode)) {
            if (hops == kMaxLinks) throw DxfError(Zcad::eFileAccessErr, path, 0, "cannot write: too many symbolic links");
            std::error_code ec;
            fs::path next = fs::read_symlink(target.path, ec);
            if (ec) throw DxfError(Zcad::eFileAccessErr, path, 0, "cannot write: " + ec.message());
            target.path = (next.is_absolute() ? next : fs::path(target.path).parent_path() / next).string();
            continue;
        }
        if (!S_ISREG(st.st_mode)) throw DxfError(Zcad::eFileAccessErr, path, 0, "cannot write: not a regular file");
        // Read-only is the missing write permission, as the Windows attribute reads it;
        // the owner's bit counts even for a user the system lets write anyway.
        if ((st.st_mode & S_IWUSR) == 0 || access(target.path.c_str(), W_OK) != 0) {
            throw DxfError(Zcad::eFileAccessErr, path, 0, "cannot write: the drawing file is read-only");
        }
        target.mode = st.st_mode & 07777;
        return target;
    }
}

}  // namespace zrx::dxf
