// Values to and from result-buffer chains, as the platform passes them between LISP and
// external functions.
#include <stdexcept>

#include "lisp/value.h"
#include "zrx/zc_resbuf.h"

namespace zrxhost::lisp {
namespace {

void append(resbuf*& head, resbuf*& tail, resbuf* rb)
{
    if (head == nullptr) head = rb;
    else tail->rbnext = rb;
    while (rb->rbnext != nullptr) rb = rb->rbnext;
    tail = rb;
}

// Lists of two or three reals go as points.
bool isPoint(const ValuePtr& v)
{
    long n = listLength(v);
    if (n != 2 && n != 3) return false;
    for (const Value* p = v.get(); p->kind == Value::kList; p = p->cdr.get())
        if (p->car->kind != Value::kReal) return false;
    return true;
}

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
    case RTPOINT: return makePoint(here->resval.rpoint, 2);
    case RT3DPOINT: return makePoint(here->resval.rpoint, 3);
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
        return makeList(items, tail);
    }
    default: return nullptr;
    }
}

}  // namespace

resbuf* toResbuf(const ValuePtr& v)
{
    resbuf* rb = nullptr;
    switch (v->kind) {
    case Value::kNil: return zcutNewRb(RTNIL);
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
        if (isPoint(v)) {
            long n = listLength(v);
            rb = zcutNewRb(n == 2 ? RTPOINT : RT3DPOINT);
            int k = 0;
            for (const Value* p = v.get(); p->kind == Value::kList; p = p->cdr.get()) rb->resval.rpoint[k++] = p->car->r;
            return rb;
        }
        resbuf* head = nullptr;
        resbuf* tail = nullptr;
        append(head, tail, zcutNewRb(RTLB));
        ValuePtr p = v;
        for (; p->kind == Value::kList; p = p->cdr) append(head, tail, toResbuf(p->car));
        if (p->kind != Value::kNil) {
            append(head, tail, zcutNewRb(RTDOTE));
            append(head, tail, toResbuf(p));
        }
        append(head, tail, zcutNewRb(RTLE));
        return head;
    }
    default: return zcutNewRb(RTNIL);
    }
}

ValuePtr fromResbuf(const resbuf*& rb)
{
    try {
        return fromResbufAt(rb, 0);
    } catch (const std::runtime_error&) {
        return nullptr;  // a point list one level too deep
    }
}

}  // namespace zrxhost::lisp
