// Selection sets: ssget in every mode the host has, with a filter list, and the set
// functions.
#include <algorithm>
#include <cctype>

#include "lisp/interp.h"
#include "zrx/ed_selection.h"
#include "zrx/zc_resbuf.h"
#include "zrxhost/resbuf_kind.h"

namespace zrxhost::lisp {
namespace {

// Owns a chain being built; freed unless handed on.
struct Chain {
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    void add(resbuf* rb)
    {
        if (head == nullptr) head = rb;
        else tail->rbnext = rb;
        tail = rb;
    }
    ~Chain() { zcutRelRb(head); }
};

[[noreturn]] void badFilter() { fail("bad ssget list"); }

resbuf* filterItem(int code, const ValuePtr& value)
{
    resbuf* rb = zcutNewRb(code);
    auto reject = [rb]() {
        zcutRelRb(rb);
        badFilter();
    };
    switch (zrxhost::rbValueKind(code)) {
    case zrxhost::RbValueKind::kString:
        if (value->kind != Value::kStr) reject();
        zcutNewString(value->s.c_str(), rb->resval.rstring);
        break;
    case zrxhost::RbValueKind::kShort:
        if (!value->isNumber()) reject();
        rb->resval.rint = static_cast<short>(value->number());
        break;
    case zrxhost::RbValueKind::kLong:
        if (!value->isNumber()) reject();
        rb->resval.rlong = static_cast<int32_t>(value->number());
        break;
    case zrxhost::RbValueKind::kReal:
        if (!value->isNumber()) reject();
        rb->resval.rreal = value->number();
        break;
    case zrxhost::RbValueKind::kPoint: {
        if (value->kind != Value::kList) reject();
        long n = listLength(value);
        if (n < 2 || n > 3) reject();
        int k = 0;
        for (const Value* p = value.get(); p->kind == Value::kList; p = p->cdr.get()) {
            if (!p->car->isNumber()) reject();
            rb->resval.rpoint[k++] = p->car->number();
        }
        break;
    }
    default: reject();
    }
    return rb;
}

// A filter list: dotted pairs (code . value) and (-3 ("APP") ...); points as (10 x y z).
resbuf* filterFrom(const ValuePtr& filter)
{
    if (filter->isNil()) return nullptr;
    if (listLength(filter) < 0) badFilter();
    Chain chain;
    for (const ValuePtr& item : toVector(filter)) {
        if (item->kind != Value::kList || item->car->kind != Value::kInt) badFilter();
        int code = item->car->i;
        if (code == -3) {
            chain.add(zcutNewRb(-3));
            for (const ValuePtr& app : toVector(item->cdr)) {
                if (app->kind != Value::kList || app->car->kind != Value::kStr) badFilter();
                resbuf* rb = zcutNewRb(1001);
                zcutNewString(app->car->s.c_str(), rb->resval.rstring);
                chain.add(rb);
            }
            continue;
        }
        chain.add(filterItem(code, item->cdr));
    }
    resbuf* out = chain.head;
    chain.head = nullptr;
    return out;
}

ValuePtr ssget(const Args& a)
{
    ads_name ss = {0, 0};
    int rc = RTERROR;
    if (a.empty() || a[0]->kind != Value::kStr) {
        arity(a, 0, 1);
        Chain filter{a.empty() ? nullptr : filterFrom(a[0])};
        rc = zcedSSGet(nullptr, nullptr, nullptr, filter.head, ss);
        return rc == RTNORM ? makePickset(ss) : nil();
    }
    std::string mode = a[0]->s;
    std::string upper = mode;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!upper.empty() && upper[0] == '_') upper.erase(0, 1);
    ads_point p1 = {0, 0, 0}, p2 = {0, 0, 0};
    if (upper == "W" || upper == "C") {
        arity(a, 3, 4);
        point(a[1], p1);
        point(a[2], p2);
        Chain filter{a.size() == 4 ? filterFrom(a[3]) : nullptr};
        rc = zcedSSGet(mode.c_str(), p1, p2, filter.head, ss);
    } else if (upper == "WP" || upper == "CP") {
        arity(a, 2, 3);
        Chain pts;
        for (const ValuePtr& p : toVector(list(a[1]))) {
            pts.add(zcutNewRb(RT3DPOINT));
            point(p, pts.tail->resval.rpoint);
        }
        Chain filter{a.size() == 3 ? filterFrom(a[2]) : nullptr};
        rc = zcedSSGet(mode.c_str(), pts.head, nullptr, filter.head, ss);
    } else {
        arity(a, 1, 2);
        Chain filter{a.size() == 2 ? filterFrom(a[1]) : nullptr};
        rc = zcedSSGet(mode.c_str(), nullptr, nullptr, filter.head, ss);
    }
    return rc == RTNORM ? makePickset(ss) : nil();
}

const ValuePtr& ename(const ValuePtr& v)
{
    if (v->kind != Value::kEname) badArgument("lentityp", v);
    return v;
}

const ValuePtr& pickset(const ValuePtr& v)
{
    if (v->kind != Value::kPickset) badArgument("lselsetp", v);
    return v;
}

ValuePtr ssadd(const Args& a)
{
    arity(a, 0, 2);
    ads_name result = {0, 0};
    if (a.empty()) return zcedSSAdd(nullptr, nullptr, result) == RTNORM ? makePickset(result) : nil();
    ename(a[0]);
    if (a.size() == 1) return zcedSSAdd(a[0]->name, nullptr, result) == RTNORM ? makePickset(result) : nil();
    pickset(a[1]);
    return zcedSSAdd(a[0]->name, a[1]->name, result) == RTNORM ? a[1] : nil();
}

}  // namespace

void addSelectionFunctions(Builtins& b)
{
    define(b, "SSGET", ssget);
    define(b, "SSADD", ssadd);
    define(b, "SSDEL", [](const Args& a) {
        arity(a, 2, 2);
        return zcedSSDel(ename(a[0])->name, pickset(a[1])->name) == RTNORM ? a[1] : nil();
    });
    define(b, "SSLENGTH", [](const Args& a) {
        arity(a, 1, 1);
        int32_t n = 0;
        if (zcedSSLength(pickset(a[0])->name, &n) != RTNORM) badArgument("lselsetp", a[0]);
        return makeInt(n);
    });
    define(b, "SSNAME", [](const Args& a) {
        arity(a, 2, 2);
        ads_name e;
        int32_t index = a[1]->kind == Value::kReal ? static_cast<int32_t>(a[1]->r) : integer(a[1]);
        return zcedSSName(pickset(a[0])->name, index, e) == RTNORM ? makeEname(e) : nil();
    });
    define(b, "SSMEMB", [](const Args& a) {
        arity(a, 2, 2);
        return zcedSSMemb(ename(a[0])->name, pickset(a[1])->name) == RTNORM ? a[0] : nil();
    });
}

}  // namespace zrxhost::lisp
