// The list family: car and cdr and their compositions, building, searching and sorting.
#include <algorithm>

#include "lisp/interp.h"

namespace zrxhost::lisp {
namespace {

ValuePtr first(const ValuePtr& v)
{
    if (v->isNil()) return nil();
    if (v->kind != Value::kList) badArgument("consp", v);
    return v->car;
}

ValuePtr rest(const ValuePtr& v)
{
    if (v->isNil()) return nil();
    if (v->kind != Value::kList) badArgument("consp", v);
    return v->cdr;
}

// path read from the right: "AD" is (car (cdr x)).
ValuePtr walk(const Args& a, const char* path)
{
    arity(a, 1, 1);
    ValuePtr v = a[0];
    for (const char* p = path + std::char_traits<char>::length(path); p-- != path;) v = *p == 'A' ? first(v) : rest(v);
    return v;
}

ValuePtr append(const Args& a)
{
    ValuePtr result = nil();
    for (size_t k = a.size(); k-- > 0;) {
        long n = listLength(a[k]);
        if (n < 0) badArgument("listp", a[k]);
        if (result->isNil()) result = a[k];
        else result = makeList(toVector(a[k]), result);
    }
    return result;
}

ValuePtr reverse(const Args& a)
{
    arity(a, 1, 1);
    if (listLength(list(a[0])) < 0) badArgument("listp", a[0]);
    ValuePtr out = nil();
    for (const Value* p = a[0].get(); p->kind == Value::kList; p = p->cdr.get()) out = cons(p->car, out);
    return out;
}

ValuePtr length(const Args& a)
{
    arity(a, 1, 1);
    long n = listLength(list(a[0]));
    if (n < 0) badArgument("listp", a[0]);
    return makeInt(static_cast<int32_t>(n));
}

ValuePtr nth(const Args& a)
{
    arity(a, 2, 2);
    int32_t n = integer(a[0]);
    list(a[1]);
    const Value* p = a[1].get();
    for (int32_t k = 0; k < n && p->kind == Value::kList; ++k) p = p->cdr.get();
    return n >= 0 && p->kind == Value::kList ? p->car : nil();
}

ValuePtr member(const Args& a)
{
    arity(a, 2, 2);
    list(a[1]);
    for (ValuePtr p = a[1]; p->kind == Value::kList; p = p->cdr)
        if (equalValues(a[0], p->car, 0.0)) return p;
    return nil();
}

ValuePtr assoc(const Args& a)
{
    arity(a, 2, 2);
    list(a[1]);
    for (const Value* p = a[1].get(); p->kind == Value::kList; p = p->cdr.get()) {
        const ValuePtr& item = p->car;
        if (item->kind == Value::kList && equalValues(a[0], item->car, 0.0)) return item;
    }
    return nil();
}

ValuePtr substIn(const ValuePtr& newItem, const ValuePtr& old, const ValuePtr& in)
{
    if (equalValues(old, in, 0.0)) return newItem;
    if (in->kind != Value::kList) return in;
    std::vector<ValuePtr> items;
    ValuePtr p = in;
    for (; p->kind == Value::kList; p = p->cdr) items.push_back(substIn(newItem, old, p->car));
    return makeList(items, p->isNil() ? nullptr : substIn(newItem, old, p));
}

ValuePtr last(const Args& a)
{
    arity(a, 1, 1);
    list(a[0]);
    const Value* p = a[0].get();
    if (p->isNil()) return nil();
    while (p->cdr->kind == Value::kList) p = p->cdr.get();
    return p->car;
}

// A merge sort of our own: the program's comparison may be no ordering at all, which the
// standard sorts are allowed to run off the range for.
void mergeSort(std::vector<ValuePtr>& items, const ValuePtr& less)
{
    std::vector<ValuePtr> merged(items.size());
    for (size_t width = 1; width < items.size(); width *= 2) {
        for (size_t lo = 0; lo < items.size(); lo += 2 * width) {
            size_t mid = std::min(lo + width, items.size()), hi = std::min(lo + 2 * width, items.size());
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi) merged[k++] = applyFunction(less, {items[j], items[i]})->isNil() ? items[i++] : items[j++];
            while (i < mid) merged[k++] = items[i++];
            while (j < hi) merged[k++] = items[j++];
        }
        items.swap(merged);
    }
}

ValuePtr sortList(const Args& a)
{
    arity(a, 2, 2);
    std::vector<ValuePtr> items = toVector(list(a[0]));
    mergeSort(items, a[1]);
    return makeList(items);
}

ValuePtr removeIf(const Args& a, bool keepMatching)
{
    arity(a, 2, 2);
    std::vector<ValuePtr> kept;
    for (const ValuePtr& item : toVector(list(a[1])))
        if (applyFunction(a[0], {item})->isNil() != keepMatching) kept.push_back(item);
    return makeList(kept);
}

ValuePtr position(const Args& a)
{
    arity(a, 2, 2);
    int32_t k = 0;
    for (const Value* p = list(a[1]).get(); p->kind == Value::kList; p = p->cdr.get(), ++k)
        if (equalValues(a[0], p->car, 0.0)) return makeInt(k);
    return nil();
}

}  // namespace

