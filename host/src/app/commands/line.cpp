// LINE: segments from point to point, with Close and Undo.
#include <cstring>
#include <vector>

#include "app/commands/command_support.h"
#include "app/commands/commands.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"

namespace zrxhost::app {

void lineCommand()
{
    if (!needDrawing()) return;
    ads_point first, last, next;
    if (zcedGetPoint(nullptr, "\nSpecify first point: ", first) != RTNORM) return;
    std::memcpy(last, first, sizeof last);
    std::vector<ZcDbObjectId> segments;
    std::vector<ZcGePoint3d> starts;
    for (;;) {
        bool canClose = segments.size() >= 2;
        zcedInitGet(0, canClose ? "Close Undo" : "Undo");
        int rc = zcedGetPoint(last, canClose ? "\nSpecify next point or [Close/Undo]: " : "\nSpecify next point or [Undo]: ",
                              next);
        if (rc == RTKWORD) {
            char kw[32];
            zcedGetInput(kw);
            if (std::strcmp(kw, "Undo") == 0) {
                if (segments.empty()) {
                    ed::write("\nAll segments already undone.\n");
                    continue;
                }
                ZcDbObjectPointer<ZcDbEntity> line(segments.back(), ZcDb::kForWrite);
                if (line.openStatus() == Zcad::eOk) line->erase();
                ZcGePoint3d back = starts.back();
                last[X] = back.x;
                last[Y] = back.y;
                last[Z] = back.z;
                segments.pop_back();
                starts.pop_back();
                continue;
            }
            std::memcpy(next, first, sizeof next);
            rc = RTNORM;
            segments.push_back(append(new ZcDbLine(toWorld(last), toWorld(next))));
            return;
        }
        if (rc != RTNORM) return;
        starts.push_back(toPoint(last));
        segments.push_back(append(new ZcDbLine(toWorld(last), toWorld(next))));
        std::memcpy(last, next, sizeof last);
    }
}

}  // namespace zrxhost::app
