// ZOOM: the drawing window by a window, a centre and height, or the extents.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "app/commands/command_support.h"
#include "app/commands/commands.h"
#include "editor/editor.h"
#include "editor/view_state.h"
#include "zrx/ed_input.h"

namespace zrxhost::app {

void zoomCommand()
{
    if (!needDrawing()) return;
    ed::ViewState& view = ed::viewOf(working());
    zcedInitGet(0, "All Center Extents Window");
    ads_point p;
    int rc = zcedGetPoint(nullptr,
                          "\nSpecify corner of window, or\n[All/Center/Extents/Window] <Extents>: ", p);
    if (rc == RTCAN) return;
    std::string option = "Extents";
    if (rc == RTKWORD) {
        char kw[32];
        zcedGetInput(kw);
        option = kw;
    }
    if (rc == RTNORM || option == "Window") {
        ads_point a, b;
        if (rc == RTNORM) std::memcpy(a, p, sizeof a);
        else if (zcedGetPoint(nullptr, "\nSpecify first corner: ", a) != RTNORM) return;
        if (zcedGetCorner(a, "\nSpecify opposite corner: ", b) != RTNORM) return;
        // The window is a rectangle of the display, which shows the world.
        ZcGePoint3d wa = toWorld(a), wb = toWorld(b);
        double w = std::fabs(wb.x - wa.x), h = std::fabs(wb.y - wa.y);
        double aspect = static_cast<double>(ed::kScreenWidth) / ed::kScreenHeight;
        view.center.set((wa.x + wb.x) / 2, (wa.y + wb.y) / 2, 0.0);
        view.height = std::max(h, w / aspect);
        if (view.height <= 0) view.height = 1.0;
        return;
    }
    if (option == "Center") {
        ads_point c;
        if (zcedGetPoint(nullptr, "\nSpecify center point: ", c) != RTNORM) return;
        double h = view.height;
        std::string prompt = "\nEnter magnification or height <" + ed::formatReal(view.height) + ">: ";
        zcedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
        rc = zcedGetDist(nullptr, prompt.c_str(), &h);
        if (rc == RTCAN) return;
        ZcGePoint3d wc = toWorld(c);
        view.center.set(wc.x, wc.y, 0.0);
        if (rc == RTNORM) view.height = h;
        return;
    }
    ed::zoomExtents(working());
}

}  // namespace zrxhost::app
