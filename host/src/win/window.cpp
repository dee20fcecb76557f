// Window state and the behaviour of the control classes.
#include "util/utf8.h"
#include "win/window.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "util/text_case.h"
#include "zrx/mfc_window.h"

namespace {

std::set<HWND>& liveWindows()
{
    static std::set<HWND> windows;
    return windows;
}

HWND g_focus = nullptr;

// What Ctrl+V pastes; only the dialog actions put text there.
std::string g_clipboard;

constexpr WPARAM kCtrlV = 0x16;

bool live(HWND w) { return w != nullptr && liveWindows().count(w) != 0; }

LRESULT copyText(const std::string& text, WPARAM size, LPARAM buffer)
{
    auto* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0) return 0;
    size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

const char* textOf(LPARAM lParam)
{
    const char* t = reinterpret_cast<const char*>(lParam);
    return t != nullptr ? t : "";
}

// Selection in a text field: byte positions, start <= end.
struct Selection {
    size_t start = 0;
    size_t end = 0;

    void set(LPARAM from, LPARAM to, size_t length)
    {
        if (from == -1) {
            start = end;
            return;
        }
        size_t a = std::min(static_cast<size_t>(std::max<LPARAM>(from, 0)), length);
        size_t b = to == -1 ? length : std::min(static_cast<size_t>(std::max<LPARAM>(to, 0)), length);
        start = std::min(a, b);
        end = std::max(a, b);
    }
};

bool startsNoCase(const std::string& item, const std::string& prefix)
{
    return item.size() >= prefix.size() && zrxhost::equalsNoCase(std::string_view(item).substr(0, prefix.size()), prefix);
}

// The item list of combo and list boxes.
struct ItemList {
    struct Item {
        std::string text;
        DWORD_PTR data = 0;
    };
    std::vector<Item> items;
    int current = -1;

    int add(const std::string& t, bool sorted)
    {
        size_t at = items.size();
        if (sorted) {
            at = 0;
            while (at < items.size() && zrxhost::compareNoCase(items[at].text, t) <= 0) ++at;
        }
        items.insert(items.begin() + static_cast<long>(at), Item{t, 0});
        if (current >= static_cast<int>(at)) ++current;
        return static_cast<int>(at);
    }
    int insert(WPARAM index, const std::string& t)
    {
        auto i = static_cast<int>(static_cast<INT_PTR>(index));
        if (i < 0) i = static_cast<int>(items.size());
        if (i > static_cast<int>(items.size())) return -1;
        items.insert(items.begin() + i, Item{t, 0});
        if (current >= i) ++current;
        return i;
    }
    bool valid(WPARAM index) const { return static_cast<INT_PTR>(index) >= 0 && static_cast<size_t>(index) < items.size(); }
    // Items beginning with (or equal to) the text, searched after 'after' and around.
    int find(WPARAM after, const std::string& t, bool exact) const
    {
        if (items.empty()) return -1;
        auto n = static_cast<int>(items.size());
        int start = static_cast<INT_PTR>(after) < 0 || static_cast<int>(after) >= n ? 0 : static_cast<int>(after) + 1;
        for (int k = 0; k < n; ++k) {
            const std::string& item = items[static_cast<size_t>((start + k) % n)].text;
            if (exact ? zrxhost::equalsNoCase(item, t) : startsNoCase(item, t)) return (start + k) % n;
        }
        return -1;
    }
    // What a person picking by text chooses: the exact item, else the first beginning with it.
    int userFind(const std::string& t) const
    {
        int i = find(static_cast<WPARAM>(-1), t, true);
        return i >= 0 ? i : find(static_cast<WPARAM>(-1), t, false);
    }
    LRESULT handle(UINT message, WPARAM w, LPARAM l, bool sorted, bool& handled);
};

// Messages common to combo and list boxes, by their list-box numbers.
enum ListOp { opAdd, opInsert, opDelete, opReset, opCount, opGetCur, opSetCur, opGetText, opGetTextLen, opFind, opFindExact, opSelect, opGetData, opSetData };

class EditWindow : public HWND__ {
public:
    using HWND__::HWND__;
    LRESULT classProc(UINT message, WPARAM w, LPARAM l) override;
    Selection sel;
    size_t limit = 30000;

