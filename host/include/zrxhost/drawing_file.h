// The reason the last drawing-file read or write of this thread failed: file, line and
// what was wrong ("plan.dxf:1234: group code is not a number: \"x\""). Empty after success.
#pragma once

#include <string>
#include <vector>

#include "zrx/zrx_export.h"

namespace zrxhost {
ZRX_API const std::string& lastDrawingFileError();

// What the last successful drawing-file read of this thread mended in the file, one line
// each naming file and line ("plan.dxf:88: a second DIMSTYLE record named \"HULL\" is
// renamed \"HULL$2\""), as the platform's recovery reports it. Empty when nothing was.
ZRX_API const std::vector<std::string>& lastDrawingFileRepairs();

// Entities the last drawing-file write of this thread left out because the version written
// cannot hold them (an R12 file has no MTEXT, LEADER or XLINE): each kind by its DXF name
// with how many, in the order first met. Empty when nothing was left out.
struct LeftOutEntities {
    std::string kind;
    int count = 0;
};
ZRX_API const std::vector<LeftOutEntities>& lastDrawingFileLeftOut();
// The same for the user, "2 MTEXT, 1 LEADER"; empty when nothing was left out.
ZRX_API std::string leftOutSummary();

// True when the file starts as a binary DWG does; such a file is read through the DWG
// reader program and written, when asked, with DXF content.
ZRX_API bool isDwgFile(const std::string& path);
}  // namespace zrxhost
