// The host as an application: where answers come from, the command loop, scripts, and the
// checks run after every command. For the trevan program and the tests; plug-ins never
// see this.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zrxhost/command_line.h"

namespace zrxhost {

// Answers from a file or a text, one per line; a trailing "\r" is dropped, so scripts
// written on Windows read the same.
class ZRX_API LineSource : public AnswerSource {
public:
    LineSource(std::string name, std::vector<std::string> lines);
    // Null (and the reason in error) when the file cannot be read.
    static std::unique_ptr<LineSource> fromFile(const std::string& path, std::string* error);
    static std::unique_ptr<LineSource> fromText(const std::string& name, const std::string& text);

    std::optional<std::string> peek() override;
    std::optional<std::string> take() override;
    // "name:line" of the line taken last.
    std::string where() const;

private:
    std::string m_name;
    std::vector<std::string> m_lines;
    size_t m_next = 0;
};

// Interactive input asks again after an answer it cannot use; script input stops there,
// and the run ends with the reason.
enum class InputMode { Interactive, Script };
ZRX_API void setInputMode(InputMode mode);
ZRX_API InputMode inputMode();

// The first error that stopped a script ("where: what"); empty while there is none.
ZRX_API std::string scriptError();
ZRX_API void clearScriptError();
// Stops the script: later questions are cancelled until the command loop sees the error.
ZRX_API void raiseScriptError(const std::string& what);

// The command loop reads from a stack of sources: queued input of the current document
// first, then scripts started by SCRIPT, then the base source (the program's script or
// terminal). The loop installs the stack as the answer source while it runs.
ZRX_API void setBaseInput(AnswerSource* base);
// Puts a script file's lines ahead of the current input; false (with the reason) when it
// cannot be read.
ZRX_API bool pushScriptFile(const std::string& path, std::string* error);
// Where the last answer came from ("demo.scr:12"); empty for the terminal.
ZRX_API std::string inputLocation();

// Runs commands until the input ends or a script error stops it; true when it ran to the
// end of its input.
ZRX_API bool runCommandLoop();
// Runs one command-prompt answer (a command name or a LISP expression) as the loop does.
ZRX_API void runCommandLine(const std::string& line);

// What the checks after each command found (objects left open, document locks left
// taken, selection sets not released), one line each, since the last clear.
ZRX_API const std::vector<std::string>& checkFailures();
ZRX_API void clearCheckFailures();

// Folders zcedFindFile searches after the drawing's own.
ZRX_API void setSupportFolders(std::vector<std::string> folders);
ZRX_API const std::vector<std::string>& supportFolders();
// The host file a name stands for, found as zcedFindFile finds it: as given (a Windows
// path through the drive map), then next to the working drawing, then in the support
// folders. Nothing when there is no such file.
ZRX_API std::optional<std::string> findHostFile(const std::string& name);

// Starts the application: the first document ("Drawing1.dwg", current, its database the
// working one). Ends it: unloads every module (kUnloadAppMsg), closes every document.
ZRX_API void startApplication();
ZRX_API void endApplication();

}  // namespace zrxhost
