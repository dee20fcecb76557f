// The release the host answers in ACADVER ("19.0s (LMS Tech)"). Plug-ins offer what a
// release can do by it; their tests stand in for older releases. Empty gives the host's own.
#pragma once

#include <string>

#include "zrx/zrx_export.h"

namespace zrxhost {
ZRX_API void setProductVersion(const std::string& acadver);
}  // namespace zrxhost
