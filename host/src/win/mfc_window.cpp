// CObject, CCmdTarget and CWnd: MFC's routing of a window's messages through the message
// maps of the object attached to it.
#include "zrx/mfc_window.h"

#include <vector>

#include "win/window.h"
#include "zrx/mfc_controls.h"
#include "zrx/mfc_dialog.h"

// Run-time classes.

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == base) return TRUE;
    }
    return FALSE;
}

BOOL CObject::IsKindOf(const CRuntimeClass* type) const { return GetRuntimeClass()->IsDerivedFrom(type); }

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

// Message maps.

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr; map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nMessage != message) continue;
            if (message == WM_COMMAND || message == WM_REFLECT_BASE + WM_COMMAND) {
                if (e->nCode != code) continue;
                if (message == WM_COMMAND && (id < e->nID || id > e->nLastID)) continue;
            }
            return e;
        }
    }
    return nullptr;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

// CWnd

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && IsWindow(m_hWnd) && m_hWnd->object == this) m_hWnd->object = nullptr;
}

namespace {
// A temporary wrapper of the control's own class, so that code casting GetDlgItem's
// answer to CButton* or CEdit*, as MFC code does, holds an object of that class.
std::unique_ptr<CWnd> wrapperFor(const std::string& windowClass)
{
    if (windowClass == "BUTTON") return std::make_unique<CButton>();
    if (windowClass == "EDIT") return std::make_unique<CEdit>();
    if (windowClass == "COMBOBOX") return std::make_unique<CComboBox>();
    if (windowClass == "LISTBOX") return std::make_unique<CListBox>();
    if (windowClass == "STATIC") return std::make_unique<CStatic>();
    return std::make_unique<CWnd>();
}
}  // namespace

CWnd* CWnd::FromHandle(HWND window)
{
    if (!IsWindow(window)) return nullptr;
    if (window->object != nullptr) return window->object;
    if (!window->wrapper) {
        window->wrapper = wrapperFor(window->windowClass);
        window->wrapper->m_hWnd = window;
    }
    return window->wrapper.get();
}

BOOL CWnd::Attach(HWND window) { return SubclassWindow(window); }

HWND CWnd::Detach() { return UnsubclassWindow(); }

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!IsWindow(window) || window->object != nullptr || m_hWnd != nullptr) return FALSE;
    window->object = this;
    m_hWnd = window;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (parent == nullptr) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND old = m_hWnd;
    if (IsWindow(old) && old->object == this) old->object = nullptr;
    m_hWnd = nullptr;
    return old;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

void CWnd::SetWindowText(LPCTSTR text) { ::SetWindowTextA(m_hWnd, text); }

int CWnd::GetWindowText(LPTSTR buffer, int size) const { return ::GetWindowTextA(m_hWnd, buffer, size); }

void CWnd::GetWindowText(CString& text) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) { ::SetDlgItemTextA(m_hWnd, id, text); }

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    if (CWnd* item = GetDlgItem(id)) item->GetWindowText(text);
    return text.GetLength();
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int size) const
{
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, id, buffer, size));
}

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ::SendMessageA(m_hWnd, message, wParam, lParam); }

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(::GetDlgItem(m_hWnd, id), message, wParam, lParam);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) { return ::MessageBoxA(m_hWnd, text, caption, type); }

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange* /*dx*/) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage saved = m_current;
    m_current = CurrentMessage{message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    m_current = saved;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *result = 1;
            return TRUE;
        }
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, 0, 0);
    if (e == nullptr) return FALSE;
    *result = e->pfn(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsWindow(m_hWnd) ? m_hWnd->classProc(message, wParam, lParam) : 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    auto control = reinterpret_cast<HWND>(lParam);
    // The control sees its own notification first.
    if (IsWindow(control) && control->object != nullptr && control->object != this) {
        LRESULT r = 0;
        if (control->object->OnChildNotify(WM_COMMAND, wParam, lParam, &r)) return TRUE;
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(WM_COMMAND, code, id);
    if (e == nullptr) return FALSE;
    e->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_COMMAND) return FALSE;
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
    if (e == nullptr) return FALSE;
    LRESULT r = e->pfn(this, wParam, lParam);
    if (result != nullptr) *result = r;
    // ON_CONTROL_REFLECT_EX lets the parent see it too when the handler answers FALSE.
    return e->nSig == AfxSig_bv ? (r != 0 ? TRUE : FALSE) : TRUE;
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

void CWnd::OnChar(UINT, UINT, UINT) { Default(); }

void CWnd::OnKillFocus(CWnd*) { Default(); }

void CWnd::OnSetFocus(CWnd*) { Default(); }
