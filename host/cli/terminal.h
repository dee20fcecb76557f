// Answers typed at the terminal, with line editing and history.
#pragma once

#include <optional>
#include <string>

#include "zrxhost/command_line.h"

class TerminalSource : public zrxhost::AnswerSource {
public:
    // History is kept in the file between sessions (none when the path is empty).
    explicit TerminalSource(std::string historyFile);
    ~TerminalSource() override;
    std::optional<std::string> peek() override;
    std::optional<std::string> take() override;

private:
    std::optional<std::string> readLine();
    std::string m_historyFile;
    std::optional<std::optional<std::string>> m_peeked;
};

// The command line as the terminal shows it: what the user typed is on screen already, so
// the echo of an answer is not written again.
void useTerminalCommandLine();
