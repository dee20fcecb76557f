// Questions on the command line: the prompt, the answer taken, and the echo.
#include <gtest/gtest.h>

#include <deque>

#include "zrxhost/command_line.h"

namespace {

class Lines : public zrxhost::AnswerSource {
public:
    explicit Lines(std::deque<std::string> lines) : m_lines(std::move(lines)) {}
    std::optional<std::string> peek() override
    {
        return m_lines.empty() ? std::nullopt : std::optional<std::string>(m_lines.front());
    }
    std::optional<std::string> take() override
    {
        auto line = peek();
        if (line) m_lines.pop_front();
        return line;
    }

private:
    std::deque<std::string> m_lines;
};

TEST(CommandLine, AnAnswerIsEchoedAfterItsPrompt)
{
    std::string transcript;
    zrxhost::setCommandLineSink([&](std::string_view t) { transcript += t; });
    Lines input({"12,5", ""});
    zrxhost::setAnswerSource(&input);
    EXPECT_EQ(zrxhost::ask("\n始点を指定: "), "12,5");
    EXPECT_EQ(zrxhost::ask("\n終点: "), "");
    EXPECT_EQ(zrxhost::ask("\nもう一度: "), std::nullopt);
    EXPECT_EQ(transcript, "\n始点を指定: 12,5\n\n終点: \n\nもう一度: \n");
    zrxhost::setAnswerSource(nullptr);
    zrxhost::setCommandLineSink(nullptr);
}

}  // namespace
