// The evaluator: symbols, function calls with their bindings, and the depth limit.
#include <algorithm>
#include <optional>

#include "lisp/interp.h"
#include "lisp/lisp.h"

namespace zrxhost::lisp {
namespace {

std::unordered_map<std::string, ValuePtr>& symbols()
{
    // Never torn down: values hold selection sets whose table may already be gone at exit.
    static auto* g = new std::unordered_map<std::string, ValuePtr>{
        {"PI", makeReal(3.14159265358979323846)},
        {"PAUSE", makeStr("\\")},
    };
    return *g;
}

Builtins& builtins()
{
    static Builtins* b = [] {
        auto* m = new Builtins;
        addListFunctions(*m);
        addNumberFunctions(*m);
        addStringFunctions(*m);
        addTypeFunctions(*m);
        addFunctionFunctions(*m);
        addEntityFunctions(*m);
        addSelectionFunctions(*m);
        addInputFunctions(*m);
        addOutputFunctions(*m);
        addDisplayFunctions(*m);
        addSystemFunctions(*m);
        addGeometryFunctions(*m);
        addTableFunctions(*m);
        addFileFunctions(*m);
        return m;
    }();
    return *b;
}

// Evaluations running, nested ones included: external functions may call back into LISP.
int g_evalDepth = 0;

struct EvalDepth {
    EvalDepth()
    {
        if (g_evalDepth >= kMaxNesting) fail(kNestingError);
        ++g_evalDepth;
    }
    ~EvalDepth() { --g_evalDepth; }
    EvalDepth(const EvalDepth&) = delete;
    EvalDepth& operator=(const EvalDepth&) = delete;
};

// Arguments and locals are bound for the call and given back their old values after it,
// the dynamic scope of the platform's LISP.
class Bindings {
public:
    void bind(const std::string& name, ValuePtr value)
    {
        auto& table = symbols();
        auto it = table.find(name);
        m_saved.emplace_back(name, it != table.end() ? std::optional<ValuePtr>(it->second) : std::nullopt);
        setSymbol(name, std::move(value));
    }
    ~Bindings()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) symbols()[it->first] = *it->second;
            else symbols().erase(it->first);
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<ValuePtr>>> m_saved;
};

ValuePtr callUser(const Function& fn, const Args& args)
{
    if (args.size() < fn.params.size()) fail("too few arguments");
    if (args.size() > fn.params.size()) fail("too many arguments");
    Bindings b;
    for (size_t k = 0; k < fn.params.size(); ++k) b.bind(fn.params[k], args[k]);
    for (const std::string& local : fn.locals) b.bind(local, nil());
    return progn(fn.body);
}

ValuePtr functionOf(const ValuePtr& v)
{
    if (v->kind == Value::kSubr || v->kind == Value::kUsubr) return v;
    if (v->kind == Value::kList && v->car->kind == Value::kSym && v->car->s == "LAMBDA") return makeLambda("", v->cdr);
    return nullptr;
}

}  // namespace

[[noreturn]] void fail(const std::string& what) { throw LispError(what); }

[[noreturn]] void badArgument(const char* predicate, const ValuePtr& v)
{
    fail(std::string("bad argument type: ") + predicate + " " + print(v));
}

void arity(const Args& a, size_t lo, size_t hi)
{
    if (a.size() < lo) fail("too few arguments");
    if (a.size() > hi) fail("too many arguments");
}

double num(const ValuePtr& v)
{
    if (v->kind == Value::kInt) return v->i;
    if (v->kind == Value::kReal) return v->r;
    fail("bad argument type: numberp: " + print(v));
}

int32_t integer(const ValuePtr& v)
{
    if (v->kind != Value::kInt) badArgument("fixnump:", v);
    return v->i;
}

const std::string& str(const ValuePtr& v)
{
    if (v->kind != Value::kStr) badArgument("stringp", v);
    return v->s;
}

void point(const ValuePtr& v, double p[3])
{
    long n = listLength(v);
    if (n < 2 || n > 3) fail("bad argument type: 2D/3D point: " + print(v));
    p[2] = 0.0;
    int k = 0;
    for (const Value* c = v.get(); c->kind == Value::kList && k < 3; c = c->cdr.get()) {
        if (!c->car->isNumber()) fail("bad argument type: 2D/3D point: " + print(v));
        p[k++] = c->car->number();
    }
}

