// What a result buffer of a given type code holds. DXF group codes and RT codes share one
// numbering; the host decides by code range as the platform does. The host's xdata store,
// its file codec and its LISP read values by this, and so do tests that check chains.
#pragma once

#include "zrx/zrx_export.h"

namespace zrxhost {

enum class RbValueKind { kNone, kString, kReal, kPoint, kShort, kLong, kInt64, kName, kBinary };
ZRX_API RbValueKind rbValueKind(int restype);

}  // namespace zrxhost
