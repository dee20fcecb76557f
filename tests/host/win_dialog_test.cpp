// Headless dialogs played from the input, written as the module writes its MFC dialogs.
#include <gtest/gtest.h>

#include "win/resource_script.h"
#include "win_fixture.h"
#include "zrx.h"
#include "zrxhost/dialog_form.h"

namespace {

// A numeric edit as the module's numeric controls are written: the character is processed,
// then the first character that makes the text no number is selected and cleared.
class NumberEdit : public CEdit {
public:
    int checks = 0;

protected:
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags)
    {
        CEdit::OnChar(ch, repeat, flags);
        ++checks;
        CString text;
        GetWindowText(text);
        for (int i = 0; i < text.GetLength(); ++i) {
            char c = text[i];
            bool ok = (c >= '0' && c <= '9') || (c == '-' && i == 0) || (c == '.' && text.Find('.') == i);
            if (!ok) {
                SetSel(i, i + 1);
                Clear();
                return;
            }
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NumberEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// The edit part of a combo box checked on the reflected edit-update notification.
class DigitsCombo : public CComboBox {
protected:
    afx_msg void OnEditUpdate()
    {
        CString text;
        GetWindowText(text);
        int bad = text.SpanIncluding("0123456789").GetLength();
        if (bad < text.GetLength()) {
            SetEditSel(bad, bad + 1);
            Clear();
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DigitsCombo, CComboBox)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, &DigitsCombo::OnEditUpdate)
END_MESSAGE_MAP()

enum { IDD_FRAME = 203, IDC_SHIP = 207, IDC_START = 201, IDC_END = 202, IDC_SHIFT = 205, IDC_NOTE = 208, IDC_COUNT = 209,
       IDC_LOCK = 210 };

class DclFrames : public CDialog {
public:
    DclFrames() : CDialog(IDD_FRAME), m_note("初期メモ") {}
    CComboBox m_ship;
    CComboBox m_start;
    NumberEdit m_shift;
    DigitsCombo m_count;
    CString m_note;
    CStringArray shipChanges;
    bool refused = false;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_SHIP, m_ship);
        DDX_Control(dx, IDC_START, m_start);
        DDX_Control(dx, IDC_SHIFT, m_shift);
        DDX_Control(dx, IDC_COUNT, m_count);
        DDX_Text(dx, IDC_NOTE, m_note);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* s : {"S200", "s100", "S150"}) m_ship.AddString(s);
        for (const char* f : {"FR30", "FR10", "FR20"}) m_start.AddString(f);
        m_ship.SelectString(-1, "s1");
        GetDlgItem(IDC_LOCK)->EnableWindow(FALSE);
        return TRUE;
    }
    void OnOK() override
    {
        CString start;
        m_start.GetWindowText(start);
        if (start.IsEmpty()) {
            refused = true;
            AfxMessageBox("開始フレームが選択されていません。", MB_ICONEXCLAMATION);
            GotoDlgCtrl(&m_start);
            return;
        }
        CDialog::OnOK();
    }
    afx_msg void OnShipChange()
    {
        CString ship;
        m_ship.GetLBText(m_ship.GetCurSel(), ship);
        shipChanges.Add(ship);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DclFrames, CDialog)
    ON_CBN_SELCHANGE(IDC_SHIP, &DclFrames::OnShipChange)
END_MESSAGE_MAP()

class Dialogs : public wintest::DriveTest {
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        zcrxAddDialogTemplate({IDD_FRAME,
                               "平行部外板展開図",
                               {{"COMBOBOX", IDC_SHIP, CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP, ""},
                                {"COMBOBOX", IDC_START, CBS_DROPDOWNLIST | WS_TABSTOP, ""},
                                {"EDIT", IDC_SHIFT, ES_AUTOHSCROLL | WS_TABSTOP, ""},
                                {"EDIT", IDC_NOTE, ES_AUTOHSCROLL, "メモ"},
                                {"COMBOBOX", IDC_COUNT, CBS_DROPDOWN, ""},
                                {"BUTTON", IDC_LOCK, BS_PUSHBUTTON, "固定"},
                                {"BUTTON", IDOK, BS_DEFPUSHBUTTON, "OK"},
                                {"BUTTON", IDCANCEL, BS_PUSHBUTTON, "キャンセル"}}});
    }
};

TEST_F(Dialogs, AnOkHandlerThatRefusesKeepsTheDialogOpen)
{
    input.add("click 1");
    input.add("select 201 fr2");
    input.add("click 1");
    DclFrames dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.refused);
    EXPECT_NE(transcript.find("[MessageBox] 開始フレームが選択されていません。\n[Dialog] select 201 fr2\n"), std::string::npos);
    EXPECT_NE(transcript.find("[Dialog] closed with OK"), std::string::npos);
    // The member's text replaced the template's at initialisation and came back unchanged.
    EXPECT_EQ(dlg.m_note, "初期メモ");
    // The member controls let go of the windows with the dialog.
    EXPECT_EQ(dlg.m_ship.m_hWnd, nullptr);
}

