// The host's LISP, as the command line and the application frame use it.
#pragma once

#include <string>

#include "lisp/value.h"

namespace zrxhost::lisp {

// False while the text is an expression still missing its closing parentheses.
bool isComplete(const std::string& text);
// Reads and evaluates every expression of the text; writes the last value, or the error
// as the platform does ("; error: ...").
void evalAndPrint(const std::string& text);
// Evaluates the expressions of the text; the last value, or null with the message.
ValuePtr evalText(const std::string& text, std::string* error);

// A function defined with zcedDefun, by name ("C:NAME" for commands).
bool isDefined(const std::string& name);
// Calls a defined function with the arguments; null with the message on failure.
ValuePtr callExternal(const std::string& name, const std::vector<ValuePtr>& args, std::string* error);

// Global symbols (names upper case); setting nil removes one.
ValuePtr global(const std::string& name);
void setGlobal(const std::string& name, ValuePtr value);

// A module's functions go with it.
void forgetApp(void* appId);

}  // namespace zrxhost::lisp
