// The host's windows: each keeps its state and answers its class's messages (the window
// procedure of the platform's control classes). A C++ object attached to a window (CWnd)
// sees every message first.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zrx/win_window.h"

class CWnd;

struct ZRX_API HWND__ {
    HWND__(std::string windowClass, UINT id, DWORD style, std::string text);
    virtual ~HWND__();
    HWND__(const HWND__&) = delete;
    HWND__& operator=(const HWND__&) = delete;

    // The behaviour of the window's class.
    virtual LRESULT classProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Sends WM_COMMAND with this control's id and the code to the parent.
    void notifyParent(UINT code);
    HWND__* child(UINT childId) const;
    HWND__* dialog();

    std::string windowClass;
    UINT id;
    DWORD style;
    std::string text;
    bool enabled;
    bool visible = true;
    HWND__* parent = nullptr;
    std::vector<std::unique_ptr<HWND__>> children;
    CWnd* object = nullptr;               // the attached C++ object
    std::unique_ptr<CWnd> wrapper;        // FromHandle's object for a window with none attached
};

// The user's side of a control, for the dialog actions: what a person can do to it.
struct ZRX_API UserControl {
    // Replaces the text as typed over a full selection; false when the control takes no text.
    static bool setText(HWND control, const std::string& text);
    // Chooses the item with that text (exact first, then the first beginning with it, both
    // without regard to case) and notifies; false when there is none.
    static bool select(HWND control, const std::string& item);
    // Delivers each character as WM_CHAR. A control that gets the focus for it has its whole
    // text selected first, as the dialog's Tab key leaves it; one that has the focus already
    // takes the characters at its caret.
    static void type(HWND control, const std::string& chars);
    // Selects the whole text and pastes the text over it with Ctrl+V, as a keyboard sends it;
    // false when the control has no text to paste into.
    static bool paste(HWND control, const std::string& text);
    static void click(HWND control);
};

// Builds a window of one of the control classes; nothing for an unknown class.
ZRX_API std::unique_ptr<HWND__> makeControl(const std::string& windowClass, UINT id, DWORD style, const std::string& text);
ZRX_API std::unique_ptr<HWND__> makeDialogWindow(const std::string& caption);

