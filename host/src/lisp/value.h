// LISP values: atoms, lists (with an optional dotted tail), entity names and selection
// sets. Selection sets are shared: the set goes when the last value naming it goes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "zrx/zc_adsdefs.h"

namespace zrxhost::lisp {

struct Value;
using ValuePtr = std::shared_ptr<const Value>;

// How deep lists may nest and calls may go: deeper input is an error, not a stack overflow
// of the host (reading, evaluating, printing and freeing values all recurse).
constexpr int kMaxNesting = 1000;
constexpr const char* kNestingError = "internal stack limit reached";

// The set a selection-set value names, freed with the last value that holds it.
struct HeldSet {
    int64_t name[2] = {0, 0};
    ~HeldSet();
};

struct Value {
    enum Kind { kNil, kT, kInt, kReal, kStr, kSym, kList, kEname, kPickset } kind = kNil;
    int32_t i = 0;
    double r = 0.0;
    std::string s;                  // string text or symbol name (upper case)
    std::vector<ValuePtr> items;    // list elements
    ValuePtr tail;                  // a dotted pair's second part
    int64_t name[2] = {0, 0};       // entity names
    std::shared_ptr<HeldSet> held;  // selection sets
    int depth = 0;                  // lists nested in this one, itself included

    bool isNil() const { return kind == kNil || (kind == kList && items.empty() && !tail); }
};

ValuePtr nil();
ValuePtr t();
ValuePtr makeInt(int32_t v);
ValuePtr makeReal(double v);
ValuePtr makeStr(std::string s);
ValuePtr makeSym(std::string name);
// Throws std::runtime_error when the list would nest deeper than kMaxNesting.
ValuePtr makeList(std::vector<ValuePtr> items, ValuePtr tail = nullptr);
ValuePtr makeEname(const ads_name name);
// Takes over a selection set made by the C interface: LISP holds it from now on.
ValuePtr makePickset(const ads_name name);

// As the LISP prompt shows it.
std::string print(const ValuePtr& v);

// Between values and result-buffer chains, as the platform passes them to and from
// external functions.
resbuf* toResbuf(const ValuePtr& v);
// One value read from the chain, moving rb past it; null when the chain is malformed or
// nests too deep.
ValuePtr fromResbuf(const resbuf*& rb);

}  // namespace zrxhost::lisp
