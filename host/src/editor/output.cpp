// Printing to the command line.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "editor/editor.h"
#include "zrx/ed_output.h"
#include "zrxhost/command_line.h"

namespace zrxhost::ed {
namespace {
bool g_atLineStart = true;
}

void write(std::string_view text)
{
    if (text.empty()) return;
    // The echo of an answer already ended the line the prompt was on.
    if (g_atLineStart && text.front() == '\n') text.remove_prefix(1);
    if (text.empty()) return;
    zrxhost::writeCommandLine(text);
    g_atLineStart = text.back() == '\n';
}

void noteLineEnded() { g_atLineStart = true; }
bool atLineStart() { return g_atLineStart; }

}  // namespace zrxhost::ed

int zcutPrintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    zrxhost::ed::write(text);
    return RTNORM;
}

int zcedPrompt(const char* text)
{
    if (text != nullptr) zrxhost::ed::write(text);
    return RTNORM;
}
