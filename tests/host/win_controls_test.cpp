// The controls' own behaviour, message by message, and the routing of their notifications
// through MFC message maps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/window.h"
#include "zrx.h"

namespace {

// A parent that records every notification its controls send.
class Recorder : public CWnd {
public:
    std::vector<std::string> seen;
    int selectionChanges = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
        return CWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnSelectionChange() { ++selectionChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Recorder, CWnd)
    ON_CBN_SELCHANGE(200, &Recorder::OnSelectionChange)
END_MESSAGE_MAP()

class Controls : public ::testing::Test {
protected:
    HWND add(const char* cls, UINT id, DWORD style, const char* text = "")
    {
        auto c = makeControl(cls, id, style, text);
        c->parent = dialog.get();
        dialog->children.push_back(std::move(c));
        return dialog->children.back().get();
    }
    void SetUp() override { parent.SubclassWindow(dialog.get()); }
    void TearDown() override { parent.UnsubclassWindow(); }

    std::unique_ptr<HWND__> dialog = makeDialogWindow("test");
    Recorder parent;
};

std::string textOf(HWND w)
{
    char buf[256];
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

TEST_F(Controls, AnEditReplacesItsSelectionAndNotifiesUpdateThenChange)
{
    HWND e = add("EDIT", 100, 0, "12345");
    SendMessageA(e, EM_SETSEL, 1, 3);
    SendMessageA(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("ab"));
    EXPECT_EQ(textOf(e), "1ab45");
    EXPECT_EQ(parent.seen, (std::vector<std::string>{"100:1024", "100:768"}));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 3u);
    // -1 as the end selects to the end of the text.
    SendMessageA(e, EM_SETSEL, 2, -1);
    SendMessageA(e, WM_CLEAR, 0, 0);
    EXPECT_EQ(textOf(e), "1a");
}

TEST_F(Controls, BackspaceRemovesAWholeCharacter)
{
    HWND e = add("EDIT", 100, 0, "");
    for (unsigned ch : {0x5F62u, 0x92FCu, static_cast<unsigned>(VK_BACK)}) SendMessageA(e, WM_CHAR, ch, 1);
    EXPECT_EQ(textOf(e), "形");
    SendMessageA(e, WM_CHAR, VK_BACK, 1);
    SendMessageA(e, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(textOf(e), "");
}

TEST_F(Controls, EditStylesFilterWhatIsTyped)
{
    HWND digits = add("EDIT", 101, ES_NUMBER, "");
    HWND upper = add("EDIT", 102, ES_UPPERCASE, "");
    HWND fixed = add("EDIT", 103, ES_READONLY, "固定");
    for (char c : std::string("a1-2")) {
        SendMessageA(digits, WM_CHAR, static_cast<WPARAM>(c), 1);
        SendMessageA(upper, WM_CHAR, static_cast<WPARAM>(c), 1);
        SendMessageA(fixed, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    EXPECT_EQ(textOf(digits), "12");
    EXPECT_EQ(textOf(upper), "A1-2");
    EXPECT_EQ(textOf(fixed), "固定");
    CEdit* edit = static_cast<CEdit*>(CWnd::FromHandle(fixed));
    edit->SetReadOnly(FALSE);
    edit->SetSel(0, -1);
    edit->ReplaceSel("可");
    EXPECT_EQ(textOf(fixed), "可");
}

TEST_F(Controls, ALimitCutsWhatIsTypedAndSaysSo)
{
    HWND e = add("EDIT", 100, 0, "");
    SendMessageA(e, EM_LIMITTEXT, 3, 0);
    SendMessageA(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("12345"));
    EXPECT_EQ(textOf(e), "123");
    EXPECT_EQ(parent.seen.front(), "100:1281");
}

TEST_F(Controls, DeletingItemsKeepsTheSelectionOnTheSameItem)
{
    HWND c = add("COMBOBOX", 200, CBS_DROPDOWNLIST, "");
    CComboBox* box = static_cast<CComboBox*>(CWnd::FromHandle(c));
    for (const char* s : {"A", "B", "C"}) box->AddString(s);
    box->SetCurSel(2);
    EXPECT_EQ(box->DeleteString(0), 2);
    EXPECT_EQ(box->GetCurSel(), 1);
    EXPECT_EQ(textOf(c), "C");
    box->InsertString(0, "Z");
    EXPECT_EQ(box->GetCurSel(), 2);
    box->DeleteString(2);
    EXPECT_EQ(box->GetCurSel(), CB_ERR);
    EXPECT_EQ(box->SetItemData(0, 77), 0);
    EXPECT_EQ(box->GetItemData(0), 77u);
    EXPECT_EQ(box->SetCurSel(5), CB_ERR);
    EXPECT_EQ(textOf(c), "");
    // A drop-down list takes as its text only one of its items.
    EXPECT_FALSE(SetWindowTextA(c, "Q"));
    EXPECT_TRUE(SetWindowTextA(c, "b"));
    EXPECT_EQ(textOf(c), "B");
    // Program changes do not notify; only the user's do.
    EXPECT_TRUE(parent.seen.empty());
    EXPECT_EQ(box->SetEditSel(0, 1), FALSE);
}

TEST_F(Controls, AKeyInADropDownListChoosesTheNextItemBeginningWithIt)
{
    HWND c = add("COMBOBOX", 200, CBS_DROPDOWNLIST | CBS_SORT, "");
    CComboBox* box = static_cast<CComboBox*>(CWnd::FromHandle(c));
    for (const char* s : {"FR12", "AP", "fr10"}) box->AddString(s);
    SendMessageA(c, WM_CHAR, 'f', 1);
    EXPECT_EQ(textOf(c), "fr10");
    SendMessageA(c, WM_CHAR, 'F', 1);
    EXPECT_EQ(textOf(c), "FR12");
    EXPECT_EQ(parent.seen, (std::vector<std::string>{"200:1", "200:9", "200:1", "200:9"}));
    EXPECT_EQ(parent.selectionChanges, 2);
}

TEST_F(Controls, AListBoxNotifiesOnlyWithLbsNotify)
{
    HWND quiet = add("LISTBOX", 300, LBS_SORT, "");
    HWND told = add("LISTBOX", 301, LBS_STANDARD, "");
    for (HWND l : {quiet, told}) {
        for (const char* s : {"b", "a"}) SendMessageA(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        UserControl::select(l, "B");
    }
    CString text;
    static_cast<CListBox*>(CWnd::FromHandle(quiet))->GetText(1, text);
    EXPECT_EQ(text, "b");
    EXPECT_EQ(SendMessageA(quiet, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(parent.seen, (std::vector<std::string>{"301:4", "301:1"}));
}

TEST_F(Controls, RadioButtonsOfAGroupClearEachOther)
{
    HWND a = add("BUTTON", 400, BS_AUTORADIOBUTTON | WS_GROUP, "A");
    HWND b = add("BUTTON", 401, BS_AUTORADIOBUTTON, "B");
    HWND other = add("BUTTON", 402, BS_AUTORADIOBUTTON | WS_GROUP, "C");
    UserControl::click(a);
    UserControl::click(other);
    UserControl::click(b);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND box = add("BUTTON", 403, BS_AUTOCHECKBOX, "D");
    EXPECT_TRUE(UserControl::setText(box, "1"));
    EXPECT_TRUE(UserControl::setText(box, "1"));
    EXPECT_EQ(static_cast<CButton*>(CWnd::FromHandle(box))->GetCheck(), BST_CHECKED);
}

TEST_F(Controls, FocusMovesWithNotificationsAndNeverToADisabledWindow)
{
    HWND e = add("EDIT", 100, 0, "");
    HWND c = add("COMBOBOX", 200, CBS_DROPDOWN, "");
    SetFocus(e);
    SetFocus(c);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_EQ(parent.seen, (std::vector<std::string>{"100:256", "100:512", "200:3"}));
    EXPECT_EQ(EnableWindow(e, FALSE), FALSE);
    EXPECT_EQ(SetFocus(e), c);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_EQ(EnableWindow(c, FALSE), FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(EnableWindow(c, TRUE), TRUE);
}

// A control that handles its own notification and may still let the parent see it.
class PassingCombo : public CComboBox {
public:
    bool pass = false;
    int handled = 0;

protected:
    afx_msg BOOL OnSelChange()
    {
        ++handled;
        return pass ? FALSE : TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PassingCombo, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, &PassingCombo::OnSelChange)
END_MESSAGE_MAP()

TEST_F(Controls, AReflectedNotificationReachesTheParentOnlyWhenLetThrough)
{
    HWND c = add("COMBOBOX", 200, CBS_DROPDOWNLIST, "");
    PassingCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(c));
    combo.AddString("A");
    combo.AddString("B");
    UserControl::select(c, "B");
    combo.pass = true;
    UserControl::select(c, "A");
    EXPECT_EQ(combo.handled, 2);
    EXPECT_EQ(parent.selectionChanges, 1);
    EXPECT_TRUE(combo.IsKindOf(RUNTIME_CLASS(CComboBox)));
    EXPECT_FALSE(combo.IsKindOf(RUNTIME_CLASS(CEdit)));
    CWnd* plain = &combo;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CComboBox, plain), &combo);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CListBox, plain), nullptr);
    combo.UnsubclassWindow();
}

}  // namespace
