// Types and comparison: type, eq, equal (with a fuzz), null, not, listp, atom, boundp.
#include <cmath>

#include "lisp/interp.h"
#include "util/text_case.h"

namespace zrxhost::lisp {
namespace {

bool sameAtom(const Value& a, const Value& b)
{
    if (&a == &b) return true;
    if (a.kind != b.kind) return false;
    switch (a.kind) {
    case Value::kNil:
    case Value::kT: return true;
    case Value::kInt: return a.i == b.i;
    case Value::kReal: return a.r == b.r;
    case Value::kSym: return a.s == b.s;
    case Value::kEname:
    case Value::kPickset: return a.name[0] == b.name[0] && a.name[1] == b.name[1];
    case Value::kSubr:
    case Value::kUsubr: return a.fn == b.fn;
    default: return false;
    }
}

bool equalAt(const Value& a, const Value& b, double fuzz)
{
    if (a.isNumber() && b.isNumber()) {
        if (a.kind == Value::kInt && b.kind == Value::kInt && fuzz == 0) return a.i == b.i;
        return std::fabs(a.number() - b.number()) <= fuzz;
    }
    if (a.kind == Value::kStr && b.kind == Value::kStr) return a.s == b.s;
    if (a.kind != Value::kList || b.kind != Value::kList) return sameAtom(a, b);
    const Value* p = &a;
    const Value* q = &b;
    for (; p->kind == Value::kList && q->kind == Value::kList; p = p->cdr.get(), q = q->cdr.get())
        if (!equalAt(*p->car, *q->car, fuzz)) return false;
    if (p->kind == Value::kList || q->kind == Value::kList) return false;
    return equalAt(*p, *q, fuzz);
}

const char* typeName(const ValuePtr& v)
{
    switch (v->kind) {
    case Value::kT:
    case Value::kSym: return "SYM";
    case Value::kInt: return "INT";
    case Value::kReal: return "REAL";
    case Value::kStr: return "STR";
    case Value::kList: return "LIST";
    case Value::kEname: return "ENAME";
    case Value::kPickset: return "PICKSET";
    case Value::kSubr: return "SUBR";
    case Value::kUsubr: return "USUBR";
    case Value::kError: return "VL-CATCH-ALL-APPLY-ERROR";
    case Value::kFile: return "FILE";
    case Value::kNil: break;
    }
    return nullptr;
}

}  // namespace

bool equalValues(const ValuePtr& a, const ValuePtr& b, double fuzz) { return equalAt(*a, *b, fuzz); }

void addTypeFunctions(Builtins& b)
{
    // (atoms-family 0|1 [names]): the symbols there are, or which of the names are.
    define(b, "ATOMS-FAMILY", [](const Args& a) {
        arity(a, 1, 2);
        int32_t format = integer(a[0]);
        auto item = [format](const std::string& name) { return format == 1 ? makeStr(name) : makeSym(name); };
        std::vector<ValuePtr> out;
        if (a.size() == 2) {
            for (const ValuePtr& n : toVector(list(a[1]))) {
                std::string name = upperAscii(str(n));
                out.push_back(isBound(name) ? item(name) : nil());
            }
        } else {
            for (const std::string& name : symbolNames()) out.push_back(item(name));
        }
        return makeList(out);
    });
    define(b, "TYPE", [](const Args& a) {
        arity(a, 1, 1);
        const char* name = typeName(a[0]);
        return name != nullptr ? makeSym(name) : nil();
    });
    define(b, "EQ", [](const Args& a) {
        arity(a, 2, 2);
        return truth(sameAtom(*a[0], *a[1]));
    });
    define(b, "EQUAL", [](const Args& a) {
        arity(a, 2, 3);
        return truth(equalValues(a[0], a[1], a.size() == 3 ? std::fabs(num(a[2])) : 0.0));
    });
    define(b, "NULL", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->isNil());
    });
    define(b, "NOT", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->isNil());
    });
    define(b, "LISTP", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->isList());
    });
    define(b, "ATOM", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->kind != Value::kList);
    });
    define(b, "VL-CONSP", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->kind == Value::kList);
    });
    define(b, "BOUNDP", [](const Args& a) {
        arity(a, 1, 1);
        std::string name = symbolName(a[0]);
        if (name.empty()) badArgument("symbolp", a[0]);
        return truth(name != "NIL" && (name == "T" || isBound(name)));
    });
}

}  // namespace zrxhost::lisp
