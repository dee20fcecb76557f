// Where the host keeps the registry: one text file in the registry editor's export format
// (REGEDIT4), read when set and rewritten after every change.
#pragma once

#include <string>

#include "zrx/zrx_export.h"

namespace zrxhost {

// Uses the file (created on the first change when missing); an empty name keeps the
// registry in memory only. Keys still open stay usable.
ZRX_API void setRegistryFile(const std::string& hostFile);
ZRX_API std::string registryFile();

}  // namespace zrxhost
