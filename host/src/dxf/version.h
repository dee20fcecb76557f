// DXF versions by their $ACADVER names.
#pragma once

#include <string>
#include <string_view>

#include "zrx/zrx_export.h"

namespace zrx::dxf {

enum class Version { R12 = 1009, R2000 = 1015, R2004 = 1018, R2007 = 1021, R2010 = 1024, R2013 = 1027, R2018 = 1032 };

// "AC1027" for R2013; versions before R12 read as R12, unknown later ones as R2018.
ZRX_API Version versionFromAcadver(std::string_view acadver);
ZRX_API const char* acadverOf(Version v);
// "R12", "2000", "2004", "2007", "2010", "2013", "2018" (also "AC1015"…); false when unknown.
ZRX_API bool versionFromName(std::string_view name, Version& v);
inline bool atLeast(Version v, Version min) { return static_cast<int>(v) >= static_cast<int>(min); }

}  // namespace zrx::dxf
