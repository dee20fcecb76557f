// Headless dialogs. A module registers its dialog templates (what its resource script holds:
// the caption and each control's class, id, style and text), and CDialog::DoModal builds the
// controls from the template, initialises the dialog and then plays the dialog actions of the
// input, one line each, until the dialog ends:
//
//   set ID text      replaces the control's text as the user would (an edit's or an editable
//                    combo box's text; a list's item; "1" or "0" for a check box)
//   type ID chars    types the characters into the control one by one (WM_CHAR each); a
//                    field the action moves the focus to has its text selected first, as
//                    Tab leaves it, so the characters replace it
//   paste ID text    selects the control's whole text and pastes the text over it with
//                    Ctrl+V (a WM_CHAR, as the keyboard sends it)
//   select ID item   chooses the item of a combo box or list box with that text
//   click ID         clicks the button (1 is OK, 2 is Cancel)
//   *cancel*         Esc
//
// Each action is echoed as "[Dialog] action". A control that is disabled or hidden cannot be
// used. When the input ends, the dialog is cancelled. At the terminal the dialog is shown
// before each action as a form: one line per control with its id, class, label and value.
#pragma once

#include <vector>

#include "mfc_controls.h"
#include "mfc_exception.h"

// One control of a template, as a CONTROL statement of a resource script has it: the window
// class ("EDIT", "COMBOBOX", "LISTBOX", "BUTTON", "STATIC"), the id, the style bits and the text.
struct ZcDialogItem {
    LPCSTR windowClass;
    UINT id;
    DWORD style;
    LPCSTR text;
};

struct ZcDialogTemplate {
    UINT id;
    LPCSTR caption;
    std::vector<ZcDialogItem> items;
};

// Adds a template to the resources the host searches; a later one with the same id
// replaces it.
ZRX_API void zcrxAddDialogTemplate(const ZcDialogTemplate& dialogTemplate);
ZRX_API const ZcDialogTemplate* zcrxFindDialogTemplate(UINT id);

class ZRX_API CDialog : public CWnd {
public:
    DECLARE_DYNAMIC(CDialog)
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the template is missing.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    void GotoDlgCtrl(CWnd* control);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // UpdateData(FALSE); TRUE to let the dialog put the focus on its first control.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK) when the data was accepted.
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    void playAction(const std::string& line);
    bool m_ended = false;
    INT_PTR m_result = -1;
};

// Dialog data exchange: from the controls to the members when saving, the other way at
// initialisation.
class ZRX_API CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control's window; the exchange fails when the dialog has no such control.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Ends the exchange: the value was refused (the user has been told).
    [[noreturn]] void Fail();

private:
    HWND m_lastControl = nullptr;
};

ZRX_API void DDX_Control(CDataExchange* dx, int id, CWnd& control);
ZRX_API void DDX_Text(CDataExchange* dx, int id, CString& value);
ZRX_API void DDX_Text(CDataExchange* dx, int id, int& value);
ZRX_API void DDX_Text(CDataExchange* dx, int id, UINT& value);
ZRX_API void DDX_Text(CDataExchange* dx, int id, long& value);
ZRX_API void DDX_Text(CDataExchange* dx, int id, double& value);
ZRX_API void DDX_CBIndex(CDataExchange* dx, int id, int& index);
ZRX_API void DDX_CBString(CDataExchange* dx, int id, CString& value);
ZRX_API void DDX_LBIndex(CDataExchange* dx, int id, int& index);
ZRX_API void DDX_LBString(CDataExchange* dx, int id, CString& value);
ZRX_API void DDX_Check(CDataExchange* dx, int id, int& value);
