// Making LISP values.
#include "lisp/value.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "editor/selection_sets.h"
#include "lisp/value_pool.h"

namespace zrxhost::lisp {
namespace {

std::map<int64_t, std::weak_ptr<HeldSet>>& heldSets()
{
    static auto* m = new std::map<int64_t, std::weak_ptr<HeldSet>>;
    return *m;
}

std::shared_ptr<Value> make(Value::Kind k)
{
    auto v = std::allocate_shared<Value>(PoolAllocator<Value>());
    v->kind = k;
    return v;
}

// Small integers are shared: loops and lists are full of them.
constexpr int32_t kSharedLow = -16;
constexpr int32_t kSharedHigh = 1024;

}  // namespace

HeldSet::~HeldSet()
{
    heldSets().erase(name[1]);
    ed::freeSet(name);
}

OpenFile::~OpenFile()
{
    if (f != nullptr) std::fclose(f);
}

Value::~Value()
{
    // Unlink the chain of cdrs one cell at a time while this value is its only holder.
    ValuePtr next = std::move(cdr);
    while (next && next.use_count() == 1 && next->cdr) {
        ValuePtr after = std::move(next->cdr);
        next = std::move(after);
    }
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

ValuePtr truth(bool b) { return b ? t() : nil(); }

static const std::vector<ValuePtr>& sharedInts()
{
    static const std::vector<ValuePtr> shared = [] {
        std::vector<ValuePtr> s;
        for (int32_t k = kSharedLow; k <= kSharedHigh; ++k) {
            auto v = make(Value::kInt);
            v->i = k;
            s.push_back(v);
        }
        return s;
    }();
    return shared;
}

ValuePtr makeInt(int32_t i)
{
    if (i >= kSharedLow && i <= kSharedHigh) return sharedInts()[static_cast<size_t>(i - kSharedLow)];
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

ValuePtr cons(ValuePtr car, ValuePtr cdr)
{
    int depth = std::max(car->depth + 1, cdr->kind == Value::kList ? cdr->depth : 1);
    if (depth > kMaxNesting) throw std::runtime_error(kNestingError);
    auto v = make(Value::kList);
    v->car = std::move(car);
    v->cdr = std::move(cdr);
    v->depth = depth;
    return v;
}

ValuePtr makeList(const std::vector<ValuePtr>& items, ValuePtr tail)
{
    ValuePtr list = tail ? std::move(tail) : nil();
    for (size_t k = items.size(); k-- > 0;) list = cons(items[k], std::move(list));
    return list;
}

ValuePtr makePoint(const double* p, int dims)
{
    std::vector<ValuePtr> items;
    for (int k = 0; k < dims; ++k) items.push_back(makeReal(p[k]));
    return makeList(items);
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

ValuePtr makeFunction(std::shared_ptr<const Function> fn)
{
    auto v = make(fn->builtin != nullptr ? Value::kSubr : Value::kUsubr);
    v->fn = std::move(fn);
    return v;
}

ValuePtr makeError(std::string message)
{
    auto v = make(Value::kError);
    v->s = std::move(message);
    return v;
}

ValuePtr makeFile(std::shared_ptr<OpenFile> file)
{
    auto v = make(Value::kFile);
    v->file = std::move(file);
    return v;
}

std::vector<ValuePtr> toVector(const ValuePtr& list)
{
    std::vector<ValuePtr> out;
    for (const Value* p = list.get(); p->kind == Value::kList; p = p->cdr.get()) out.push_back(p->car);
    return out;
}

long listLength(const ValuePtr& list)
{
    long n = 0;
    const Value* p = list.get();
    for (; p->kind == Value::kList; p = p->cdr.get()) ++n;
    return p->kind == Value::kNil ? n : -1;
}

std::string symbolName(const ValuePtr& v)
{
    if (v->kind == Value::kSym) return v->s;
    if (v->kind == Value::kNil) return "NIL";
    if (v->kind == Value::kT) return "T";
    return "";
}

}  // namespace zrxhost::lisp
