// The forms whose arguments are not evaluated first: quoting, assignment, definitions,
// branches and loops.
#include <unordered_map>

#include "lisp/interp.h"

namespace zrxhost::lisp {
namespace {

// The arguments of a form (its elements after the name).
Args operands(const ValuePtr& form)
{
    if (listLength(form) < 0) fail("bad function call");
    return toVector(form->cdr);
}

ValuePtr quote(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.size() != 1) fail(a.empty() ? "too few arguments" : "too many arguments");
    return a[0];
}

ValuePtr function(const ValuePtr& form)
{
    ValuePtr v = quote(form);
    if (v->kind == Value::kList && v->car->kind == Value::kSym && v->car->s == "LAMBDA") return makeLambda("", v->cdr);
    return v;
}

ValuePtr setq(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.empty()) fail("too few arguments");
    if (a.size() % 2 != 0) fail("too few arguments");
    ValuePtr value = nil();
    for (size_t k = 0; k < a.size(); k += 2) {
        if (a[k]->kind != Value::kSym) badArgument("symbolp", a[k]);
        value = eval(a[k + 1]);
        setSymbol(a[k]->s, value);
    }
    return value;
}

ValuePtr prognForm(const ValuePtr& form) { return progn(form->cdr); }

ValuePtr ifForm(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.size() < 2) fail("too few arguments");
    if (a.size() > 3) fail("too many arguments");
    if (!eval(a[0])->isNil()) return eval(a[1]);
    return a.size() == 3 ? eval(a[2]) : nil();
}

ValuePtr cond(const ValuePtr& form)
{
    for (const ValuePtr& clause : operands(form)) {
        if (clause->kind != Value::kList) badArgument("listp", clause);
        ValuePtr test = eval(clause->car);
        if (test->isNil()) continue;
        return clause->cdr->isNil() ? test : progn(clause->cdr);
    }
    return nil();
}

ValuePtr whileForm(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.empty()) fail("too few arguments");
    ValuePtr last = nil();
    while (!eval(a[0])->isNil()) last = progn(form->cdr->cdr);
    return last;
}

ValuePtr repeat(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.empty()) fail("too few arguments");
    int32_t n = integer(eval(a[0]));
    ValuePtr last = nil();
    for (int32_t k = 0; k < n; ++k) last = progn(form->cdr->cdr);
    return last;
}

ValuePtr foreach(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.size() < 2) fail("too few arguments");
    if (a[0]->kind != Value::kSym) badArgument("symbolp", a[0]);
    ValuePtr items = list(eval(a[1]));
    const std::string& name = a[0]->s;
    // The variable is the loop's own and has its old value back afterwards.
    ValuePtr saved = isBound(name) ? symbolValue(name) : nullptr;
    struct Restore {
        const std::string& name;
        ValuePtr& saved;
        ~Restore() { setSymbol(name, saved ? saved : nil()); }
    } restore{name, saved};
    ValuePtr last = nil();
    for (const Value* p = items.get(); p->kind == Value::kList; p = p->cdr.get()) {
        setSymbol(name, p->car);
        last = progn(form->cdr->cdr->cdr);
    }
    return last;
}

ValuePtr andForm(const ValuePtr& form)
{
    for (const ValuePtr& v : operands(form))
        if (eval(v)->isNil()) return nil();
    return t();
}

ValuePtr orForm(const ValuePtr& form)
{
    for (const ValuePtr& v : operands(form))
        if (!eval(v)->isNil()) return t();
    return nil();
}

ValuePtr defun(const ValuePtr& form)
{
    Args a = operands(form);
    if (a.size() < 2) fail("too few arguments");
    if (a[0]->kind != Value::kSym) badArgument("symbolp", a[0]);
    setSymbol(a[0]->s, makeLambda(a[0]->s, form->cdr->cdr));
    return a[0];
}

ValuePtr lambda(const ValuePtr& form)
{
    if (operands(form).empty()) fail("too few arguments");
    return makeLambda("", form->cdr);
}

const std::unordered_map<std::string, SpecialForm>& forms()
{
    static const std::unordered_map<std::string, SpecialForm> table = {
        {"QUOTE", quote}, {"FUNCTION", function}, {"SETQ", setq},      {"PROGN", prognForm},
        {"IF", ifForm},   {"COND", cond},         {"WHILE", whileForm}, {"REPEAT", repeat},
        {"FOREACH", foreach}, {"AND", andForm},   {"OR", orForm},      {"DEFUN", defun},
        {"LAMBDA", lambda},
    };
    return table;
}

}  // namespace

SpecialForm specialForm(const std::string& name)
{
    auto it = forms().find(name);
    return it != forms().end() ? it->second : nullptr;
}

}  // namespace zrxhost::lisp