const ValuePtr& list(const ValuePtr& v)
{
    if (!v->isList()) badArgument("listp", v);
    return v;
}

ValuePtr symbolValue(const std::string& name)
{
    auto it = symbols().find(name);
    if (it != symbols().end()) return it->second;
    if (const ValuePtr* b = builtin(name)) return *b;
    return nil();
}

void setSymbol(const std::string& name, ValuePtr value)
{
    if (value->isNil()) symbols().erase(name);
    else symbols()[name] = std::move(value);
}

bool isBound(const std::string& name) { return symbols().count(name) != 0 || builtin(name) != nullptr; }

void define(Builtins& table, const char* name, BuiltinFn fn)
{
    auto f = std::make_shared<Function>();
    f->name = name;
    f->builtin = fn;
    table[name] = makeFunction(std::move(f));
}

const ValuePtr* builtin(const std::string& name)
{
    auto it = builtins().find(name);
    return it != builtins().end() ? &it->second : nullptr;
}

std::vector<std::string> symbolNames()
{
    std::vector<std::string> names;
    for (const auto& [name, fn] : builtins()) names.push_back(name);
    for (const auto& [name, value] : symbols())
        if (!builtin(name)) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

ValuePtr makeLambda(const std::string& name, const ValuePtr& paramsAndBody)
{
    if (paramsAndBody->kind != Value::kList || !paramsAndBody->car->isList()) fail("bad lambda list");
    auto fn = std::make_shared<Function>();
    fn->name = name;
    bool locals = false;
    for (const ValuePtr& p : toVector(paramsAndBody->car)) {
        if (p->kind != Value::kSym) badArgument("symbolp", p);
        if (p->s == "/") {
            locals = true;
            continue;
        }
        (locals ? fn->locals : fn->params).push_back(p->s);
    }
    fn->body = paramsAndBody->cdr;
    return makeFunction(std::move(fn));
}

ValuePtr progn(const ValuePtr& forms)
{
    ValuePtr last = nil();
    for (const Value* p = forms.get(); p->kind == Value::kList; p = p->cdr.get()) last = eval(p->car);
    return last;
}

ValuePtr applyFunction(const ValuePtr& fnValue, const Args& args)
{
    ValuePtr fn = functionOf(fnValue);
    if (!fn && fnValue->kind == Value::kSym) {
        const std::string& name = fnValue->s;
        if (isDefined(name)) {
            std::string error;
            ValuePtr result = callExternal(name, args, &error);
            if (!result) fail(error);
            return result;
        }
        fn = functionOf(symbolValue(name));
        if (!fn) fail("no function definition: " + name);
    }
    if (!fn) fail("bad function: " + print(fnValue));
    EvalDepth nested;
    if (fn->kind == Value::kSubr) return fn->fn->builtin(args);
    return callUser(*fn->fn, args);
}

ValuePtr eval(const ValuePtr& form)
{
    EvalDepth nested;
    switch (form->kind) {
    case Value::kSym: return symbolValue(form->s);
    case Value::kList: {
        const ValuePtr& head = form->car;
        if (head->kind == Value::kSym) {
            if (SpecialForm special = specialForm(head->s)) return special(form);
        }
        if (listLength(form) < 0) fail("bad function call");
        Args args;
        args.reserve(4);
        for (const Value* p = form->cdr.get(); p->kind == Value::kList; p = p->cdr.get()) args.push_back(eval(p->car));
        if (head->kind == Value::kSym) {
            // Functions the program defined come first, then plug-ins', then built-ins.
            auto it = symbols().find(head->s);
            if (it != symbols().end() && functionOf(it->second)) return applyFunction(it->second, args);
            return applyFunction(head, args);
        }
        ValuePtr fn = head->kind == Value::kList ? functionOf(head) : nullptr;
        if (!fn && head->kind == Value::kList) fn = functionOf(eval(head));
        if (!fn) fail("bad function: " + print(head));
        return applyFunction(fn, args);
    }
    default: return form;
    }
}

}  // namespace zrxhost::lisp
