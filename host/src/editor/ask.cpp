// Taking one answer line: cancel, Enter, transparent commands and the script-error stop.
#include <string>

#include "editor/editor.h"
#include "util/text_case.h"
#include "zrxhost/command_line.h"
#include "zrxhost/session.h"

namespace zrxhost {
// The command loop runs a transparent command typed at a prompt; false when there is no
// such command or it may not run transparently.
bool runTransparentCommand(const std::string& name);
}

namespace zrxhost::ed {

Answer ask(const char* prompt, const char* fallbackPrompt)
{
    std::string text = prompt != nullptr ? prompt : fallbackPrompt;
    for (;;) {
        if (!zrxhost::scriptError().empty()) return {Answer::kCancel, {}};
        std::string shown = text;
        // One newline is enough after an answer's echo.
        if (atLineStart() && !shown.empty() && shown.front() == '\n') shown.erase(0, 1);
        std::optional<std::string> line = zrxhost::ask(shown);
        noteLineEnded();
        if (!line) return {Answer::kCancel, {}};
        std::string s = *line;
        if (equalsNoCase(s, "*cancel*")) return {Answer::kCancel, {}};
        if (s.empty()) return {Answer::kEnter, {}};
        if (s.size() > 1 && s.front() == '\'') {
            if (runTransparentCommand(s.substr(1))) continue;
            if (!reject("** That command may not be invoked transparently **", s)) return {Answer::kCancel, {}};
            continue;
        }
        return {Answer::kText, s};
    }
}

bool reject(const std::string& message, const std::string& answer)
{
    if (zrxhost::inputMode() == zrxhost::InputMode::Script) {
        zrxhost::raiseScriptError("\"" + answer + "\": " + message);
        return false;
    }
    write("\n" + message + "\n");
    return true;
}

}  // namespace zrxhost::ed