void addListFunctions(Builtins& b)
{
    define(b, "CAR", [](const Args& a) { return walk(a, "A"); });
    define(b, "CDR", [](const Args& a) { return walk(a, "D"); });
    define(b, "CAAR", [](const Args& a) { return walk(a, "AA"); });
    define(b, "CADR", [](const Args& a) { return walk(a, "AD"); });
    define(b, "CDAR", [](const Args& a) { return walk(a, "DA"); });
    define(b, "CDDR", [](const Args& a) { return walk(a, "DD"); });
    define(b, "CAAAR", [](const Args& a) { return walk(a, "AAA"); });
    define(b, "CAADR", [](const Args& a) { return walk(a, "AAD"); });
    define(b, "CADAR", [](const Args& a) { return walk(a, "ADA"); });
    define(b, "CADDR", [](const Args& a) { return walk(a, "ADD"); });
    define(b, "CDAAR", [](const Args& a) { return walk(a, "DAA"); });
    define(b, "CDADR", [](const Args& a) { return walk(a, "DAD"); });
    define(b, "CDDAR", [](const Args& a) { return walk(a, "DDA"); });
    define(b, "CDDDR", [](const Args& a) { return walk(a, "DDD"); });
    define(b, "CAAAAR", [](const Args& a) { return walk(a, "AAAA"); });
    define(b, "CAAADR", [](const Args& a) { return walk(a, "AAAD"); });
    define(b, "CAADAR", [](const Args& a) { return walk(a, "AADA"); });
    define(b, "CAADDR", [](const Args& a) { return walk(a, "AADD"); });
    define(b, "CADAAR", [](const Args& a) { return walk(a, "ADAA"); });
    define(b, "CADADR", [](const Args& a) { return walk(a, "ADAD"); });
    define(b, "CADDAR", [](const Args& a) { return walk(a, "ADDA"); });
    define(b, "CADDDR", [](const Args& a) { return walk(a, "ADDD"); });
    define(b, "CDAAAR", [](const Args& a) { return walk(a, "DAAA"); });
    define(b, "CDAADR", [](const Args& a) { return walk(a, "DAAD"); });
    define(b, "CDADAR", [](const Args& a) { return walk(a, "DADA"); });
    define(b, "CDADDR", [](const Args& a) { return walk(a, "DADD"); });
    define(b, "CDDAAR", [](const Args& a) { return walk(a, "DDAA"); });
    define(b, "CDDADR", [](const Args& a) { return walk(a, "DDAD"); });
    define(b, "CDDDAR", [](const Args& a) { return walk(a, "DDDA"); });
    define(b, "CDDDDR", [](const Args& a) { return walk(a, "DDDD"); });
    define(b, "CONS", [](const Args& a) {
        arity(a, 2, 2);
        return cons(a[0], a[1]);
    });
    define(b, "LIST", [](const Args& a) { return makeList(a); });
    define(b, "APPEND", append);
    define(b, "REVERSE", reverse);
    define(b, "LENGTH", length);
    define(b, "NTH", nth);
    define(b, "MEMBER", member);
    define(b, "ASSOC", assoc);
    define(b, "SUBST", [](const Args& a) {
        arity(a, 3, 3);
        return substIn(a[0], a[1], a[2]);
    });
    define(b, "LAST", last);
    define(b, "VL-SORT", sortList);
    define(b, "VL-REMOVE-IF", [](const Args& a) { return removeIf(a, false); });
    define(b, "VL-REMOVE-IF-NOT", [](const Args& a) { return removeIf(a, true); });
    define(b, "VL-POSITION", position);
}

}  // namespace zrxhost::lisp