    void changed()
    {
        notifyParent(EN_UPDATE);
        notifyParent(EN_CHANGE);
    }
    void replace(const std::string& t)
    {
        std::string add = t;
        size_t room = limit - std::min(limit, text.size() - (sel.end - sel.start));
        if (add.size() > room) {
            add.resize(room);
            notifyParent(EN_MAXTEXT);
        }
        text.replace(sel.start, sel.end - sel.start, add);
        sel.start = sel.end = sel.start + add.size();
        changed();
    }
};

LRESULT EditWindow::classProc(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_SETTEXT:
        text = textOf(l);
        sel = Selection{};
        changed();
        return TRUE;
    case EM_SETSEL:
        sel.set(static_cast<LPARAM>(static_cast<INT_PTR>(w)), l, text.size());
        return 0;
    case EM_GETSEL:
        if (w != 0) *reinterpret_cast<DWORD*>(w) = static_cast<DWORD>(sel.start);
        if (l != 0) *reinterpret_cast<DWORD*>(l) = static_cast<DWORD>(sel.end);
        return MAKELONG(sel.start, sel.end);
    case EM_REPLACESEL:
        replace(textOf(l));
        return 0;
    case WM_CLEAR:
        if ((style & ES_READONLY) == 0 && sel.end > sel.start) replace("");
        return 0;
    case EM_SCROLLCARET:
        // The caret is always in view: there is no view to scroll.
        return TRUE;
    case EM_LIMITTEXT:
        limit = w == 0 ? 0x7FFFFFFE : static_cast<size_t>(w);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(limit);
    case EM_SETREADONLY:
        style = w != 0 ? (style | ES_READONLY) : (style & ~static_cast<DWORD>(ES_READONLY));
        return TRUE;
    case WM_SETFOCUS:
        notifyParent(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        notifyParent(EN_KILLFOCUS);
        return 0;
    case WM_PASTE:
        if ((style & ES_READONLY) == 0) replace(g_clipboard);
        return 0;
    case WM_CHAR: {
        if ((style & ES_READONLY) != 0) return 0;
        // The edit control itself pastes on Ctrl+V, so a subclass sees the paste as a typed
        // character.
        if (w == kCtrlV) {
            replace(g_clipboard);
            return 0;
        }
        if (w == VK_BACK) {
            if (sel.end == sel.start && sel.start > 0) {
                size_t from = sel.start - 1;
                while (from > 0 && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) --from;
                sel.start = from;
            }
            if (sel.end > sel.start) replace("");
            return 0;
        }
        if (w < 0x20) return 0;
        if ((style & ES_NUMBER) != 0 && (w < '0' || w > '9')) return 0;
        std::string ch = zrxhost::utf8Of(static_cast<char32_t>(w));
        if ((style & ES_UPPERCASE) != 0) ch = zrxhost::upperAscii(ch);
        if ((style & ES_LOWERCASE) != 0 && ch.size() == 1 && ch[0] >= 'A' && ch[0] <= 'Z') ch[0] = static_cast<char>(ch[0] - 'A' + 'a');
        replace(ch);
        return 0;
    }
    default:
        return HWND__::classProc(message, w, l);
    }
}

LRESULT ItemList::handle(UINT op, WPARAM w, LPARAM l, bool sorted, bool& handled)
{
    handled = true;
    switch (op) {
    case opAdd: return add(textOf(l), sorted);
    case opInsert: return insert(w, textOf(l));
    case opDelete:
        if (!valid(w)) return -1;
        items.erase(items.begin() + static_cast<long>(w));
        if (current == static_cast<int>(w)) current = -1;
        else if (current > static_cast<int>(w)) --current;
        return static_cast<LRESULT>(items.size());
    case opReset:
        items.clear();
        current = -1;
        return 0;
    case opCount: return static_cast<LRESULT>(items.size());
    case opGetCur: return current;
    case opSetCur:
        if (!valid(w)) {
            current = -1;
            return -1;
        }
        current = static_cast<int>(w);
        return current;
    case opGetText:
        if (!valid(w)) return -1;
        return copyText(items[w].text, items[w].text.size() + 1, l);
    case opGetTextLen: return valid(w) ? static_cast<LRESULT>(items[w].text.size()) : -1;
    case opFind: return find(w, textOf(l), false);
    case opFindExact: return find(w, textOf(l), true);
    case opSelect: {
        int i = find(w, textOf(l), false);
        if (i >= 0) current = i;
        return i;
    }
    case opGetData: return valid(w) ? static_cast<LRESULT>(items[w].data) : -1;
    case opSetData:
        if (!valid(w)) return -1;
        items[w].data = static_cast<DWORD_PTR>(l);
        return 0;
    default: handled = false; return 0;
    }
}

class ComboWindow : public HWND__ {
public:
    using HWND__::HWND__;
    LRESULT classProc(UINT message, WPARAM w, LPARAM l) override;
    ItemList list;
    Selection sel;
    size_t limit = 0x7FFFFFFE;

