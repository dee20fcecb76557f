// The MFC control classes. Each holds nothing but its window handle and works by sending the
// control's messages, so a window from GetDlgItem may be used as any of them, as MFC code
// does with (CComboBox*)GetDlgItem(id).
#pragma once

#include "mfc_window.h"

class ZRX_API CEdit : public CWnd {
public:
    DECLARE_DYNAMIC(CEdit)
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE);
    DWORD GetSel() const;
    void GetSel(int& start, int& end) const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    void Clear();
    void LimitText(int maxBytes = 0);
    void SetLimitText(UINT maxBytes);
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
};

class ZRX_API CComboBox : public CWnd {
public:
    DECLARE_DYNAMIC(CComboBox)
    // Index of the new item; a sorted box (CBS_SORT) puts it in order.
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, LPTSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    // Items beginning with the text, without regard to case, searched after startAfter.
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    // Selects the first item beginning with the text; its index or CB_ERR.
    int SelectString(int startAfter, LPCTSTR text);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetEditSel(int start, int end);
    DWORD GetEditSel() const;
    BOOL LimitText(int maxBytes);
    void Clear();
};

class ZRX_API CListBox : public CWnd {
public:
    DECLARE_DYNAMIC(CListBox)
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetText(int index, LPTSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SelectString(int startAfter, LPCTSTR text);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
};

class ZRX_API CButton : public CWnd {
public:
    DECLARE_DYNAMIC(CButton)
    int GetCheck() const;
    void SetCheck(int check);
};

class ZRX_API CStatic : public CWnd {
public:
    DECLARE_DYNAMIC(CStatic)
};
