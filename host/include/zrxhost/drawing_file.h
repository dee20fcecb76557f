// The reason the last drawing-file read or write of this thread failed: file, line and
// what was wrong ("plan.dxf:1234: group code is not a number: \"x\""). Empty after success.
#pragma once

#include <string>

#include "zrx/zrx_export.h"

namespace zrxhost {
ZRX_API const std::string& lastDrawingFileError();
}  // namespace zrxhost
