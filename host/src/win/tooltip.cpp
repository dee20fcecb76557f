// Tooltips on the command line: the tooltip window class and MFC's CToolTipCtrl over it.
#include "zrx/mfc_tooltip.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "win/window.h"

namespace {

constexpr int kDefaultAutomatic = 500;  // ms, the double-click time Windows starts from

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    std::string text;

    bool same(const TOOLINFOA& ti) const { return hwnd == ti.hwnd && id == ti.uId; }
    // Under the cursor of a mouse message sent to msg.hwnd.
    bool under(const MSG& msg) const
    {
        if (flags & TTF_IDISHWND) return reinterpret_cast<HWND>(id) == msg.hwnd;
        if (hwnd != msg.hwnd) return false;
        int x = GET_X_LPARAM(msg.lParam), y = GET_Y_LPARAM(msg.lParam);
        return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
    }
};

class ToolTipWindow : public HWND__ {
public:
    using HWND__::HWND__;
    LRESULT classProc(UINT message, WPARAM w, LPARAM l) override;

private:
    Tool* find(const TOOLINFOA* ti)
    {
        if (ti == nullptr) return nullptr;
        auto it = std::find_if(tools.begin(), tools.end(), [&](const Tool& t) { return t.same(*ti); });
        return it != tools.end() ? &*it : nullptr;
    }
    void show(size_t tool)
    {
        shown = static_cast<int>(tool);
        zrxhost::ed::write("\n[ToolTip] " + tools[tool].text + "\n");
    }
    void relay(const MSG& msg);

    std::vector<Tool> tools;
    int shown = -1;  // the tool whose tip shows
    bool active = true;
    int automatic = kDefaultAutomatic;
    int initial = kDefaultAutomatic, autopop = 10 * kDefaultAutomatic, reshow = kDefaultAutomatic / 5;
};

void ToolTipWindow::relay(const MSG& msg)
{
    if (msg.message != WM_MOUSEMOVE) {
        // A click takes the tip away, as it does on the screen.
        if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_RBUTTONUP) shown = -1;
        return;
    }
    auto it = std::find_if(tools.begin(), tools.end(), [&](const Tool& t) { return t.under(msg); });
    if (it == tools.end()) {
        shown = -1;
        return;
    }
    auto index = static_cast<size_t>(it - tools.begin());
    if (active && shown != static_cast<int>(index)) show(index);
}

LRESULT ToolTipWindow::classProc(UINT message, WPARAM w, LPARAM l)
{
    auto* ti = reinterpret_cast<TOOLINFOA*>(l);
    switch (message) {
    case TTM_ACTIVATE:
        active = w != 0;
        if (!active) shown = -1;
        return 0;
    case TTM_SETDELAYTIME: {
        int ms = static_cast<short>(LOWORD(l));
        if (w == TTDT_AUTOMATIC) {
            automatic = ms < 0 ? kDefaultAutomatic : ms;
            initial = automatic;
            autopop = 10 * automatic;
            reshow = automatic / 5;
        } else if (w == TTDT_INITIAL) {
            initial = ms < 0 ? automatic : ms;
        } else if (w == TTDT_AUTOPOP) {
            autopop = ms < 0 ? 10 * automatic : ms;
        } else if (w == TTDT_RESHOW) {
            reshow = ms < 0 ? automatic / 5 : ms;
        }
        return 0;
    }
    case TTM_GETDELAYTIME:
        if (w == TTDT_AUTOPOP) return autopop;
        if (w == TTDT_RESHOW) return reshow;
        return initial;  // TTDT_INITIAL, and what TTDT_AUTOMATIC stands for
    case TTM_ADDTOOLA: {
        if (ti == nullptr) return FALSE;
        Tool t{ti->uFlags, ti->hwnd, ti->uId, ti->rect, ti->lpszText != nullptr ? ti->lpszText : ""};
        if (Tool* have = find(ti)) {
            *have = t;
        } else {
            tools.push_back(t);
        }
        return TRUE;
    }
    case TTM_DELTOOLA:
        if (Tool* have = find(ti)) {
            auto index = static_cast<int>(have - tools.data());
            tools.erase(tools.begin() + index);
            if (shown == index) shown = -1;
            else if (shown > index) --shown;
        }
        return 0;
    case TTM_UPDATETIPTEXTA:
        if (Tool* have = find(ti)) {
            std::string tip = ti->lpszText != nullptr ? ti->lpszText : "";
            if (have->text == tip) return 0;
            have->text = tip;
            // A tip on show is redrawn with its new text.
            if (shown == static_cast<int>(have - tools.data())) show(static_cast<size_t>(shown));
        }
        return 0;
    case TTM_GETTEXTA:
        if (ti != nullptr && ti->lpszText != nullptr) {
            // wParam: the buffer's size; 0 is the classic 80 characters.
            size_t size = w != 0 ? w : 80;
            const Tool* have = find(ti);
            std::string tip = have != nullptr ? have->text : "";
            size_t n = std::min(tip.size(), size - 1);
            std::memcpy(ti->lpszText, tip.data(), n);
            ti->lpszText[n] = '\0';
        }
        return 0;
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(tools.size());
    case TTM_RELAYEVENT:
        if (const auto* msg = reinterpret_cast<const MSG*>(l)) relay(*msg);
        return 0;
    case TTM_POP:
        shown = -1;
        return 0;
    default:
        return HWND__::classProc(message, w, l);
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

// A pop-up window: its owner (the parent given) keeps no hold on it, so the control owns it.
BOOL CToolTipCtrl::Create(CWnd* /*parent*/, DWORD style)
{
    if (m_window || m_hWnd != nullptr) return FALSE;
    m_window = std::make_unique<ToolTipWindow>(TOOLTIPS_CLASS, 0, style, "");
    return SubclassWindow(m_window.get());
}

BOOL CToolTipCtrl::DestroyWindow()
{
    if (!m_window) return FALSE;
    m_window.reset();
    m_hWnd = nullptr;
    return TRUE;
}

void CToolTipCtrl::fillTool(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = TOOLINFO{};
    ti.cbSize = sizeof ti;
    // MFC's rule: id 0 names the window itself, any other a rectangle of it.
    if (nIDTool == 0) {
        ti.hwnd = pWnd != nullptr && pWnd->GetParent() != nullptr ? pWnd->GetParent()->GetSafeHwnd() : nullptr;
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr);
    } else {
        ti.hwnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (pWnd == nullptr || m_hWnd == nullptr) return FALSE;
    TOOLINFO ti;
    fillTool(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr) ti.rect = *lpRectTool;
    else ti.uFlags |= TTF_SUBCLASS;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    fillTool(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    fillTool(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFO ti;
    fillTool(ti, pWnd, nIDTool);
    char buffer[1024] = "";
    ti.lpszText = buffer;
    ::SendMessageA(m_hWnd, TTM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(&ti));
    str = buffer;
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(::SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)); }

void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0); }

void CToolTipCtrl::SetDelayTime(UINT nDelay) { SetDelayTime(TTDT_AUTOMATIC, static_cast<int>(nDelay)); }

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }

void CToolTipCtrl::Pop() { SendMessage(TTM_POP, 0, 0); }
