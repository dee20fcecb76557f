// The interactive command line over libedit.
#include "terminal.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <editline/readline.h>

namespace {
// The answer just typed, whose echo the terminal already shows.
std::optional<std::string> g_typed;
}  // namespace

TerminalSource::TerminalSource(std::string historyFile) : m_historyFile(std::move(historyFile))
{
    using_history();
    if (!m_historyFile.empty()) read_history(m_historyFile.c_str());
}

TerminalSource::~TerminalSource()
{
    if (!m_historyFile.empty()) write_history(m_historyFile.c_str());
}

std::optional<std::string> TerminalSource::readLine()
{
    // The prompt is on the command line already.
    char* raw = readline("");
    if (raw == nullptr) return std::nullopt;
    std::string line = raw;
    std::free(raw);
    if (!line.empty()) add_history(line.c_str());
    return line;
}

std::optional<std::string> TerminalSource::peek()
{
    if (!m_peeked) m_peeked = readLine();
    return *m_peeked;
}

std::optional<std::string> TerminalSource::take()
{
    std::optional<std::string> line = m_peeked ? *m_peeked : readLine();
    m_peeked.reset();
    g_typed = line ? *line + "\n" : std::string("\n");
    return line;
}

void useTerminalCommandLine()
{
    zrxhost::setCommandLineSink([](std::string_view text) {
        if (g_typed && text == *g_typed) {
            g_typed.reset();
            return;
        }
        g_typed.reset();
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    });
}