TEST_F(Dialogs, SortedAndUnsortedListsAndSelectionByPrefix)
{
    input.add("select 207 S200");
    input.add("*cancel*");
    DclFrames dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // The sorted box selected "s100" by prefix at start, then the user chose S200.
    EXPECT_EQ(dlg.shipChanges.GetSize(), 1);
    EXPECT_EQ(dlg.shipChanges[0], "S200");
    EXPECT_NE(transcript.find("[Dialog] closed with Cancel"), std::string::npos);
}

TEST_F(Dialogs, ComboBoxItemsKeepTheirOrder)
{
    struct Probe : DclFrames {
        std::vector<std::string> ships, starts;
        BOOL OnInitDialog() override
        {
            DclFrames::OnInitDialog();
            CString s;
            for (int i = 0; i < m_ship.GetCount(); ++i) {
                m_ship.GetLBText(i, s);
                ships.push_back(s.str());
            }
            for (int i = 0; i < m_start.GetCount(); ++i) {
                m_start.GetLBText(i, s);
                starts.push_back(s.str());
            }
            CString current;
            m_ship.GetWindowText(current);
            ships.push_back("current:" + current.str());
            EXPECT_EQ(m_start.FindStringExact(-1, "fr20"), 2);
            EXPECT_EQ(m_start.FindString(1, "FR"), 2);
            EXPECT_EQ(m_start.SelectString(-1, "x"), CB_ERR);
            return TRUE;
        }
    } dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.ships, (std::vector<std::string>{"s100", "S150", "S200", "current:s100"}));
    EXPECT_EQ(dlg.starts, (std::vector<std::string>{"FR30", "FR10", "FR20"}));
}

TEST_F(Dialogs, TypedCharactersReachTheControlOneByOne)
{
    input.add("type 205 -12a.5.0");
    input.add("type 209 3x4");
    input.add("set 208 新しいメモ");
    input.add("click 1");
    input.add("select 201 FR10");
    input.add("click 1");
    CString shift;
    CString count;
    struct Capture : DclFrames {
        CString* shift;
        CString* count;
        void OnOK() override
        {
            m_shift.GetWindowText(*shift);
            m_count.GetWindowText(*count);
            DclFrames::OnOK();
        }
    } probe;
    probe.shift = &shift;
    probe.count = &count;
    EXPECT_EQ(probe.DoModal(), IDOK);
    EXPECT_EQ(shift, "-12.50");
    EXPECT_EQ(probe.m_shift.checks, 8);
    EXPECT_EQ(count, "34");
    EXPECT_EQ(probe.m_note, "新しいメモ");
}

TEST_F(Dialogs, DisabledControlsAndUnknownActionsAreRefused)
{
    input.add("click 210");
    input.add("select 207 S999");
    input.add("push 1");
    input.add("set 999 x");
    DclFrames dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_NE(transcript.find("control 210 cannot be used"), std::string::npos);
    EXPECT_NE(transcript.find("no item \"S999\" in control 207"), std::string::npos);
    EXPECT_NE(transcript.find("not a dialog action: push 1"), std::string::npos);
    EXPECT_NE(transcript.find("no control 999"), std::string::npos);
    EXPECT_NE(transcript.find("input ended: cancelled"), std::string::npos);
    EXPECT_TRUE(dlg.shipChanges.IsEmpty());
}

TEST_F(Dialogs, AMissingTemplateCannotBeShown)
{
    CDialog dlg(9999);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(Dialogs, DataExchangeRefusesANonNumberAndTellsTheUser)
{
    zcrxAddDialogTemplate({300, "数値", {{"EDIT", 100, 0, "12.5"}, {"EDIT", 101, 0, "7"}}});
    struct Numbers : CDialog {
        Numbers() : CDialog(300) {}
        double value = 12.5;
        int count = 0;
        void DoDataExchange(CDataExchange* dx) override
        {
            DDX_Text(dx, 100, value);
            DDX_Text(dx, 101, count);
        }
    } dlg;
    input.add("set 101 seven");
    input.add("click 1");
    input.add("set 101 8");
    input.add("click 1");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.value, 12.5);
    EXPECT_EQ(dlg.count, 8);
    EXPECT_NE(transcript.find("[MessageBox] 整数を入力してください。"), std::string::npos);
}

