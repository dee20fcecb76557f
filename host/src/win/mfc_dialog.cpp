// Dialog templates, modal dialogs played from the input, and dialog data exchange.
#include "zrx/mfc_dialog.h"

#include <cerrno>
#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <typeinfo>

#include "win/resource_script.h"
#include "win/window.h"
#include "zrxhost/command_line.h"
#include "zrxhost/dialog_form.h"

namespace {

bool g_forms = false;

std::map<UINT, ZcDialogTemplate>& templates()
{
    static std::map<UINT, ZcDialogTemplate> t;
    return t;
}

// One dialog action: verb, control id and the rest of the line.
struct Action {
    std::string verb;
    UINT id = 0;
    bool hasId = false;
    std::string argument;
};

Action parseAction(const std::string& line)
{
    Action a;
    size_t sp = line.find(' ');
    a.verb = line.substr(0, sp);
    if (sp == std::string::npos) return a;
    size_t idEnd = line.find(' ', sp + 1);
    std::string id = line.substr(sp + 1, idEnd == std::string::npos ? std::string::npos : idEnd - sp - 1);
    char* end = nullptr;
    unsigned long n = std::strtoul(id.c_str(), &end, 10);
    a.hasId = !id.empty() && end != nullptr && *end == '\0';
    a.id = static_cast<UINT>(n);
    if (idEnd != std::string::npos) a.argument = line.substr(idEnd + 1);
    return a;
}

void say(const std::string& text) { zrxhost::writeCommandLine("[Dialog] " + text + "\n"); }

// The text a person reads beside a control: its own for a button, else the static text
// placed before it in the template.
std::string labelOf(HWND dialog, size_t index)
{
    const HWND__& c = *dialog->children[index];
    if (c.windowClass == "BUTTON") return c.text;
    for (size_t i = index; i-- > 0;) {
        const HWND__& before = *dialog->children[i];
        if (before.windowClass != "STATIC") break;
        if (!before.text.empty()) return before.text;
    }
    return "";
}

std::string valueOf(HWND control)
{
    if (control->windowClass == "BUTTON") {
        DWORD kind = control->style & BS_TYPEMASK;
        bool checkable = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
        return checkable ? (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "[x]" : "[ ]") : "";
    }
    bool list = control->windowClass == "LISTBOX";
    std::string value;
    if (list) {
        auto i = static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
        if (i >= 0) {
            std::string item(static_cast<size_t>(SendMessageA(control, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
            SendMessageA(control, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
            value = item.c_str();
        }
    } else {
        value = control->text;
    }
    std::string line = "\"" + value + "\"";
    if (control->windowClass == "COMBOBOX" || list) {
        UINT countMessage = list ? LB_GETCOUNT : CB_GETCOUNT;
        UINT textMessage = list ? LB_GETTEXT : CB_GETLBTEXT;
        UINT lengthMessage = list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
        auto count = static_cast<int>(SendMessageA(control, countMessage, 0, 0));
        auto item = [&](int i) {
            std::string t(static_cast<size_t>(SendMessageA(control, lengthMessage, static_cast<WPARAM>(i), 0)) + 1, '\0');
            SendMessageA(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(t.data()));
            return std::string(t.c_str());
        };
        // A long list is shown by its ends; select takes any item by its text.
        line += " of " + std::to_string(count) + (count == 1 ? " item" : " items");
        if (count > 0) {
            line += ": ";
            for (int i = 0; i < count && i < 5; ++i) line += (i > 0 ? ", " : "") + item(i);
            if (count > 6) line += ", ...";
            if (count > 5) line += ", " + item(count - 1);
        }
    }
    return line;
}

// The dialog as a form a person at the terminal fills in: one line per control.
void showForm(HWND dialog)
{
    std::string form = "[Dialog] " + dialog->text + "\n";
    for (size_t i = 0; i < dialog->children.size(); ++i) {
        HWND c = dialog->children[i].get();
        if (c->windowClass == "STATIC" || !c->visible) continue;
        std::string label = labelOf(dialog, i);
        std::string value = valueOf(c);
        form += "  " + std::to_string(c->id) + " " + c->windowClass + (label.empty() ? "" : " " + label) +
                (value.empty() ? "" : " = " + value) + (c->enabled ? "" : " (disabled)") + "\n";
    }
    form += "Dialog action (set ID text, type ID chars, paste ID text, select ID item, click ID, *cancel*): ";
    zrxhost::writeCommandLine(form);
}

}  // namespace

void zrxhost::setDialogForms(bool show) { g_forms = show; }

void zcrxAddDialogTemplate(const ZcDialogTemplate& dialogTemplate) { templates()[dialogTemplate.id] = dialogTemplate; }

const ZcDialogTemplate* zcrxFindDialogTemplate(UINT id)
{
    auto it = templates().find(id);
    return it == templates().end() ? nullptr : &it->second;
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal()
{
    const ZcDialogTemplate* t = zcrxFindDialogTemplate(m_nIDHelp);
    // Else the resources of the plug-in that wrote the dialog's class, as the platform's
    // resource override makes a plug-in's own resources current while it shows a dialog.
    if (t == nullptr) t = zrxhost::moduleDialogTemplate(&typeid(*this), m_nIDHelp);
    if (t == nullptr) return -1;
    std::unique_ptr<HWND__> dialog = makeDialogWindow(t->caption != nullptr ? t->caption : "");
    for (const auto& item : t->items) {
        auto control = makeControl(item.windowClass != nullptr ? item.windowClass : "", item.id, item.style,
                                   item.text != nullptr ? item.text : "");
        if (!control) continue;
        control->parent = dialog.get();
        dialog->children.push_back(std::move(control));
    }
    dialog->object = this;
    m_hWnd = dialog.get();
    m_ended = false;
    m_result = -1;
    HWND previousFocus = ::GetFocus();

    say(dialog->text);
    if (SendMessage(WM_INITDIALOG, 0, 0) != 0 && !m_ended) {
        HWND focus = ::GetFocus();
        if (focus == nullptr || focus->dialog() != m_hWnd) {
            for (const auto& c : m_hWnd->children) {
                if (c->enabled && c->visible && c->windowClass != "STATIC" &&
                    !(c->windowClass == "BUTTON" && (c->style & BS_TYPEMASK) == BS_GROUPBOX)) {
                    GotoDlgCtrl(FromHandle(c.get()));
                    break;
                }
            }
        }
    }
    zrxhost::AnswerSource* input = zrxhost::answerSource();
    while (!m_ended) {
        if (g_forms) showForm(m_hWnd);
        std::optional<std::string> line = input != nullptr ? input->take() : std::nullopt;
        if (!line) {
            say("input ended: cancelled");
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            if (!m_ended) EndDialog(IDCANCEL);
            break;
        }
        playAction(*line);
    }
    say(m_result == IDOK ? "closed with OK" : (m_result == IDCANCEL ? "closed with Cancel" : "closed with " + std::to_string(m_result)));

    // The member controls let go of their windows before the windows go.
    dialog->object = nullptr;
    for (const auto& c : dialog->children) {
        if (c->object != nullptr) c->object->m_hWnd = nullptr;
        c->object = nullptr;
    }
    m_hWnd = nullptr;
    dialog.reset();
    if (IsWindow(previousFocus)) ::SetFocus(previousFocus);
    return m_result;
}

void CDialog::playAction(const std::string& line)
{
    say(line);
    if (line == "*cancel*") {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    Action a = parseAction(line);
    if (!a.hasId || (a.verb != "set" && a.verb != "type" && a.verb != "paste" && a.verb != "select" && a.verb != "click")) {
        say("not a dialog action: " + line);
        return;
    }
    HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(a.id));
    if (control == nullptr) {
        // OK and Cancel answer Enter and Esc even where the dialog has no such button.
        if (a.verb == "click" && (a.id == IDOK || a.id == IDCANCEL)) {
            SendMessage(WM_COMMAND, MAKEWPARAM(a.id, BN_CLICKED), 0);
            return;
        }
        say("no control " + std::to_string(a.id));
        return;
    }
    if (!control->enabled || !control->visible) {
        say("control " + std::to_string(a.id) + " cannot be used");
        return;
    }
    if (a.verb == "click") {
        if (control->windowClass != "BUTTON") {
            say("control " + std::to_string(a.id) + " is not a button");
            return;
        }
        UserControl::click(control);
    } else if (a.verb == "type") {
        UserControl::type(control, a.argument);
    } else if (a.verb == "paste") {
        if (!UserControl::paste(control, a.argument)) say("control " + std::to_string(a.id) + " takes no text");
    } else if (a.verb == "select") {
        if (!UserControl::select(control, a.argument)) say("no item \"" + a.argument + "\" in control " + std::to_string(a.id));
    } else if (!UserControl::setText(control, a.argument)) {
        say("control " + std::to_string(a.id) + " takes no text");
    }
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control == nullptr) return;
    // The platform selects the whole text of an edit that gets the focus from the dialog.
    if (IsWindow(control->m_hWnd) && control->m_hWnd->windowClass == "EDIT") ::SendMessageA(control->m_hWnd, EM_SETSEL, 0, -1);
    ::SetFocus(control->m_hWnd);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    if (!IsWindow(dialog) || dialog->object == nullptr) return FALSE;
    auto* d = DYNAMIC_DOWNCAST(CDialog, dialog->object);
    if (d == nullptr) return FALSE;
    d->EndDialog(static_cast<int>(result));
    return TRUE;
}

// Data exchange.

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (control == nullptr) {
        say("no control " + std::to_string(id) + " for data exchange");
        Fail();
    }
    m_lastControl = control;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) { return PrepareCtrl(id); }

void CDataExchange::Fail()
{
    // The field that was refused gets the focus, its text selected, as the platform does.
    if (m_bSaveAndValidate && m_lastControl != nullptr) {
        if (m_lastControl->windowClass == "EDIT") ::SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
        ::SetFocus(m_lastControl);
    }
    AfxThrowUserException();
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd != nullptr) return;
    HWND window = dx->PrepareCtrl(id);
    if (!control.SubclassWindow(window)) {
        say("control " + std::to_string(id) + " is attached twice");
        dx->Fail();
    }
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        CWnd::FromHandle(control)->GetWindowText(value);
    } else {
        ::SetWindowTextA(control, value);
    }
}

namespace {

// Reads a whole number or a real; the text must hold nothing else but blanks.
bool parseLong(const CString& text, long& out)
{
    CString t = text;
    t.Trim();
    if (t.IsEmpty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtol(t, &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

bool parseDouble(const CString& text, double& out)
{
    CString t = text;
    t.Trim();
    if (t.IsEmpty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(t, &end);
    return errno == 0 && end != nullptr && *end == '\0';
}

template <class T>
void exchangeWhole(CDataExchange* dx, int id, T& value, const char* format)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(control)->GetWindowText(text);
        long n = 0;
        if (!parseLong(text, n)) {
            AfxMessageBox("整数を入力してください。", MB_ICONEXCLAMATION);
            dx->Fail();
        }
        value = static_cast<T>(n);
    } else {
        CString text;
        text.Format(format, value);
        ::SetWindowTextA(control, text);
    }
}

}  // namespace

void DDX_Text(CDataExchange* dx, int id, int& value) { exchangeWhole(dx, id, value, "%d"); }
void DDX_Text(CDataExchange* dx, int id, UINT& value) { exchangeWhole(dx, id, value, "%u"); }
void DDX_Text(CDataExchange* dx, int id, long& value) { exchangeWhole(dx, id, value, "%ld"); }

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(control)->GetWindowText(text);
        double d = 0;
        if (!parseDouble(text, d)) {
            AfxMessageBox("数値を入力してください。", MB_ICONEXCLAMATION);
            dx->Fail();
        }
        value = d;
    } else {
        CString text;
        text.Format("%.*g", DBL_DIG, value);
        ::SetWindowTextA(control, text);
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    } else {
        ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(static_cast<INT_PTR>(index)), 0);
    }
}

void DDX_CBString(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        CWnd::FromHandle(control)->GetWindowText(value);
    } else if (::SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR) {
        // Not in the list: an editable box shows the text as it is.
        ::SetWindowTextA(control, value);
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
    } else {
        ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(static_cast<INT_PTR>(index)), 0);
    }
}

void DDX_LBString(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        auto i = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
        value.Empty();
        if (i >= 0) {
            auto n = static_cast<int>(::SendMessageA(control, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
            ::SendMessageA(control, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(value.GetBuffer(n + 1)));
            value.ReleaseBuffer();
        }
    } else {
        ::SendMessageA(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}