    bool dropList() const { return (style & 0x3) == CBS_DROPDOWNLIST; }
    void showCurrent()
    {
        text = list.current >= 0 ? list.items[static_cast<size_t>(list.current)].text : std::string();
        sel = Selection{};
    }
    void editReplace(const std::string& t)
    {
        std::string add = t.substr(0, std::min(t.size(), limit - std::min(limit, text.size() - (sel.end - sel.start))));
        text.replace(sel.start, sel.end - sel.start, add);
        sel.start = sel.end = sel.start + add.size();
        notifyParent(CBN_EDITUPDATE);
        notifyParent(CBN_EDITCHANGE);
    }
    void userChoose(int index)
    {
        list.current = index;
        showCurrent();
        notifyParent(CBN_SELCHANGE);
        notifyParent(CBN_SELENDOK);
    }
};

LRESULT ComboWindow::classProc(UINT message, WPARAM w, LPARAM l)
{
    static const UINT ops[][2] = {{CB_ADDSTRING, opAdd}, {CB_INSERTSTRING, opInsert}, {CB_DELETESTRING, opDelete},
                                  {CB_GETCOUNT, opCount}, {CB_GETCURSEL, opGetCur}, {CB_GETLBTEXT, opGetText},
                                  {CB_GETLBTEXTLEN, opGetTextLen}, {CB_FINDSTRING, opFind},
                                  {CB_FINDSTRINGEXACT, opFindExact}, {CB_GETITEMDATA, opGetData},
                                  {CB_SETITEMDATA, opSetData}};
    for (const auto& op : ops) {
        if (op[0] == message) {
            bool handled = false;
            return list.handle(op[1], w, l, (style & CBS_SORT) != 0, handled);
        }
    }
    switch (message) {
    case CB_RESETCONTENT:
        list.items.clear();
        list.current = -1;
        text.clear();
        sel = Selection{};
        return CB_OKAY;
    case CB_SETCURSEL: {
        bool handled = false;
        LRESULT r = list.handle(opSetCur, w, l, false, handled);
        showCurrent();
        return r;
    }
    case CB_SELECTSTRING: {
        bool handled = false;
        LRESULT r = list.handle(opSelect, w, l, false, handled);
        if (r >= 0) showCurrent();
        return r;
    }
    case CB_SETEDITSEL:
        if (dropList()) return CB_ERR;
        sel.set(static_cast<SHORT>(LOWORD(l)), static_cast<SHORT>(HIWORD(l)), text.size());
        return TRUE;
    case CB_GETEDITSEL:
        if (w != 0) *reinterpret_cast<DWORD*>(w) = static_cast<DWORD>(sel.start);
        if (l != 0) *reinterpret_cast<DWORD*>(l) = static_cast<DWORD>(sel.end);
        return MAKELONG(sel.start, sel.end);
    case CB_LIMITTEXT:
        if (dropList()) return CB_ERR;
        limit = w == 0 ? 0x7FFFFFFE : static_cast<size_t>(w);
        return TRUE;
    case WM_SETTEXT: {
        if (dropList()) {
            // A drop-down list shows only its items.
            int i = list.find(static_cast<WPARAM>(-1), textOf(l), true);
            if (i < 0) return CB_ERR;
            list.current = i;
            showCurrent();
            return TRUE;
        }
        text = textOf(l);
        sel = Selection{};
        return TRUE;
    }
    case WM_CLEAR:
        if (!dropList() && sel.end > sel.start) editReplace("");
        return 0;
    case WM_PASTE:
        if (!dropList()) editReplace(g_clipboard);
        return 0;
    case WM_SETFOCUS:
        notifyParent(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        notifyParent(CBN_KILLFOCUS);
        return 0;
    case WM_CHAR: {
        if (dropList()) {
            // A key chooses the next item beginning with it, as the list's keyboard search does.
            if (w < 0x20) return 0;
            int i = list.find(static_cast<WPARAM>(static_cast<INT_PTR>(list.current)), zrxhost::utf8Of(static_cast<char32_t>(w)), false);
            if (i >= 0 && i != list.current) userChoose(i);
            return 0;
        }
        if (w == kCtrlV) {
            editReplace(g_clipboard);
            return 0;
        }
        if (w == VK_BACK) {
            if (sel.end == sel.start && sel.start > 0) {
                size_t from = sel.start - 1;
                while (from > 0 && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) --from;
                sel.start = from;
            }
            if (sel.end > sel.start) editReplace("");
            return 0;
        }
        if (w < 0x20) return 0;
        editReplace(zrxhost::utf8Of(static_cast<char32_t>(w)));
        return 0;
    }
    default:
        return HWND__::classProc(message, w, l);
    }
}

class ListWindow : public HWND__ {
public:
    using HWND__::HWND__;
    LRESULT classProc(UINT message, WPARAM w, LPARAM l) override;
    ItemList list;

    void userChoose(int index)
    {
        list.current = index;
        if ((style & LBS_NOTIFY) != 0) notifyParent(LBN_SELCHANGE);
    }
};

LRESULT ListWindow::classProc(UINT message, WPARAM w, LPARAM l)
{
    static const UINT ops[][2] = {{LB_ADDSTRING, opAdd}, {LB_INSERTSTRING, opInsert}, {LB_DELETESTRING, opDelete},
                                  {LB_RESETCONTENT, opReset}, {LB_GETCOUNT, opCount}, {LB_GETCURSEL, opGetCur},
                                  {LB_SETCURSEL, opSetCur}, {LB_GETTEXT, opGetText}, {LB_GETTEXTLEN, opGetTextLen},
                                  {LB_FINDSTRING, opFind}, {LB_FINDSTRINGEXACT, opFindExact},
                                  {LB_SELECTSTRING, opSelect}, {LB_GETITEMDATA, opGetData},
                                  {LB_SETITEMDATA, opSetData}};
    for (const auto& op : ops) {
        if (op[0] == message) {
            bool handled = false;
            return list.handle(op[1], w, l, (style & LBS_SORT) != 0, handled);
        }
    }
    switch (message) {
    case WM_SETFOCUS:
        if ((style & LBS_NOTIFY) != 0) notifyParent(LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if ((style & LBS_NOTIFY) != 0) notifyParent(LBN_KILLFOCUS);
        return 0;
    default:
        return HWND__::classProc(message, w, l);
    }
}

class ButtonWindow : public HWND__ {
public:
    using HWND__::HWND__;
    LRESULT classProc(UINT message, WPARAM w, LPARAM l) override;
    int check = BST_UNCHECKED;

    DWORD kind() const { return style & BS_TYPEMASK; }
};

LRESULT ButtonWindow::classProc(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case BM_GETCHECK:
        return check;
    case BM_SETCHECK:
        check = static_cast<int>(w);
        return 0;
    case BM_CLICK:
        if (!enabled) return 0;
        if (kind() == BS_AUTOCHECKBOX) check = check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        if (kind() == BS_AUTORADIOBUTTON && parent != nullptr) {
            // Checking a radio button clears the others of its group (up to the next WS_GROUP).
            auto& sib = parent->children;
            auto self = std::find_if(sib.begin(), sib.end(), [&](const auto& c) { return c.get() == this; });
            auto first = self;
            while (first != sib.begin() && ((*first)->style & WS_GROUP) == 0) --first;
            for (auto it = first; it != sib.end(); ++it) {
                if (it != first && ((*it)->style & WS_GROUP) != 0) break;
                if (auto* b = dynamic_cast<ButtonWindow*>(it->get()); b != nullptr && b->kind() == BS_AUTORADIOBUTTON)
                    b->check = BST_UNCHECKED;
            }
            check = BST_CHECKED;
        }
        notifyParent(BN_CLICKED);
        return 0;
    default:
        return HWND__::classProc(message, w, l);
    }
}

}  // namespace

HWND__::HWND__(std::string cls, UINT controlId, DWORD controlStyle, std::string initialText)
    : windowClass(std::move(cls)), id(controlId), style(controlStyle), text(std::move(initialText)),
      enabled((controlStyle & WS_DISABLED) == 0)
{
    liveWindows().insert(this);
}

HWND__::~HWND__()
{
    children.clear();
    if (g_focus == this) g_focus = nullptr;
    if (object != nullptr) object->m_hWnd = nullptr;
    liveWindows().erase(this);
}

LRESULT HWND__::classProc(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_SETTEXT:
        text = textOf(l);
        return TRUE;
    case WM_GETTEXT:
        return copyText(text, w, l);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(text.size());
    default:
        return 0;
    }
}

