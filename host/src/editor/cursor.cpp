// The main window, the window-message watchers and the cursor's messages.
#include "editor/cursor.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "editor/ucs_state.h"
#include "win/window.h"
#include "zrx/ed_ucs.h"
#include "zrx/ed_window.h"

namespace {

std::vector<ZcedWatchWinMsgFn>& watchers()
{
    static std::vector<ZcedWatchWinMsgFn> fns;
    return fns;
}

DWORD tickCount()
{
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void post(UINT message, WPARAM buttons, const CPoint& pixel)
{
    MSG msg{adsw_zcadMainWnd(), message, buttons, MAKELPARAM(pixel.x, pixel.y), tickCount(), pixel};
    // A watcher may remove itself (or another) while it is told.
    std::vector<ZcedWatchWinMsgFn> now = watchers();
    for (ZcedWatchWinMsgFn fn : now) {
        if (std::find(watchers().begin(), watchers().end(), fn) != watchers().end()) fn(&msg);
    }
}

}  // namespace

namespace zrxhost::ed {

void clickAt(const ZcGePoint3d& ucsPoint)
{
    if (watchers().empty()) return;
    ZcGePoint3d w = ucsToWorld(ucsPoint);
    ads_point p = {w.x, w.y, w.z};
    CPoint pixel;
    if (!zcedCoordFromWorldToPixel(2, p, pixel)) return;
    post(WM_MOUSEMOVE, 0, pixel);
    post(WM_LBUTTONDOWN, MK_LBUTTON, pixel);
    post(WM_LBUTTONUP, 0, pixel);
}

}  // namespace zrxhost::ed

bool zcedRegisterWatchWinMsg(ZcedWatchWinMsgFn pfn)
{
    if (pfn == nullptr || std::find(watchers().begin(), watchers().end(), pfn) != watchers().end()) return false;
    watchers().push_back(pfn);
    return true;
}

bool zcedRemoveWatchWinMsg(ZcedWatchWinMsgFn pfn)
{
    auto it = std::find(watchers().begin(), watchers().end(), pfn);
    if (it == watchers().end()) return false;
    watchers().erase(it);
    return true;
}

HWND adsw_zcadMainWnd()
{
    static const std::unique_ptr<HWND__> mainWindow =
        std::make_unique<HWND__>("ZcadMainFrame", 0, WS_VISIBLE, "trevan");
    return mainWindow.get();
}