TEST_F(Dialogs, AFormShowsEachControlWithItsLabelAndValueBeforeEveryAction)
{
    zcrxAddDialogTemplate({301,
                           "形",
                           {{"STATIC", 0xFFFF, 0, "シフト量"},
                            {"EDIT", 100, 0, "12"},
                            {"STATIC", 0xFFFF, 0, "mm"},
                            {"STATIC", 0xFFFF, 0, "フレーム"},
                            {"COMBOBOX", 101, CBS_DROPDOWNLIST, ""},
                            {"BUTTON", IDOK, BS_DEFPUSHBUTTON, "OK"}}});
    struct Form : CDialog {
        Form() : CDialog(301) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            auto* list = static_cast<CComboBox*>(GetDlgItem(101));
            for (int i = 0; i < 8; ++i) list->AddString(("FR." + std::to_string(i)).c_str());
            list->SetCurSel(0);
            GetDlgItem(101)->EnableWindow(FALSE);
            return TRUE;
        }
    } dlg;
    zrxhost::setDialogForms(true);
    input.add("type 100 3");
    input.add("click 1");
    dlg.DoModal();
    zrxhost::setDialogForms(false);
    const std::string form = "[Dialog] 形\n  100 EDIT シフト量 = \"%s\"\n"
                             "  101 COMBOBOX フレーム = \"FR.0\" of 8 items: FR.0, FR.1, FR.2, FR.3, FR.4, ..., FR.7 (disabled)\n"
                             "  1 BUTTON OK\nDialog action (set ID text, type ID chars, paste ID text, select ID item, "
                             "click ID, *cancel*): ";
    char first[512];
    char second[512];
    std::snprintf(first, sizeof first, form.c_str(), "12");
    std::snprintf(second, sizeof second, form.c_str(), "3");
    EXPECT_NE(transcript.find(std::string(first) + "[Dialog] type 100 3\n" + second + "[Dialog] click 1\n"), std::string::npos)
        << transcript;
}

TEST_F(Dialogs, PastingNeedsATextField)
{
    input.add("paste 207 S1");
    input.add("paste 209 4x");
    input.add("paste 209 56");
    input.add("*cancel*");
    struct Capture : DclFrames {
        CString count;
        void OnCancel() override
        {
            m_count.GetWindowText(count);
            DclFrames::OnCancel();
        }
    } probe;
    probe.DoModal();
    EXPECT_NE(transcript.find("control 207 takes no text"), std::string::npos);
    // The second paste replaced the whole text of the first.
    EXPECT_EQ(probe.count, "56");
}

TEST(ResourceScript, DialogsWithTheirControlsIdsAndStyles)
{
    const std::string script = R"(// resource.h
#define IDD_SHIFT 300
#define IDC_SHIP  301
#define IDC_SHIFT 302
#include "resource.h"
IDD_SHIFT DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "シフト ""量"""
FONT 9, "ＭＳ Ｐゴシック", 0, 0, 0x1
BEGIN
    LTEXT           "船番",IDC_STATIC,7,9,40,8
    COMBOBOX        IDC_SHIP,50,7,80,120,CBS_DROPDOWNLIST | CBS_SORT |
                    WS_VSCROLL | WS_TABSTOP
    EDITTEXT        IDC_SHIFT,50,30,60,12,ES_AUTOHSCROLL | NOT WS_BORDER
    CONTROL         "固定",303,"Button",BS_AUTOCHECKBOX | WS_TABSTOP,7,50,40,10
    DEFPUSHBUTTON   "OK",IDOK,90,80,50,14
END
)";
    std::map<UINT, ZcDialogTemplate> dialogs;
    std::deque<std::string> strings;
    std::string error;
    ASSERT_TRUE(zrxhost::parseResourceScript(script, dialogs, strings, error)) << error;
    ASSERT_EQ(dialogs.count(300), 1u);
    const ZcDialogTemplate& t = dialogs[300];
    EXPECT_STREQ(t.caption, "シフト \"量\"");
    ASSERT_EQ(t.items.size(), 5u);
    EXPECT_STREQ(t.items[0].windowClass, "STATIC");
    EXPECT_EQ(t.items[0].id, 0xFFFFu);
    EXPECT_EQ(t.items[1].id, 301u);
    EXPECT_EQ(t.items[1].style, static_cast<DWORD>(CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP));
    EXPECT_STREQ(t.items[2].windowClass, "EDIT");
    EXPECT_EQ(t.items[2].style, static_cast<DWORD>(ES_AUTOHSCROLL | WS_TABSTOP));
    EXPECT_STREQ(t.items[3].windowClass, "Button");
    EXPECT_STREQ(t.items[3].text, "固定");
    EXPECT_EQ(t.items[3].style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    EXPECT_EQ(t.items[4].id, static_cast<UINT>(IDOK));
    EXPECT_EQ(t.items[4].style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST(ResourceScript, WhatItCannotReadIsNamedWithItsLine)
{
    std::map<UINT, ZcDialogTemplate> dialogs;
    std::deque<std::string> strings;
    std::string error;
    EXPECT_FALSE(zrxhost::parseResourceScript("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n  EDITTEXT 5,1,1,1,1,ES_WIDE\nEND\n", dialogs,
                                              strings, error));
    EXPECT_EQ(error, "line 3: unknown name ES_WIDE");
    EXPECT_FALSE(zrxhost::parseResourceScript("IDR_MENU MENU\nBEGIN\nEND\n", dialogs, strings, error));
    EXPECT_EQ(error, "line 1: only dialogs are read, not MENU");
}

}  // namespace