void HWND__::notifyParent(UINT code)
{
    if (parent != nullptr) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(this));
}

HWND__* HWND__::child(UINT childId) const
{
    for (const auto& c : children) {
        if (c->id == childId) return c.get();
    }
    return nullptr;
}

HWND__* HWND__::dialog()
{
    HWND__* w = this;
    while (w->parent != nullptr) w = w->parent;
    return w;
}

std::unique_ptr<HWND__> makeControl(const std::string& cls, UINT id, DWORD style, const std::string& text)
{
    std::string c = zrxhost::upperAscii(cls);
    if (c == "EDIT") return std::make_unique<EditWindow>(c, id, style, text);
    if (c == "COMBOBOX") return std::make_unique<ComboWindow>(c, id, style, text);
    if (c == "LISTBOX") return std::make_unique<ListWindow>(c, id, style, text);
    if (c == "BUTTON") return std::make_unique<ButtonWindow>(c, id, style, text);
    if (c == "STATIC") return std::make_unique<HWND__>(c, id, style, text);
    return nullptr;
}

std::unique_ptr<HWND__> makeDialogWindow(const std::string& caption)
{
    return std::make_unique<HWND__>("#32770", 0, 0, caption);
}

bool UserControl::setText(HWND control, const std::string& t)
{
    if (auto* e = dynamic_cast<EditWindow*>(control)) {
        if ((e->style & ES_READONLY) != 0) return false;
        SetFocus(e);
        e->sel.set(0, -1, e->text.size());
        e->replace(t);
        return true;
    }
    if (auto* c = dynamic_cast<ComboWindow*>(control)) {
        if (c->dropList()) return select(control, t);
        SetFocus(c);
        c->sel.set(0, -1, c->text.size());
        c->editReplace(t);
        return true;
    }
    if (dynamic_cast<ListWindow*>(control) != nullptr) return select(control, t);
    if (auto* b = dynamic_cast<ButtonWindow*>(control)) {
        int want = t == "1" ? BST_CHECKED : BST_UNCHECKED;
        if (b->kind() != BS_AUTOCHECKBOX && b->kind() != BS_AUTORADIOBUTTON && b->kind() != BS_CHECKBOX &&
            b->kind() != BS_RADIOBUTTON)
            return false;
        if (b->check != want) click(b);
        return true;
    }
    return false;
}

