// The number family. Integers are 32 bits and wrap on overflow as the platform's do; a
// real anywhere makes the result real.
#include <cmath>
#include <cstdint>

#include "lisp/interp.h"

namespace zrxhost::lisp {
namespace {

bool anyReal(const Args& a)
{
    bool real = false;
    for (const ValuePtr& v : a) {
        num(v);
        real = real || v->kind == Value::kReal;
    }
    return real;
}

int32_t wrap(uint32_t v) { return static_cast<int32_t>(v); }

ValuePtr arithmetic(const Args& a, char op)
{
    bool real = anyReal(a);
    if (a.empty()) return makeInt(op == '*' ? 1 : 0);
    if (real) {
        double acc = num(a[0]);
        if (a.size() == 1 && op == '-') return makeReal(-acc);
        for (size_t k = 1; k < a.size(); ++k) {
            double x = num(a[k]);
            if (op == '/' && x == 0) fail("divide by zero");
            acc = op == '+' ? acc + x : op == '-' ? acc - x : op == '*' ? acc * x : acc / x;
        }
        return makeReal(acc);
    }
    uint32_t acc = static_cast<uint32_t>(a[0]->i);
    if (a.size() == 1 && op == '-') return makeInt(wrap(0u - acc));
    for (size_t k = 1; k < a.size(); ++k) {
        uint32_t x = static_cast<uint32_t>(a[k]->i);
        switch (op) {
        case '+': acc += x; break;
        case '-': acc -= x; break;
        case '*': acc *= x; break;
        default: {
            if (x == 0) fail("divide by zero");
            int64_t q = static_cast<int64_t>(wrap(acc)) / static_cast<int64_t>(wrap(x));
            acc = static_cast<uint32_t>(q);
        }
        }
    }
    return makeInt(wrap(acc));
}

ValuePtr rem(const Args& a)
{
    arity(a, 1, 1000000);
    if (anyReal(a)) {
        double acc = num(a[0]);
        for (size_t k = 1; k < a.size(); ++k) {
            if (num(a[k]) == 0) fail("divide by zero");
            acc = std::fmod(acc, num(a[k]));
        }
        return makeReal(acc);
    }
    int64_t acc = a[0]->i;
    for (size_t k = 1; k < a.size(); ++k) {
        if (a[k]->i == 0) fail("divide by zero");
        acc %= a[k]->i;
    }
    return makeInt(static_cast<int32_t>(acc));
}

ValuePtr extreme(const Args& a, bool wantMax)
{
    arity(a, 1, 1000000);
    bool real = anyReal(a);
    double best = num(a[0]);
    for (const ValuePtr& v : a) best = wantMax ? std::max(best, num(v)) : std::min(best, num(v));
    return real ? makeReal(best) : makeInt(static_cast<int32_t>(best));
}

[[noreturn]] void undefinedFor(const ValuePtr& v) { fail("function undefined for argument: " + print(v)); }

template <double (*F)(double)>
ValuePtr real1(const Args& a)
{
    arity(a, 1, 1);
    double r = F(num(a[0]));
    if (!std::isfinite(r)) undefinedFor(a[0]);
    return makeReal(r);
}

ValuePtr sqrtFn(const Args& a)
{
    arity(a, 1, 1);
    if (num(a[0]) < 0) undefinedFor(a[0]);
    return makeReal(std::sqrt(num(a[0])));
}

ValuePtr logFn(const Args& a)
{
    arity(a, 1, 1);
    if (num(a[0]) <= 0) undefinedFor(a[0]);
    return makeReal(std::log(num(a[0])));
}

ValuePtr atanFn(const Args& a)
{
    arity(a, 1, 2);
    double y = num(a[0]);
    return makeReal(a.size() == 2 ? std::atan2(y, num(a[1])) : std::atan(y));
}

ValuePtr expt(const Args& a)
{
    arity(a, 2, 2);
    if (a[0]->kind == Value::kInt && a[1]->kind == Value::kInt && a[1]->i >= 0) {
        uint32_t acc = 1;
        uint32_t base = static_cast<uint32_t>(a[0]->i);
        for (int32_t k = 0; k < a[1]->i && acc != 0; ++k) acc *= base;
        return makeInt(wrap(acc));
    }
    double r = std::pow(num(a[0]), num(a[1]));
    if (!std::isfinite(r)) undefinedFor(a[0]);
    return makeReal(r);
}

// Numbers compare as numbers, strings by their characters.
int compare(const ValuePtr& x, const ValuePtr& y)
{
    if (x->kind == Value::kStr && y->kind == Value::kStr) return x->s < y->s ? -1 : x->s > y->s ? 1 : 0;
    if (x->kind == Value::kStr) badArgument("numberp:", y);
    double a = num(x), b = num(y);
    return a < b ? -1 : a > b ? 1 : 0;
}

template <bool (*Holds)(int)>
ValuePtr chain(const Args& a)
{
    arity(a, 1, 1000000);
    bool ok = true;
    for (size_t k = 0; k + 1 < a.size(); ++k) ok = Holds(compare(a[k], a[k + 1])) && ok;
    if (a.size() == 1) compare(a[0], a[0]);
    return truth(ok);
}

bool same(int c) { return c == 0; }
bool less(int c) { return c < 0; }
bool lessOrSame(int c) { return c <= 0; }
bool more(int c) { return c > 0; }
bool moreOrSame(int c) { return c >= 0; }

ValuePtr notEqual(const Args& a)
{
    arity(a, 1, 1000000);
    for (size_t k = 0; k + 1 < a.size(); ++k)
        if (compare(a[k], a[k + 1]) == 0) return nil();
    return t();
}

ValuePtr step(const Args& a, int by)
{
    arity(a, 1, 1);
    if (a[0]->kind == Value::kReal) return makeReal(a[0]->r + by);
    num(a[0]);
    return makeInt(wrap(static_cast<uint32_t>(a[0]->i) + static_cast<uint32_t>(by)));
}

ValuePtr fix(const Args& a)
{
    arity(a, 1, 1);
    double r = num(a[0]);
    if (a[0]->kind == Value::kInt) return a[0];
    // Past 32 bits the platform gives the real back whole.
    if (r >= 2147483648.0 || r < -2147483648.0) return makeReal(std::trunc(r));
    return makeInt(static_cast<int32_t>(r));
}

}  // namespace

void addNumberFunctions(Builtins& b)
{
    define(b, "+", [](const Args& a) { return arithmetic(a, '+'); });
    define(b, "-", [](const Args& a) { return arithmetic(a, '-'); });
    define(b, "*", [](const Args& a) { return arithmetic(a, '*'); });
    define(b, "/", [](const Args& a) { return arithmetic(a, '/'); });
    define(b, "REM", rem);
    define(b, "ABS", [](const Args& a) {
        arity(a, 1, 1);
        if (a[0]->kind == Value::kReal) return makeReal(std::fabs(a[0]->r));
        num(a[0]);
        return makeInt(a[0]->i < 0 ? wrap(0u - static_cast<uint32_t>(a[0]->i)) : a[0]->i);
    });
    define(b, "FIX", fix);
    define(b, "FLOAT", [](const Args& a) {
        arity(a, 1, 1);
        return makeReal(num(a[0]));
    });
    define(b, "MIN", [](const Args& a) { return extreme(a, false); });
    define(b, "MAX", [](const Args& a) { return extreme(a, true); });
    define(b, "SQRT", sqrtFn);
    define(b, "SIN", real1<std::sin>);
    define(b, "COS", real1<std::cos>);
    define(b, "EXP", real1<std::exp>);
    define(b, "LOG", logFn);
    define(b, "ATAN", atanFn);
    define(b, "EXPT", expt);
    define(b, "=", chain<same>);
    define(b, "<", chain<less>);
    define(b, "<=", chain<lessOrSame>);
    define(b, ">", chain<more>);
    define(b, ">=", chain<moreOrSame>);
    define(b, "/=", notEqual);
    define(b, "1+", [](const Args& a) { return step(a, 1); });
    define(b, "1-", [](const Args& a) { return step(a, -1); });
    define(b, "ZEROP", [](const Args& a) {
        arity(a, 1, 1);
        return truth(num(a[0]) == 0);
    });
    define(b, "MINUSP", [](const Args& a) {
        arity(a, 1, 1);
        return truth(num(a[0]) < 0);
    });
    define(b, "NUMBERP", [](const Args& a) {
        arity(a, 1, 1);
        return truth(a[0]->isNumber());
    });
}

}  // namespace zrxhost::lisp
