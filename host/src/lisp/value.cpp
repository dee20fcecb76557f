// Making, printing and converting LISP values.
#include "lisp/value.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "editor/selection_sets.h"
#include "zrx/zc_resbuf.h"

namespace zrxhost::lisp {
namespace {

std::map<int64_t, std::weak_ptr<HeldSet>>& heldSets()
{
    static auto* m = new std::map<int64_t, std::weak_ptr<HeldSet>>;
    return *m;
}

std::shared_ptr<Value> make(Value::Kind k)
{
    auto v = std::make_shared<Value>();
    v->kind = k;
    return v;
}

std::string printReal(double r)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", r);
    std::string s = buf;
    if (s.find_first_of(".e") == std::string::npos && s.find("inf") == std::string::npos &&
        s.find("nan") == std::string::npos)
        s += ".0";
    return s;
}

std::string printString(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

void append(resbuf*& head, resbuf*& tail, resbuf* rb)
{
    if (head == nullptr) head = rb;
    else tail->rbnext = rb;
    while (rb->rbnext != nullptr) rb = rb->rbnext;
    tail = rb;
}

}  // namespace

HeldSet::~HeldSet()
{
    heldSets().erase(name[1]);
    ed::freeSet(name);
}

ValuePtr nil()
{
    static ValuePtr n = make(Value::kNil);
    return n;
}

ValuePtr t()
{
    static ValuePtr v = make(Value::kT);
    return v;
}

ValuePtr makeInt(int32_t i)
{
    auto v = make(Value::kInt);
    v->i = i;
    return v;
}

ValuePtr makeReal(double r)
{
    auto v = make(Value::kReal);
    v->r = r;
    return v;
}

ValuePtr makeStr(std::string s)
{
    auto v = make(Value::kStr);
    v->s = std::move(s);
    return v;
}

ValuePtr makeSym(std::string name)
{
    auto v = make(Value::kSym);
    v->s = std::move(name);
    return v;
}

ValuePtr makeList(std::vector<ValuePtr> items, ValuePtr tail)
{
    if (items.empty() && !tail) return nil();
    int below = tail ? tail->depth : 0;
    for (const ValuePtr& item : items) below = std::max(below, item->depth);
    if (below >= kMaxNesting) throw std::runtime_error(kNestingError);
    auto v = make(Value::kList);
    v->items = std::move(items);
    v->tail = std::move(tail);
    v->depth = below + 1;
    return v;
}

ValuePtr makeEname(const ads_name name)
{
    auto v = make(Value::kEname);
    v->name[0] = name[0];
    v->name[1] = name[1];
    return v;
}

ValuePtr makePickset(const ads_name name)
{
    auto v = make(Value::kPickset);
    v->name[0] = name[0];
    v->name[1] = name[1];
    std::weak_ptr<HeldSet>& slot = heldSets()[name[1]];
    v->held = slot.lock();
    if (!v->held) {
        v->held = std::make_shared<HeldSet>();
        v->held->name[0] = name[0];
        v->held->name[1] = name[1];
        slot = v->held;
        ed::holdByLisp(name);
    }
    return v;
}

std::string print(const ValuePtr& v)
{
    if (v->isNil()) return "nil";
    switch (v->kind) {
    case Value::kT: return "T";
    case Value::kInt: return std::to_string(v->i);
    case Value::kReal: return printReal(v->r);
    case Value::kStr: return printString(v->s);
    case Value::kSym: return v->s;
    case Value::kEname: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "<Entity name: %llx>", static_cast<unsigned long long>(v->name[1]));
        return buf;
    }
    case Value::kPickset: return "<Selection set: " + std::to_string(v->name[1]) + ">";
    case Value::kList: {
        std::string out = "(";
        for (size_t k = 0; k < v->items.size(); ++k) {
            if (k > 0) out += ' ';
            out += print(v->items[k]);
        }
        if (v->tail) out += " . " + print(v->tail);
        return out + ")";
    }
    default: return "nil";
    }
}

