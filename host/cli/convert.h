// trevan convert: every DWG of a folder written as DXF into another, without the dialog of
// TRV_DWGTODXF; a line per drawing and a summary.
#pragma once

#include <string>

// 0 when every drawing was converted, 1 when some failed, 2 when the folders do not serve
// or the version is unknown.
int convertFolder(const std::string& source, const std::string& target, const std::string& version);
