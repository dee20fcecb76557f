// The host keeps what it read from files (resolved Windows paths, profile files) for as long
// as the kernel reports no change to them, and offers change notifications on folders; both
// rest on watches of the folders involved. Where a folder cannot be watched nothing is kept:
// every call reads the disk again, and a change-notification handle reports a change on
// every wait.
#pragma once

#include <cstddef>
#include <optional>

#include "zrx/zrx_export.h"

namespace zrxhost {

// At most this many folders and files watched at once (the kernel's own limit applies as
// well; none: only the kernel's). Setting it starts the watcher over, dropping every watch
// and every answer kept so far. Tests provoke the fallback with a small limit.
ZRX_API void setChangeWatchLimit(std::optional<size_t> limit);
// How many folders and files are watched now.
ZRX_API size_t changeWatchCount();

}  // namespace zrxhost
