// The input mode and the script error that stops a run.
#include "zrxhost/session.h"

#include "app/input_stack.h"

namespace zrxhost {
namespace {
InputMode g_mode = InputMode::Interactive;
std::string g_error;
}  // namespace

void setInputMode(InputMode mode) { g_mode = mode; }
InputMode inputMode() { return g_mode; }
std::string scriptError() { return g_error; }
void clearScriptError() { g_error.clear(); }

void raiseScriptError(const std::string& what)
{
    if (!g_error.empty()) return;
    std::string where = app::inputStack().where();
    g_error = where.empty() ? what : where + ": " + what;
}

std::string inputLocation() { return app::inputStack().where(); }

void setBaseInput(AnswerSource* base)
{
    app::inputStack().setBase(base);
    app::inputStack().clearEndReached();
}

bool pushScriptFile(const std::string& path, std::string* error)
{
    std::unique_ptr<LineSource> lines = LineSource::fromFile(path, error);
    if (!lines) return false;
    app::inputStack().pushLines(std::move(lines));
    return true;
}

}  // namespace zrxhost
