// The MFC control classes: thin senders of their controls' messages.
#include "zrx/mfc_controls.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace {
LPARAM text(LPCTSTR t) { return reinterpret_cast<LPARAM>(t); }
WPARAM index(int i) { return static_cast<WPARAM>(static_cast<INT_PTR>(i)); }
}  // namespace

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    ::SendMessageA(m_hWnd, EM_SETSEL, index(start), end);
    if (!noScroll) ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::SetSel(DWORD selection, BOOL noScroll)
{
    SetSel(static_cast<SHORT>(LOWORD(selection)), static_cast<SHORT>(HIWORD(selection)), noScroll);
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETSEL, 0, 0)); }

void CEdit::GetSel(int& start, int& end) const
{
    DWORD s = 0;
    DWORD e = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

void CEdit::ReplaceSel(LPCTSTR t, BOOL canUndo) { ::SendMessageA(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(canUndo), text(t)); }

void CEdit::Clear() { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }

void CEdit::LimitText(int maxBytes) { ::SendMessageA(m_hWnd, EM_LIMITTEXT, index(maxBytes), 0); }

void CEdit::SetLimitText(UINT maxBytes) { ::SendMessageA(m_hWnd, EM_LIMITTEXT, maxBytes, 0); }

UINT CEdit::GetLimitText() const { return static_cast<UINT>(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }

BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0)); }

int CComboBox::AddString(LPCTSTR t) { return static_cast<int>(::SendMessageA(m_hWnd, CB_ADDSTRING, 0, text(t))); }

int CComboBox::InsertString(int i, LPCTSTR t) { return static_cast<int>(::SendMessageA(m_hWnd, CB_INSERTSTRING, index(i), text(t))); }

int CComboBox::DeleteString(UINT i) { return static_cast<int>(::SendMessageA(m_hWnd, CB_DELETESTRING, i, 0)); }

void CComboBox::ResetContent() { ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0); }

int CComboBox::GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0)); }

int CComboBox::GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }

int CComboBox::SetCurSel(int i) { return static_cast<int>(::SendMessageA(m_hWnd, CB_SETCURSEL, index(i), 0)); }

int CComboBox::GetLBText(int i, LPTSTR buffer) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, CB_GETLBTEXT, index(i), reinterpret_cast<LPARAM>(buffer)));
}

void CComboBox::GetLBText(int i, CString& t) const
{
    int n = GetLBTextLen(i);
    if (n < 0) {
        t.Empty();
        return;
    }
    GetLBText(i, t.GetBuffer(n + 1));
    t.ReleaseBuffer();
}

int CComboBox::GetLBTextLen(int i) const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETLBTEXTLEN, index(i), 0)); }

int CComboBox::FindString(int after, LPCTSTR t) const { return static_cast<int>(::SendMessageA(m_hWnd, CB_FINDSTRING, index(after), text(t))); }

int CComboBox::FindStringExact(int after, LPCTSTR t) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, CB_FINDSTRINGEXACT, index(after), text(t)));
}

int CComboBox::SelectString(int after, LPCTSTR t) { return static_cast<int>(::SendMessageA(m_hWnd, CB_SELECTSTRING, index(after), text(t))); }

int CComboBox::SetItemData(int i, DWORD_PTR data)
{
    return static_cast<int>(::SendMessageA(m_hWnd, CB_SETITEMDATA, index(i), static_cast<LPARAM>(data)));
}

DWORD_PTR CComboBox::GetItemData(int i) const { return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, CB_GETITEMDATA, index(i), 0)); }

BOOL CComboBox::SetEditSel(int start, int end)
{
    return ::SendMessageA(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(start, end)) != CB_ERR ? TRUE : FALSE;
}

DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, CB_GETEDITSEL, 0, 0)); }

BOOL CComboBox::LimitText(int maxBytes) { return ::SendMessageA(m_hWnd, CB_LIMITTEXT, index(maxBytes), 0) != CB_ERR ? TRUE : FALSE; }

void CComboBox::Clear() { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }

int CListBox::AddString(LPCTSTR t) { return static_cast<int>(::SendMessageA(m_hWnd, LB_ADDSTRING, 0, text(t))); }

int CListBox::InsertString(int i, LPCTSTR t) { return static_cast<int>(::SendMessageA(m_hWnd, LB_INSERTSTRING, index(i), text(t))); }

int CListBox::DeleteString(UINT i) { return static_cast<int>(::SendMessageA(m_hWnd, LB_DELETESTRING, i, 0)); }

void CListBox::ResetContent() { ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }

int CListBox::GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }

int CListBox::GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)); }

int CListBox::SetCurSel(int i) { return static_cast<int>(::SendMessageA(m_hWnd, LB_SETCURSEL, index(i), 0)); }

int CListBox::GetText(int i, LPTSTR buffer) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXT, index(i), reinterpret_cast<LPARAM>(buffer)));
}

void CListBox::GetText(int i, CString& t) const
{
    int n = GetTextLen(i);
    if (n < 0) {
        t.Empty();
        return;
    }
    GetText(i, t.GetBuffer(n + 1));
    t.ReleaseBuffer();
}

int CListBox::GetTextLen(int i) const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXTLEN, index(i), 0)); }

int CListBox::FindString(int after, LPCTSTR t) const { return static_cast<int>(::SendMessageA(m_hWnd, LB_FINDSTRING, index(after), text(t))); }

int CListBox::FindStringExact(int after, LPCTSTR t) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, index(after), text(t)));
}

int CListBox::SelectString(int after, LPCTSTR t) { return static_cast<int>(::SendMessageA(m_hWnd, LB_SELECTSTRING, index(after), text(t))); }

int CListBox::SetItemData(int i, DWORD_PTR data)
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_SETITEMDATA, index(i), static_cast<LPARAM>(data)));
}

DWORD_PTR CListBox::GetItemData(int i) const { return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, LB_GETITEMDATA, index(i), 0)); }

int CButton::GetCheck() const { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }

void CButton::SetCheck(int check) { ::SendMessageA(m_hWnd, BM_SETCHECK, index(check), 0); }
