// The command line: the one stream of answers the host reads (a script or the terminal)
// and the one place everything the user sees is written to.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "zrx/zrx_export.h"

namespace zrxhost {

// Where answers come from, one line each.
class ZRX_API AnswerSource {
public:
    virtual ~AnswerSource() = default;
    // The next line without taking it; nothing at the end of input.
    virtual std::optional<std::string> peek() = 0;
    // Takes the next line; nothing at the end of input.
    virtual std::optional<std::string> take() = 0;
};

// The source the editor, boxes and dialogs read; null means no input at all (every
// question gets the end-of-input answer).
ZRX_API void setAnswerSource(AnswerSource* source);
ZRX_API AnswerSource* answerSource();

// Writes text to the command line (standard output unless a sink is set).
ZRX_API void writeCommandLine(std::string_view text);
// Redirects the command line, for tests and transcripts; an empty function restores
// standard output.
ZRX_API void setCommandLineSink(std::function<void(std::string_view)> sink);

// Asks a question: writes the prompt, takes one answer, echoes it after the prompt as
// the platform's command line shows it, and gives it; nothing at the end of input.
ZRX_API std::optional<std::string> ask(std::string_view prompt);

}  // namespace zrxhost
