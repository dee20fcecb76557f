// The application's window as a plug-in sees it, and watching its window messages.
//
// The drawing area has no pixels here; the cursor is where the user answers. When a point
// prompt or an entity pick is answered with a point, the cursor moves there and clicks:
// watchers get WM_MOUSEMOVE, WM_LBUTTONDOWN and WM_LBUTTONUP for the main window, with the
// point's pixel (zcedCoordFromWorldToPixel of viewport 2) in pt and in lParam.
#pragma once

#include "win_message.h"
#include "zc_adsdefs.h"

typedef void (*ZcedWatchWinMsgFn)(const MSG*);

// Watchers are called in the order they were registered. false for a null function or one
// already registered.
ZRX_API bool zcedRegisterWatchWinMsg(ZcedWatchWinMsgFn pfn);
// false when the function is not registered.
ZRX_API bool zcedRemoveWatchWinMsg(ZcedWatchWinMsgFn pfn);

// The application's main window, which holds the drawing area.
ZRX_API HWND adsw_zcadMainWnd();
