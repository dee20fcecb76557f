// Functions over functions: apply, mapcar, eval, exit, and catching errors as values.
#include "lisp/interp.h"

namespace zrxhost::lisp {
namespace {

ValuePtr mapcar(const Args& a)
{
    arity(a, 2, 1000000);
    std::vector<const Value*> lists;
    for (size_t k = 1; k < a.size(); ++k) lists.push_back(list(a[k]).get());
    std::vector<ValuePtr> out;
    for (;;) {
        Args args;
        for (const Value*& p : lists) {
            if (p->kind != Value::kList) return makeList(out);
            args.push_back(p->car);
            p = p->cdr.get();
        }
        out.push_back(applyFunction(a[0], args));
    }
}

ValuePtr catchAll(const Args& a)
{
    arity(a, 1, 2);
    Args args = a.size() == 2 ? toVector(list(a[1])) : Args{};
    try {
        return applyFunction(a[0], args);
    } catch (const std::runtime_error& e) {
        return makeError(e.what());
    }
}

}  // namespace

void addFunctionFunctions(Builtins& b)
{
    define(b, "APPLY", [](const Args& a) {
        arity(a, 2, 2);
        return applyFunction(a[0], toVector(list(a[1])));
    });
    define(b, "MAPCAR", mapcar);
    define(b, "EVAL", [](const Args& a) {
        arity(a, 1, 1);
        return eval(a[0]);
    });
    define(b, "EXIT", [](const Args& a) -> ValuePtr {
        arity(a, 0, 0);
        fail("quit / exit abort");
    });
    define(b, "QUIT", [](const Args& a) -> ValuePtr {
        arity(a, 0, 0);
        fail("quit / exit abort");
    });
    define(b, "VL-CATCH-ALL-APPLY", catchAll);
    define(b, "VL-CATCH-ALL-ERROR-P", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->kind == Value::kError);
    });
    define(b, "VL-CATCH-ALL-ERROR-MESSAGE", [](const Args& a) {
        arity(a, 1, 1);
        if (a[0]->kind != Value::kError) badArgument("vl-catch-all-apply-error-p", a[0]);
        return makeStr(a[0]->s);
    });
}

}  // namespace zrxhost::lisp