resbuf* toResbuf(const ValuePtr& v)
{
    if (v->isNil()) return zcutNewRb(RTNIL);
    resbuf* rb = nullptr;
    switch (v->kind) {
    case Value::kT: return zcutNewRb(RTT);
    case Value::kInt:
        if (v->i >= -32768 && v->i <= 32767) {
            rb = zcutNewRb(RTSHORT);
            rb->resval.rint = static_cast<short>(v->i);
        } else {
            rb = zcutNewRb(RTLONG);
            rb->resval.rlong = v->i;
        }
        return rb;
    case Value::kReal:
        rb = zcutNewRb(RTREAL);
        rb->resval.rreal = v->r;
        return rb;
    case Value::kStr:
    case Value::kSym:
        rb = zcutNewRb(RTSTR);
        zcutNewString(v->s.c_str(), rb->resval.rstring);
        return rb;
    case Value::kEname:
    case Value::kPickset:
        rb = zcutNewRb(v->kind == Value::kEname ? RTENAME : RTPICKS);
        rb->resval.rlname[0] = v->name[0];
        rb->resval.rlname[1] = v->name[1];
        return rb;
    case Value::kList: {
        bool allReal = !v->tail && (v->items.size() == 2 || v->items.size() == 3);
        for (const ValuePtr& item : v->items) allReal = allReal && item->kind == Value::kReal;
        if (allReal) {
            rb = zcutNewRb(v->items.size() == 2 ? RTPOINT : RT3DPOINT);
            for (size_t k = 0; k < v->items.size(); ++k) rb->resval.rpoint[k] = v->items[k]->r;
            return rb;
        }
        resbuf* head = nullptr;
        resbuf* tail = nullptr;
        append(head, tail, zcutNewRb(RTLB));
        for (const ValuePtr& item : v->items) append(head, tail, toResbuf(item));
        if (v->tail) {
            append(head, tail, zcutNewRb(RTDOTE));
            append(head, tail, toResbuf(v->tail));
        }
        append(head, tail, zcutNewRb(RTLE));
        return head;
    }
    default: return zcutNewRb(RTNIL);
    }
}

namespace {

ValuePtr fromResbufAt(const resbuf*& rb, int depth)
{
    if (rb == nullptr) return nullptr;
    const resbuf* here = rb;
    rb = rb->rbnext;
    switch (here->restype) {
    case RTNIL:
    case RTVOID: return nil();
    case RTT: return t();
    case RTSHORT: return makeInt(here->resval.rint);
    case RTLONG: return makeInt(here->resval.rlong);
    case RTREAL:
    case RTANG:
    case RTORINT: return makeReal(here->resval.rreal);
    case RTSTR: return makeStr(here->resval.rstring != nullptr ? here->resval.rstring : "");
    case RTENAME: return makeEname(here->resval.rlname);
    case RTPICKS: return makePickset(here->resval.rlname);
    case RTPOINT: return makeList({makeReal(here->resval.rpoint[0]), makeReal(here->resval.rpoint[1])});
    case RT3DPOINT:
        return makeList({makeReal(here->resval.rpoint[0]), makeReal(here->resval.rpoint[1]),
                         makeReal(here->resval.rpoint[2])});
    case RTLB: {
        if (depth >= kMaxNesting) return nullptr;
        std::vector<ValuePtr> items;
        ValuePtr tail;
        while (rb != nullptr && rb->restype != RTLE) {
            if (rb->restype == RTDOTE) {
                rb = rb->rbnext;
                tail = fromResbufAt(rb, depth + 1);
                if (!tail) return nullptr;
                continue;
            }
            ValuePtr item = fromResbufAt(rb, depth + 1);
            if (!item) return nullptr;
            items.push_back(item);
        }
        if (rb == nullptr) return nullptr;
        rb = rb->rbnext;
        return makeList(std::move(items), tail);
    }
    default: return nullptr;
    }
}

}  // namespace

ValuePtr fromResbuf(const resbuf*& rb)
{
    try {
        return fromResbufAt(rb, 0);
    } catch (const std::runtime_error&) {
        return nullptr;  // a point list one level too deep
    }
}

}  // namespace zrxhost::lisp
