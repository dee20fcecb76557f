// What the evaluator offers the special forms and the families of built-in functions.
#pragma once

#include <stdexcept>
#include <string>
#include <unordered_map>

#include "lisp/value.h"

namespace zrxhost::lisp {

// An error of the LISP program: unwinds to the nearest vl-catch-all-apply or to the top,
// where *error* gets the message.
struct LispError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& what);
// "bad argument type: stringp 1", as the platform words it.
[[noreturn]] void badArgument(const char* predicate, const ValuePtr& v);
void arity(const Args& a, size_t lo, size_t hi);

// Arguments of a kind, or the platform's error.
double num(const ValuePtr& v);
int32_t integer(const ValuePtr& v);
const std::string& str(const ValuePtr& v);
// A 2D or 3D point (z 0 for 2D).
void point(const ValuePtr& v, double p[3]);
// A list (nil included).
const ValuePtr& list(const ValuePtr& v);

ValuePtr eval(const ValuePtr& form);
// The forms of a list in order, the last one's value (nil for none).
ValuePtr progn(const ValuePtr& forms);
// Calls a function given as a symbol, a built-in, a defun'd function or a lambda list.
ValuePtr applyFunction(const ValuePtr& fn, const Args& args);
// A (lambda (params / locals) body...) list as a function value.
ValuePtr makeLambda(const std::string& name, const ValuePtr& paramsAndBody);

// Symbols, by upper-case name.
ValuePtr symbolValue(const std::string& name);
void setSymbol(const std::string& name, ValuePtr value);
bool isBound(const std::string& name);

// Built-in functions, by upper-case name.
using Builtins = std::unordered_map<std::string, ValuePtr>;
void define(Builtins& table, const char* name, BuiltinFn fn);
const ValuePtr* builtin(const std::string& name);
// Every name with a value or a built-in function, sorted.
std::vector<std::string> symbolNames();

// The families.
void addListFunctions(Builtins& b);
void addNumberFunctions(Builtins& b);
void addStringFunctions(Builtins& b);
void addTypeFunctions(Builtins& b);
void addFunctionFunctions(Builtins& b);
void addEntityFunctions(Builtins& b);
void addSelectionFunctions(Builtins& b);
void addInputFunctions(Builtins& b);
void addOutputFunctions(Builtins& b);
void addDisplayFunctions(Builtins& b);
void addSystemFunctions(Builtins& b);
void addGeometryFunctions(Builtins& b);
void addTableFunctions(Builtins& b);
void addFileFunctions(Builtins& b);

// Special forms: evaluated with their arguments unevaluated.
using SpecialForm = ValuePtr (*)(const ValuePtr& form);
SpecialForm specialForm(const std::string& name);

// Reads and evaluates every expression of a text; the last value. Errors propagate.
ValuePtr evalAll(const std::string& text, const std::string& source);

}  // namespace zrxhost::lisp

namespace zrxhost::lisp {
// equal: numbers within fuzz, strings and lists element by element, the rest by identity.
bool equalValues(const ValuePtr& a, const ValuePtr& b, double fuzz);
}  // namespace zrxhost::lisp