bool UserControl::select(HWND control, const std::string& item)
{
    if (auto* c = dynamic_cast<ComboWindow*>(control)) {
        int i = c->list.userFind(item);
        if (i < 0) return false;
        SetFocus(c);
        c->userChoose(i);
        return true;
    }
    if (auto* l = dynamic_cast<ListWindow*>(control)) {
        int i = l->list.userFind(item);
        if (i < 0) return false;
        SetFocus(l);
        l->userChoose(i);
        return true;
    }
    return false;
}

void UserControl::type(HWND control, const std::string& chars)
{
    // Tabbing into a field selects its whole text, so typing replaces it; typing on in the
    // field that has the focus goes on where the caret is.
    if (GetFocus() != control) {
        SetFocus(control);
        if (auto* e = dynamic_cast<EditWindow*>(control)) e->sel.set(0, -1, e->text.size());
        if (auto* c = dynamic_cast<ComboWindow*>(control)) c->sel.set(0, -1, c->text.size());
    }
    size_t i = 0;
    while (i < chars.size() && IsWindow(control)) {
        unsigned cp = zrxhost::nextCodePoint(chars, i);
        SendMessageA(control, WM_CHAR, cp, 1);
    }
}

bool UserControl::paste(HWND control, const std::string& t)
{
    auto* e = dynamic_cast<EditWindow*>(control);
    auto* c = dynamic_cast<ComboWindow*>(control);
    if ((e == nullptr || (e->style & ES_READONLY) != 0) && (c == nullptr || c->dropList())) return false;
    g_clipboard = t;
    SetFocus(control);
    if (e != nullptr) e->sel.set(0, -1, e->text.size());
    if (c != nullptr) c->sel.set(0, -1, c->text.size());
    if (IsWindow(control)) SendMessageA(control, WM_CHAR, kCtrlV, 1);
    return true;
}

