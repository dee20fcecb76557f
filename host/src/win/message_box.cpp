// Message and alert boxes on the command line.
#include <string>
#include <vector>

#include "util/text_case.h"
#include "zrx/win_boxes.h"
#include "zrx/zc_adsdefs.h"
#include "zrxhost/command_line.h"

namespace {

struct Button {
    int id;
    const char* name;
};

const Button kButtons[] = {{IDOK, "OK"},         {IDCANCEL, "Cancel"},    {IDABORT, "Abort"},
                           {IDRETRY, "Retry"},   {IDIGNORE, "Ignore"},    {IDYES, "Yes"},
                           {IDNO, "No"},         {IDTRYAGAIN, "Try Again"}, {IDCONTINUE, "Continue"}};

std::vector<int> buttonsOf(UINT type)
{
    switch (type & 0xF) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: return {IDOK};
    }
}

// What Esc gives: Cancel where the box has it, OK on a box with OK alone, nothing otherwise.
int escapeAnswer(const std::vector<int>& buttons)
{
    for (int b : buttons) {
        if (b == IDCANCEL) return IDCANCEL;
    }
    return buttons.size() == 1 && buttons[0] == IDOK ? IDOK : 0;
}

int answerOf(const std::string& line, const std::vector<int>& buttons)
{
    if (line == "*cancel*") return escapeAnswer(buttons);
    for (const auto& b : kButtons) {
        if (!zrxhost::equalsNoCase(line, b.name)) continue;
        for (int have : buttons) {
            if (have == b.id) return b.id;
        }
    }
    return 0;
}

int showBox(const char* text, UINT type)
{
    std::string t = text != nullptr ? text : "";
    // One box, one line of the transcript: the line ends the text already has are not repeated.
    while (!t.empty() && (t.front() == '\n' || t.front() == '\r')) t.erase(0, 1);
    while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
    std::vector<int> buttons = buttonsOf(type);
    size_t def = static_cast<size_t>((type >> 8) & 0xF);
    int answer = buttons[def < buttons.size() ? def : 0];
    std::string echo;
    if (zrxhost::AnswerSource* input = zrxhost::answerSource()) {
        if (auto next = input->peek()) {
            if (int given = answerOf(*next, buttons)) {
                input->take();
                answer = given;
                echo = " " + *next;
            }
        }
    }
    zrxhost::writeCommandLine("[MessageBox] " + t + echo + "\n");
    return answer;
}

}  // namespace

int MessageBoxA(HWND /*owner*/, LPCSTR text, LPCSTR /*caption*/, UINT type) { return showBox(text, type); }

int AfxMessageBox(LPCTSTR text, UINT type, UINT /*helpId*/) { return showBox(text, type); }

int zcedAlert(const char* text)
{
    showBox(text, MB_OK);
    return RTNORM;
}
