// The environment variables every Windows process has and the module reads with getenv.
#pragma once

#include "zrx/zrx_export.h"

namespace zrxhost {

// Sets windir to C:\WINDOWS and TEMP to C:\TEMP where they are not set. The host does this
// when it is loaded; call it again after clearing them.
ZRX_API void ensureWindowsEnvironment();

}  // namespace zrxhost
