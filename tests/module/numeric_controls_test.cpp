// The numeric edit and combo controls, typed into and pasted into as a person would through
// a dialog played from the input.
#include <gtest/gtest.h>

#include <map>

#include "TrevanCom2002.h"
#include "win_fixture.h"

namespace {

enum { IDD_NUMBERS = 900, IDC_SIGNED = 901, IDC_WHOLE = 902, IDC_FREE = 903, IDC_COMBO = 904 };

// Signed reals of two decimals, unsigned integers, an edit with checking off and a combo of
// one decimal; what each field holds when OK is clicked.
class DclNumbers : public CDialog {
public:
    DclNumbers() : CDialog(IDD_NUMBERS)
    {
        m_signed.SetFigure(2);
        m_signed.SetMinusFlag(1);
        m_free.SetCheckFlag(0);
        m_combo.SetFigure(1);
    }
    CFigureCtrl m_signed;
    CFigureCtrl m_whole;
    CFigureCtrl m_free;
    CFigureComboCtrl m_combo;
    std::map<int, std::string> result;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_SIGNED, m_signed);
        DDX_Control(dx, IDC_WHOLE, m_whole);
        DDX_Control(dx, IDC_FREE, m_free);
        DDX_Control(dx, IDC_COMBO, m_combo);
    }
    void OnOK() override
    {
        for (int id : {IDC_SIGNED, IDC_WHOLE, IDC_FREE, IDC_COMBO}) {
            CString text;
            GetDlgItemText(id, text);
            result[id] = text.str();
        }
        CDialog::OnOK();
    }
};

class NumericControls : public wintest::DriveTest {
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        zcrxAddDialogTemplate({IDD_NUMBERS,
                               "数値",
                               {{"EDIT", IDC_SIGNED, ES_AUTOHSCROLL, ""},
                                {"EDIT", IDC_WHOLE, ES_AUTOHSCROLL, ""},
                                {"EDIT", IDC_FREE, ES_AUTOHSCROLL, ""},
                                {"COMBOBOX", IDC_COMBO, CBS_DROPDOWN, ""},
                                {"BUTTON", IDOK, BS_DEFPUSHBUTTON, "OK"}}});
    }
    // Plays the actions, then OK; the texts the fields held.
    std::map<int, std::string> play(std::initializer_list<const char*> actions)
    {
        for (const char* a : actions) input.add(a);
        input.add("click 1");
        DclNumbers dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        return dlg.result;
    }
};

TEST_F(NumericControls, AMinusStaysOnlyFirstAndOnlyWhereAllowed)
{
    auto r = play({"type 901 -1-2", "type 902 -5-", "type 904 -7"});
    EXPECT_EQ(r[IDC_SIGNED], "-12");
    EXPECT_EQ(r[IDC_WHOLE], "5");
    EXPECT_EQ(r[IDC_COMBO], "7");
}

TEST_F(NumericControls, APointNeedsDecimalsAndComesOnce)
{
    auto r = play({"type 901 1.2.3", "type 902 1.5", "type 904 2.5.1"});
    EXPECT_EQ(r[IDC_SIGNED], "1.23");
    EXPECT_EQ(r[IDC_WHOLE], "15");
    EXPECT_EQ(r[IDC_COMBO], "2.51");
}

TEST_F(NumericControls, TheFigureAllowsAPointButDoesNotCountDecimals)
{
    auto r = play({"type 901 0.12345", "type 904 3.75"});
    EXPECT_EQ(r[IDC_SIGNED], "0.12345");
    EXPECT_EQ(r[IDC_COMBO], "3.75");
}

TEST_F(NumericControls, ALeadingZeroTakesNoSecondZeroButADigit)
{
    auto r = play({"type 901 00", "type 902 05", "type 904 000"});
    EXPECT_EQ(r[IDC_SIGNED], "0");
    EXPECT_EQ(r[IDC_WHOLE], "05");
    EXPECT_EQ(r[IDC_COMBO], "0");
}

TEST_F(NumericControls, OtherCharactersAreDeletedWholeWhereTyped)
{
    auto r = play({"type 901 1あ2x3", "type 902 ４2"});
    EXPECT_EQ(r[IDC_SIGNED], "123");
    EXPECT_EQ(r[IDC_WHOLE], "2");
}

TEST_F(NumericControls, APastedTextLosesOneOffenderPerCheckInTheEditAndAllInTheCombo)
{
    // The edit checks once per typed character (Ctrl+V is one); the combo after every change
    // of its edit part, its own deletions included.
    auto r = play({"paste 901 12a3b-4", "paste 904 x1y2.3z"});
    EXPECT_EQ(r[IDC_SIGNED], "123b-4");
    EXPECT_EQ(r[IDC_COMBO], "12.3");
}

TEST_F(NumericControls, TextSetWithoutTypingIsNotCheckedByTheEdit)
{
    auto r = play({"set 902 abc", "type 902 1"});
    // The next typed character checks the whole text again: the first offender goes.
    EXPECT_EQ(r[IDC_WHOLE], "bc1");
}

TEST_F(NumericControls, CheckingOffLetsEveryTextThrough)
{
    auto r = play({"type 903 -a.b.-", "paste 903 x-1"});
    EXPECT_EQ(r[IDC_FREE], "x-1");
    r = play({"type 903 -a.b.-"});
    EXPECT_EQ(r[IDC_FREE], "-a.b.-");
}

TEST_F(NumericControls, ACheckCalledDirectlyAnswersAndDeletesOneCharacter)
{
    struct Probe : DclNumbers {
        std::vector<int> answers;
        std::vector<std::string> texts;
        BOOL OnInitDialog() override
        {
            DclNumbers::OnInitDialog();
            m_whole.SetWindowText("7x8y");
            for (int i = 0; i < 3; ++i) {
                answers.push_back(m_whole.InputNumCheck());
                CString t;
                m_whole.GetWindowText(t);
                texts.push_back(t.str());
            }
            m_free.SetWindowText("zz");
            answers.push_back(m_free.InputNumCheck());
            return TRUE;
        }
    } dlg;
    input.add("click 1");
    dlg.DoModal();
    EXPECT_EQ(dlg.answers, (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(dlg.texts, (std::vector<std::string>{"78y", "78", "78"}));
    EXPECT_EQ(dlg.result[IDC_FREE], "zz");
}

TEST(NumericDisplay, KeepsAtLeastTheFigureOfDecimals)
{
    CFigureCtrl ctrl;
    ctrl.SetFigure(2);
    CString s;
    std::vector<std::pair<double, const char*>> cases = {
        {500.0, "500.00"}, {1.5, "1.50"}, {1.25, "1.25"}, {1.123456, "1.12345"}, {-0.1, "-0.10"}, {2.0004, "2.0004"}};
    for (auto [value, shown] : cases) {
        ctrl.DataToString(value, s);
        EXPECT_EQ(s, shown) << value;
    }
    ctrl.SetFigure(-1);  // ignored
    ctrl.DataToString(3.0, s);
    EXPECT_EQ(s, "3.00");
    ctrl.SetFigure(0);
    ctrl.DataToString(12.7, s);
    EXPECT_EQ(s, "12");
    ctrl.DataToString(-3.9, s);
    EXPECT_EQ(s, "-3");
    ctrl.SetFigure(6);
    ctrl.DataToString(1.5, s);
    EXPECT_EQ(s, "1.500000");
}

}  // namespace
