// CCmdTarget and CWnd with MFC's message maps. Handlers are named as standard C++ requires,
// with the class: ON_BN_CLICKED(IDC_BROWSE, &DclConvert::OnBrowse).
#pragma once

#include "mfc_object.h"
#include "mfc_string.h"
#include "win_boxes.h"
#include "win_window.h"

class CCmdTarget;
class CWnd;
class CDataExchange;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, WM_CHAR, ... ; reflected messages are WM_REFLECT_BASE + message
    UINT nCode;     // the notification code of a command
    UINT nID;       // the control ids the entry covers, first ...
    UINT nLastID;   // ... and last
    UINT_PTR nSig;  // AfxSig_* : how the handler's result counts
    LRESULT (*pfn)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

enum AfxSig : UINT_PTR { AfxSig_end = 0, AfxSig_vv, AfxSig_bv, AfxSig_vwww, AfxSig_vW, AfxSig_lwl };

#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const AFX_MSGMAP* GetThisMessageMap();          \
    const AFX_MSGMAP* GetMessageMap() const override;


class ZRX_API CCmdTarget : public CObject {
public:
    DECLARE_DYNAMIC(CCmdTarget)

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The first entry of this object's maps, most derived class first, that takes the
    // message; null when none does.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

class ZRX_API CWnd : public CCmdTarget {
public:
    DECLARE_DYNAMIC(CWnd)
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object attached to the window, or a wrapper that lives as long as the window.
    static CWnd* FromHandle(HWND window);
    BOOL Attach(HWND window);
    HWND Detach();
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int size) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    int GetDlgItemText(int id, LPTSTR buffer, int size) const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int show);
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
    // Moves data between the controls and the members (DoDataExchange); FALSE when a value
    // was refused.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Message handling: the object's maps first, then the window's own behaviour.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification of this control to its parent, offered to the control first
    // (ON_CONTROL_REFLECT); TRUE when the parent is not to see it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    // The current message given to the window's own behaviour.
    LRESULT Default();

    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWindow);
    afx_msg void OnSetFocus(CWnd* oldWindow);

    DECLARE_MESSAGE_MAP()

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{0, 0, 0};
};

// Handler adapters of the message-map macros.
namespace zrxafx {
template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
    using type = C;
};
template <auto PM>
typename MemberOf<decltype(PM)>::type* target(CCmdTarget* t)
{
    return static_cast<typename MemberOf<decltype(PM)>::type*>(t);
}
template <auto PM>
LRESULT callVoid(CCmdTarget* t, WPARAM, LPARAM)
{
    (target<PM>(t)->*PM)();
    return 0;
}
template <auto PM>
LRESULT callBool(CCmdTarget* t, WPARAM, LPARAM)
{
    return (target<PM>(t)->*PM)() ? 1 : 0;
}
template <auto PM>
LRESULT callChar(CCmdTarget* t, WPARAM w, LPARAM l)
{
    (target<PM>(t)->*PM)(static_cast<UINT>(w), static_cast<UINT>(LOWORD(l)), static_cast<UINT>(HIWORD(l)));
    return 0;
}
template <auto PM>
LRESULT callWindow(CCmdTarget* t, WPARAM w, LPARAM)
{
    (target<PM>(t)->*PM)(CWnd::FromHandle(reinterpret_cast<HWND>(w)));
    return 0;
}
template <auto PM>
LRESULT callMessage(CCmdTarget* t, WPARAM w, LPARAM l)
{
    return (target<PM>(t)->*PM)(w, l);
}
}  // namespace zrxafx

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        [[maybe_unused]] typedef theClass ThisClass;                                  \
        typedef baseClass TheBaseClass;                                               \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                \
    {0, 0, 0, 0, AfxSig_end, nullptr}};                                                  \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap;                                                              \
    }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, &::zrxafx::callVoid<memberFxn>},
#define ON_CONTROL(code, id, memberFxn)                                                                    \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, \
     &::zrxafx::callVoid<memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CONTROL_REFLECT(code, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, AfxSig_vv, &::zrxafx::callVoid<memberFxn>},
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, AfxSig_bv, &::zrxafx::callBool<memberFxn>},
#define ON_WM_CHAR() {WM_CHAR, 0, 0, 0, AfxSig_vwww, &::zrxafx::callChar<&ThisClass::OnChar>},
#define ON_WM_KILLFOCUS() {WM_KILLFOCUS, 0, 0, 0, AfxSig_vW, &::zrxafx::callWindow<&ThisClass::OnKillFocus>},
#define ON_WM_SETFOCUS() {WM_SETFOCUS, 0, 0, 0, AfxSig_vW, &::zrxafx::callWindow<&ThisClass::OnSetFocus>},
#define ON_MESSAGE(message, memberFxn) \
    {static_cast<UINT>(message), 0, 0, 0, AfxSig_lwl, &::zrxafx::callMessage<memberFxn>},
