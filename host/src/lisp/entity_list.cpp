// Entity lists to and from group-code pairs.
#include "lisp/entity_list.h"

#include "dxf/tag_writer.h"
#include "editor/editor.h"
#include "editor/wcmatch.h"
#include "zrx/zrx_all.h"

namespace zrxhost::lisp {
namespace {

using zrx::dxf::KeptTag;
using zrx::dxf::KeptTags;
using zrx::dxf::ValueKind;

bool isPointCode(int code)
{
    return (code >= 10 && code <= 18) || (code >= 110 && code <= 112) || code == 210 || (code >= 1010 && code <= 1013);
}

bool isPointerCode(int code)
{
    return (code >= 330 && code <= 369) || (code >= 390 && code <= 399) || (code >= 480 && code <= 481) || code == -2;
}

ValuePtr entityByHandle(const std::string& text)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    ZcDbHandle h(text.c_str());
    ZcDbObjectId id;
    if (db == nullptr || h.isNull() || db->getZcDbObjectId(id, false, h) != Zcad::eOk) return makeStr(text);
    ads_name name;
    ed::nameOf(id, name);
    return makeEname(name);
}

ValuePtr valueOf(const KeptTag& t)
{
    switch (zrx::dxf::valueKind(t.code)) {
    case ValueKind::kReal: {
        double r = 0;
        zrx::dxf::parseDouble(t.value, r);
        return makeReal(r);
    }
    case ValueKind::kInt16:
    case ValueKind::kInt32:
    case ValueKind::kInt64: {
        int64_t i = 0;
        zrx::dxf::parseInt(t.value, i);
        if (i >= INT32_MIN && i <= INT32_MAX) return makeInt(static_cast<int32_t>(i));
        return makeReal(static_cast<double>(i));
    }
    case ValueKind::kHandle:
        if (isPointerCode(t.code)) return entityByHandle(t.value);
        return makeStr(t.value);
    default: return makeStr(t.value);
    }
}

// One pair (or a point of three) from i, moving i past it.
ValuePtr pairAt(const KeptTags& pairs, size_t& i)
{
    const KeptTag& t = pairs[i++];
    if (isPointCode(t.code) && i < pairs.size() && pairs[i].code == t.code + 10) {
        double p[3] = {0, 0, 0};
        int dims = 0;
        for (int k = 0; k < 3 && (k == 0 || (i < pairs.size() && pairs[i].code == t.code + 10 * k)); ++k) {
            zrx::dxf::parseDouble(k == 0 ? t.value : pairs[i].value, p[k]);
            if (k > 0) ++i;
            ++dims;
        }
        std::vector<ValuePtr> items{makeInt(t.code)};
        for (int k = 0; k < dims; ++k) items.push_back(makeReal(p[k]));
        return makeList(items);
    }
    return cons(makeInt(t.code), valueOf(t));
}

bool wanted(const std::string& app, const std::vector<std::string>& patterns)
{
    for (const std::string& p : patterns)
        if (ed::wildcardMatch(app, p, true)) return true;
    return false;
}

std::string textOf(const ValuePtr& v)
{
    switch (v->kind) {
    case Value::kStr: return v->s;
    case Value::kInt: return std::to_string(v->i);
    case Value::kReal: return zrx::dxf::formatReal(v->r);
    case Value::kEname: {
        ZcDbObjectId id = ed::idOf(v->name);
        return id.isNull() ? "0" : zrx::dxf::formatHandle(id.handle());
    }
    default: return "";
    }
}

bool addPair(const ValuePtr& item, KeptTags& pairs)
{
    if (item->kind != Value::kList || item->car->kind != Value::kInt) return false;
    int code = item->car->i;
    const ValuePtr& rest = item->cdr;
    if (rest->kind == Value::kList) {
        long n = listLength(rest);
        if (n < 2 || n > 3) return false;
        int k = 0;
        for (const ValuePtr& c : toVector(rest)) {
            if (!c->isNumber()) return false;
            pairs.push_back({code + 10 * k++, zrx::dxf::formatReal(c->number())});
        }
        if (n == 2) pairs.push_back({code + 20, "0.0"});
        return true;
    }
    if (rest->kind != Value::kStr && rest->kind != Value::kInt && rest->kind != Value::kReal && rest->kind != Value::kEname)
        return false;
    pairs.push_back({code, textOf(rest)});
    return true;
}

}  // namespace

ValuePtr pairsToList(const KeptTags& pairs, const ValuePtr& self, const std::vector<std::string>* apps)
{
    std::vector<ValuePtr> items;
    items.reserve(pairs.size() + 2);
    items.push_back(cons(makeInt(-1), self));
    size_t i = 0;
    while (i < pairs.size() && pairs[i].code != 1001) items.push_back(pairAt(pairs, i));
    std::vector<ValuePtr> xdata{makeInt(-3)};
    while (i < pairs.size()) {
        const std::string& app = pairs[i++].value;
        std::vector<ValuePtr> group{makeStr(app)};
        while (i < pairs.size() && pairs[i].code != 1001) group.push_back(pairAt(pairs, i));
        if (apps != nullptr && wanted(app, *apps)) xdata.push_back(makeList(group));
    }
    if (xdata.size() > 1) items.push_back(makeList(xdata));
    return makeList(items);
}

bool listToPairs(const ValuePtr& list, KeptTags& pairs)
{
    if (listLength(list) <= 0) return false;
    for (const ValuePtr& item : toVector(list)) {
        if (item->kind != Value::kList || item->car->kind != Value::kInt) return false;
        if (item->car->i == -1) continue;
        if (item->car->i != -3) {
            if (!addPair(item, pairs)) return false;
            continue;
        }
        for (const ValuePtr& group : toVector(item->cdr)) {
            if (group->kind != Value::kList || group->car->kind != Value::kStr) return false;
            pairs.push_back({1001, group->car->s});
            for (const ValuePtr& x : toVector(group->cdr))
                if (!addPair(x, pairs)) return false;
        }
    }
    return true;
}

ValuePtr nameIn(const ValuePtr& list)
{
    for (const Value* p = list.get(); p->kind == Value::kList; p = p->cdr.get()) {
        const ValuePtr& item = p->car;
        if (item->kind == Value::kList && item->car->kind == Value::kInt && item->car->i == -1 &&
            item->cdr->kind == Value::kEname)
            return item->cdr;
    }
    return nullptr;
}

}  // namespace zrxhost::lisp
