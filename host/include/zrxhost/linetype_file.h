// Why the last ZcDbDatabase::loadLineTypeFile of this thread failed: the file, the line of
// the definition and what was wrong ("Trevan.lin:12: GAS_LINE: shape and text elements are
// not supported"). Empty after success.
#pragma once

#include <string>

#include "zrx/zrx_export.h"

namespace zrxhost {
ZRX_API const std::string& lastLinetypeFileError();
}  // namespace zrxhost
