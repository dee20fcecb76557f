// Where a save really writes: the file a symbolic link leads to (the link stays a link),
// refused when that file is read-only, as the platform refuses to overwrite one.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace zrx::dxf {

struct SaveTarget {
    std::string path;             // the file to replace, links followed
    std::optional<mode_t> mode;   // its permission bits, when it exists already
};

// Throws DxfError naming the path given when the target cannot be replaced.
SaveTarget saveTarget(const std::string& path);

}  // namespace zrx::dxf
