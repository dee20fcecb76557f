// LISP values: atoms, cons cells, entity names, selection sets, functions, error objects
// and open files. Selection sets are shared: the set goes when the last value naming it
// goes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "zrx/zc_adsdefs.h"

namespace zrxhost::lisp {

struct Value;
using ValuePtr = std::shared_ptr<const Value>;
using Args = std::vector<ValuePtr>;

// How deep lists may nest and calls may go: deeper input is an error, not a stack overflow
// of the host (reading, evaluating, printing and freeing values all recurse into cars).
constexpr int kMaxNesting = 1000;
constexpr const char* kNestingError = "internal stack limit reached";

// The set a selection-set value names, freed with the last value that holds it.
struct HeldSet {
    int64_t name[2] = {0, 0};
    ~HeldSet();
};

using BuiltinFn = ValuePtr (*)(const Args&);

// A built-in function or one made by defun or lambda.
struct Function {
    std::string name;               // upper case; "" for a lambda
    BuiltinFn builtin = nullptr;    // set for built-ins
    std::vector<std::string> params;
    std::vector<std::string> locals;
    ValuePtr body;                  // list of forms
};

// A file opened by (open ...), closed by (close ...) or with its last value.
struct OpenFile {
    std::FILE* f = nullptr;
    bool writing = false;
    ~OpenFile();
};

struct Value {
    enum Kind { kNil, kT, kInt, kReal, kStr, kSym, kList, kEname, kPickset, kSubr, kUsubr, kError, kFile };
    Kind kind = kNil;
    int depth = 0;                  // lists nested in this one, itself included
    int32_t i = 0;
    double r = 0.0;
    std::string s;                  // string text, symbol name (upper case) or error message
    ValuePtr car;
    // Freed iteratively when the cell goes (a long list would otherwise recurse).
    mutable ValuePtr cdr;
    int64_t name[2] = {0, 0};       // entity names and selection sets
    std::shared_ptr<HeldSet> held;  // selection sets
    std::shared_ptr<const Function> fn;
    std::shared_ptr<OpenFile> file;

    bool isNil() const { return kind == kNil; }
    bool isList() const { return kind == kList || kind == kNil; }
    bool isNumber() const { return kind == kInt || kind == kReal; }
    double number() const { return kind == kInt ? i : r; }
    ~Value();
};

ValuePtr nil();
ValuePtr t();
ValuePtr truth(bool b);
ValuePtr makeInt(int32_t v);
ValuePtr makeReal(double v);
ValuePtr makeStr(std::string s);
ValuePtr makeSym(std::string name);
// Throws std::runtime_error when the list would nest deeper than kMaxNesting.
ValuePtr cons(ValuePtr car, ValuePtr cdr);
ValuePtr makeList(const std::vector<ValuePtr>& items, ValuePtr tail = nullptr);
ValuePtr makePoint(const double* p, int dims = 3);
ValuePtr makeEname(const ads_name name);
// Takes over a selection set made by the C interface: LISP holds it from now on.
ValuePtr makePickset(const ads_name name);
ValuePtr makeFunction(std::shared_ptr<const Function> fn);
ValuePtr makeError(std::string message);
ValuePtr makeFile(std::shared_ptr<OpenFile> file);

// The elements of a proper list (a dotted tail is left out).
std::vector<ValuePtr> toVector(const ValuePtr& list);
// Elements of a list, nil counting as empty; -1 for a dotted list.
long listLength(const ValuePtr& list);
// The symbol a value stands for, "" when it is not one (nil and T are symbols too).
std::string symbolName(const ValuePtr& v);

// As prin1 shows it (strings quoted and escaped), or as princ does (strings as they are).
std::string print(const ValuePtr& v);
std::string princText(const ValuePtr& v);
// A real as the platform prints it: six significant digits, always with a point.
std::string printReal(double r);

// Between values and result-buffer chains, as the platform passes them to and from
// external functions.
resbuf* toResbuf(const ValuePtr& v);
// One value read from the chain, moving rb past it; null when the chain is malformed or
// nests too deep.
ValuePtr fromResbuf(const resbuf*& rb);

}  // namespace zrxhost::lisp
