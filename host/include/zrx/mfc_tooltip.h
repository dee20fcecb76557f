// Tooltips. There is no screen: a tip that shows is written to the command line as
// "[ToolTip] text". A tip shows when a mouse move over one of the tools is relayed to an
// active tooltip (its delays pass at once here), shows again when its text changes while
// it is shown, and hides on a click, on a move away from every tool, on Pop and when the
// tooltip is deactivated.
#pragma once

#include <memory>

#include "mfc_window.h"
#include "win_message.h"

#define TOOLTIPS_CLASS "tooltips_class32"

#define TTS_ALWAYSTIP 0x01
#define TTS_NOPREFIX 0x02

// Tool flags: TTF_IDISHWND makes uId the tool's own window, shown over all of it; without
// it the tool is the rectangle of hwnd's client area.
#define TTF_IDISHWND 0x0001
#define TTF_CENTERTIP 0x0002
#define TTF_SUBCLASS 0x0010

#define TTDT_AUTOMATIC 0
#define TTDT_RESHOW 1
#define TTDT_AUTOPOP 2
#define TTDT_INITIAL 3

#define TTM_ACTIVATE (WM_USER + 1)
#define TTM_SETDELAYTIME (WM_USER + 3)
#define TTM_ADDTOOLA (WM_USER + 4)
#define TTM_DELTOOLA (WM_USER + 5)
#define TTM_RELAYEVENT (WM_USER + 7)
#define TTM_GETTEXTA (WM_USER + 11)
#define TTM_UPDATETIPTEXTA (WM_USER + 12)
#define TTM_GETTOOLCOUNT (WM_USER + 13)
#define TTM_GETDELAYTIME (WM_USER + 21)
#define TTM_POP (WM_USER + 28)
#define TTM_ADDTOOL TTM_ADDTOOLA
#define TTM_DELTOOL TTM_DELTOOLA
#define TTM_GETTEXT TTM_GETTEXTA
#define TTM_UPDATETIPTEXT TTM_UPDATETIPTEXTA

typedef struct tagTOOLINFOA {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
} TTTOOLINFOA, TOOLINFOA, *LPTOOLINFOA;
typedef TOOLINFOA TOOLINFO;
typedef LPTOOLINFOA LPTOOLINFO;

class ZRX_API CToolTipCtrl : public CWnd {
public:
    DECLARE_DYNAMIC(CToolTipCtrl)
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    // Makes the tooltip's window; FALSE when it already has one.
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL DestroyWindow();

    // A tool: the whole of pWnd (nIDTool 0), or the rectangle of pWnd's client area with that id.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;

    void Activate(BOOL bActivate);
    // The automatic delay: initial and reshow follow it, as Windows derives them.
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;

    // Hands the tooltip a mouse message of a tool's window.
    void RelayEvent(LPMSG lpMsg);
    void Pop();

private:
    void fillTool(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
    std::unique_ptr<HWND__> m_window;
};
