// The command line's input and output.
#include "zrxhost/command_line.h"

#include <cstdio>

namespace zrxhost {
namespace {
AnswerSource* g_source = nullptr;

std::function<void(std::string_view)>& sink()
{
    static std::function<void(std::string_view)> s;
    return s;
}
}  // namespace

void setAnswerSource(AnswerSource* source) { g_source = source; }
AnswerSource* answerSource() { return g_source; }

void writeCommandLine(std::string_view text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void setCommandLineSink(std::function<void(std::string_view)> s) { sink() = std::move(s); }

std::optional<std::string> ask(std::string_view prompt)
{
    writeCommandLine(prompt);
    std::optional<std::string> answer = g_source != nullptr ? g_source->take() : std::nullopt;
    writeCommandLine(answer ? *answer + "\n" : std::string("\n"));
    return answer;
}

}  // namespace zrxhost