void UserControl::click(HWND control)
{
    // A push button takes the focus when clicked, so the control that had it loses it first.
    SetFocus(control);
    if (IsWindow(control)) SendMessageA(control, BM_CLICK, 0, 0);
}

// The platform's window functions.

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!live(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (window->object != nullptr) return window->object->WindowProc(message, wParam, lParam);
    return window->classProc(message, wParam, lParam);
}

BOOL IsWindow(HWND window) { return live(window) ? TRUE : FALSE; }

HWND GetDlgItem(HWND dialog, int id) { return live(dialog) ? dialog->child(static_cast<UINT>(id)) : nullptr; }

int GetDlgCtrlID(HWND window) { return live(window) ? static_cast<int>(window->id) : 0; }

HWND GetParent(HWND window) { return live(window) ? window->parent : nullptr; }

int GetWindowTextA(HWND window, LPSTR buffer, int size)
{
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(std::max(size, 0)), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND window) { return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)); }

BOOL SetWindowTextA(HWND window, LPCSTR text)
{
    if (!live(window)) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != CB_ERR ? TRUE : FALSE;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) { return SetWindowTextA(GetDlgItem(dialog, id), text); }

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size)
{
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) {
        if (buffer != nullptr && size > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(item, buffer, size));
}

BOOL EnableWindow(HWND window, BOOL enable)
{
    if (!live(window)) return FALSE;
    BOOL wasDisabled = window->enabled ? FALSE : TRUE;
    if (window->enabled != (enable != FALSE)) {
        window->enabled = enable != FALSE;
        // A disabled window cannot keep the focus.
        if (!window->enabled && g_focus == window) SetFocus(nullptr);
        SendMessageA(window, WM_ENABLE, enable, 0);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) { return live(window) && window->enabled ? TRUE : FALSE; }

BOOL ShowWindow(HWND window, int show)
{
    if (!live(window)) return FALSE;
    BOOL was = window->visible ? TRUE : FALSE;
    window->visible = show != SW_HIDE;
    if (!window->visible && g_focus == window) SetFocus(nullptr);
    return was;
}

BOOL IsWindowVisible(HWND window) { return live(window) && window->visible ? TRUE : FALSE; }

HWND SetFocus(HWND window)
{
    HWND old = live(g_focus) ? g_focus : nullptr;
    if (window != nullptr && (!live(window) || !window->enabled)) return old;
    if (window == old) return old;
    g_focus = window;
    if (old != nullptr) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window != nullptr && g_focus == window) SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() { return live(g_focus) ? g_focus : nullptr; }
