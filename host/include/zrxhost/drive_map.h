// Where the module's Windows drives are on this machine. The program maps C: to the
// installation's drive folder; tests map drives to folders they make themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zrx/zrx_export.h"

namespace zrxhost {

// Maps a drive letter (either case) to a host folder; an empty folder removes the drive.
ZRX_API void setDrive(char letter, const std::string& folder);
ZRX_API void clearDrives();
ZRX_API std::optional<std::string> driveFolder(char letter);

// The host file a Windows path names: drive mapped, "\" turned into "/", a path without a
// drive taken on the current drive (relative ones from the current folder), and every
// component that exists matched without regard to case. Nothing when the drive is not
// mapped or the path is not one Windows accepts.
ZRX_API std::optional<std::string> hostPath(std::string_view windowsPath);

// The Windows form of a host path that lies under a mapped drive.
ZRX_API std::optional<std::string> windowsPath(std::string_view hostPath);

}  // namespace zrxhost
