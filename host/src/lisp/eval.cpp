// The evaluator and the functions scripts need.
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

#include "editor/editor.h"
#include "editor/geometry.h"
#include "lisp/lisp.h"
#include "lisp/reader.h"
#include "win/change_watch.h"
#include "zrx/zrx_all.h"
#include "zrx/ed_selection.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/contract.h"
#include "db/database_impl.h"
#include "zrxhost/resbuf_kind.h"

namespace zrxhost::lisp {

struct LispError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

namespace {

using Args = std::vector<ValuePtr>;
using Builtin = std::function<ValuePtr(const Args&)>;

std::map<std::string, ValuePtr>& globals()
{
    // Never torn down: values hold selection sets whose table may already be gone at exit.
    static auto* g = new std::map<std::string, ValuePtr>;
    return *g;
}

[[noreturn]] void fail(const std::string& what) { throw LispError(what); }

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
const std::string& str(const ValuePtr& v)
{
    if (v->kind != Value::kStr) fail("bad argument type: stringp " + print(v));
    return v->s;
}

ValuePtr arithmetic(const Args& a, char op)
{
    bool real = false;
    for (const ValuePtr& v : a) {
        num(v);
        real = real || v->kind == Value::kReal;
    }
    if (a.empty()) return makeInt(0);
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
    int64_t acc = a[0]->i;
    if (a.size() == 1 && op == '-') return makeInt(static_cast<int32_t>(-acc));
    for (size_t k = 1; k < a.size(); ++k) {
        int64_t x = a[k]->i;
        if (op == '/' && x == 0) fail("divide by zero");
        acc = op == '+' ? acc + x : op == '-' ? acc - x : op == '*' ? acc * x : acc / x;
    }
    return makeInt(static_cast<int32_t>(acc));
}

ValuePtr pointArg(const ValuePtr& v, ads_point p)
{
    if (v->kind != Value::kList || (v->items.size() != 2 && v->items.size() != 3)) fail("bad point argument");
    for (size_t k = 0; k < 3; ++k) p[k] = k < v->items.size() ? num(v->items[k]) : 0.0;
    return v;
}

// A filter list: dotted pairs (code . value) and (-3 ("APP") ...).
resbuf* filterFrom(const ValuePtr& list)
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    auto add = [&](resbuf* rb) {
        if (head == nullptr) head = rb;
        else tail->rbnext = rb;
        tail = rb;
    };
    if (list->isNil()) return nullptr;
    if (list->kind != Value::kList) fail("bad ssget list");
    for (const ValuePtr& item : list->items) {
        if (item->kind != Value::kList || item->items.empty() || item->items[0]->kind != Value::kInt) {
            zcutRelRb(head);
            fail("bad ssget list");
        }
        int code = item->items[0]->i;
        if (code == -3) {
            add(zcutNewRb(-3));
            for (size_t k = 1; k < item->items.size(); ++k) {
                const ValuePtr& app = item->items[k];
                if (app->kind != Value::kList || app->items.empty() || app->items[0]->kind != Value::kStr) {
                    zcutRelRb(head);
                    fail("bad ssget list");
                }
                resbuf* rb = zcutNewRb(1001);
                zcutNewString(app->items[0]->s.c_str(), rb->resval.rstring);
                add(rb);
            }
            continue;
        }
        const ValuePtr& value = item->tail;
        if (!value || item->items.size() != 1) {
            zcutRelRb(head);
            fail("bad ssget list");
        }
        resbuf* rb = zcutNewRb(code);
        switch (zrxhost::rbValueKind(code)) {
        case zrxhost::RbValueKind::kString:
            if (value->kind != Value::kStr) {
                zcutRelRb(rb);
                zcutRelRb(head);
                fail("bad ssget list");
            }
            zcutNewString(value->s.c_str(), rb->resval.rstring);
            break;
        case zrxhost::RbValueKind::kShort: rb->resval.rint = static_cast<short>(num(value)); break;
        case zrxhost::RbValueKind::kLong: rb->resval.rlong = static_cast<int32_t>(num(value)); break;
        case zrxhost::RbValueKind::kReal: rb->resval.rreal = num(value); break;
        default:
            zcutRelRb(rb);
            zcutRelRb(head);
            fail("bad ssget list");
        }
        add(rb);
    }
    return head;
}

ValuePtr lispSsget(const Args& a)
{
    ads_name ss = {0, 0};
    int rc = RTERROR;
    if (a.empty() || a[0]->kind != Value::kStr) {
        resbuf* filter = a.empty() ? nullptr : filterFrom(a[0]);
        rc = zcedSSGet(nullptr, nullptr, nullptr, filter, ss);
        zcutRelRb(filter);
    } else {
        std::string mode = a[0]->s;
        std::string upper = mode;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!upper.empty() && upper[0] == '_') upper.erase(0, 1);
        ads_point p1 = {0, 0, 0}, p2 = {0, 0, 0};
        resbuf* filter = nullptr;
        if (upper == "W" || upper == "C") {
            arity(a, 3, 4);
            pointArg(a[1], p1);
            pointArg(a[2], p2);
            filter = a.size() == 4 ? filterFrom(a[3]) : nullptr;
            rc = zcedSSGet(mode.c_str(), p1, p2, filter, ss);
        } else if (upper == "WP" || upper == "CP") {
            arity(a, 2, 3);
            resbuf* pts = nullptr;
            resbuf* tail = nullptr;
            if (a[1]->kind != Value::kList) fail("bad point list");
            for (const ValuePtr& p : a[1]->items) {
                resbuf* rb = zcutNewRb(RT3DPOINT);
                pointArg(p, rb->resval.rpoint);
                if (pts == nullptr) pts = rb;
                else tail->rbnext = rb;
                tail = rb;
            }
            filter = a.size() == 3 ? filterFrom(a[2]) : nullptr;
            rc = zcedSSGet(mode.c_str(), pts, nullptr, filter, ss);
            zcutRelRb(pts);
        } else {
            arity(a, 1, 2);
            filter = a.size() == 2 ? filterFrom(a[1]) : nullptr;
            rc = zcedSSGet(mode.c_str(), nullptr, nullptr, filter, ss);
        }
        zcutRelRb(filter);
    }
    return rc == RTNORM ? makePickset(ss) : nil();
}

ValuePtr lispSsadd(const Args& a)
{
    arity(a, 0, 2);
    ads_name result = {0, 0};
    if (a.empty()) return zcedSSAdd(nullptr, nullptr, result) == RTNORM ? makePickset(result) : nil();
    if (a[0]->kind != Value::kEname) fail("bad argument type: lentityp " + print(a[0]));
    if (a.size() == 1) return zcedSSAdd(a[0]->name, nullptr, result) == RTNORM ? makePickset(result) : nil();
    if (a[1]->kind != Value::kPickset) fail("bad argument type: lselsetp " + print(a[1]));
    return zcedSSAdd(a[0]->name, a[1]->name, result) == RTNORM ? a[1] : nil();
}

ValuePtr lispHandent(const Args& a)
{
    arity(a, 1, 1);
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectId id;
    ZcDbHandle h(str(a[0]).c_str());
    if (db == nullptr || h.isNull() || db->getZcDbObjectId(id, false, h) != Zcad::eOk || id.isErased()) return nil();
    zrxhost::HostAccess access;
    if (zrxhost::peek<ZcDbEntity>(id) == nullptr) return nil();
    ads_name name;
    zcdbGetAdsName(name, id);
    return makeEname(name);
}

// (entsel [prompt]): the picked entity and the point it was picked at, nil when nothing.
ValuePtr lispEntsel(const Args& a)
{
    arity(a, 0, 1);
    if (!a.empty() && a[0]->kind != Value::kStr) fail("bad argument type: stringp " + print(a[0]));
    ads_name e;
    ads_point p;
    if (zcedEntSel(a.empty() ? nullptr : a[0]->s.c_str(), e, p) != RTNORM) return nil();
    return makeList({makeEname(e), makeList({makeReal(p[X]), makeReal(p[Y]), makeReal(p[Z])})});
}

// (getpoint [prompt]): the point answered, nil on Enter.
ValuePtr lispGetpoint(const Args& a)
{
    arity(a, 0, 1);
    if (!a.empty() && a[0]->kind != Value::kStr) fail("bad argument type: stringp " + print(a[0]));
    ads_point p;
    if (zcedGetPoint(nullptr, a.empty() ? nullptr : a[0]->s.c_str(), p) != RTNORM) return nil();
    return makeList({makeReal(p[X]), makeReal(p[Y]), makeReal(p[Z])});
}

ValuePtr lispEntlast(const Args& a)
{
    arity(a, 0, 0);
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return nil();
    zrxhost::HostAccess access;
    auto ids = ed::liveEntities(db->modelSpaceId());
    if (ids.empty()) return nil();
    ads_name name;
    zcdbGetAdsName(name, ids.back());
    return makeEname(name);
}

ValuePtr fromVar(resbuf& rb)
{
    const resbuf* p = &rb;
    ValuePtr v = fromResbuf(p);
    if (rb.restype == RTSTR) std::free(rb.resval.rstring);
    return v ? v : nil();
}

std::map<std::string, Builtin>& builtins()
{
    static std::map<std::string, Builtin> b = [] {
        std::map<std::string, Builtin> m;
        m["LIST"] = [](const Args& a) { return makeList(a); };
        m["CAR"] = [](const Args& a) {
            arity(a, 1, 1);
            if (a[0]->isNil()) return nil();
            if (a[0]->kind != Value::kList) fail("bad argument type: consp " + print(a[0]));
            return a[0]->items[0];
        };
        m["CDR"] = [](const Args& a) {
            arity(a, 1, 1);
            if (a[0]->isNil()) return nil();
            if (a[0]->kind != Value::kList) fail("bad argument type: consp " + print(a[0]));
            if (a[0]->items.size() == 1 && a[0]->tail) return a[0]->tail;
            return makeList(std::vector<ValuePtr>(a[0]->items.begin() + 1, a[0]->items.end()), a[0]->tail);
        };
        m["CONS"] = [](const Args& a) {
            arity(a, 2, 2);
            if (a[1]->isNil()) return makeList({a[0]});
            if (a[1]->kind != Value::kList) return makeList({a[0]}, a[1]);
            std::vector<ValuePtr> items{a[0]};
            items.insert(items.end(), a[1]->items.begin(), a[1]->items.end());
            return makeList(std::move(items), a[1]->tail);
        };
        m["+"] = [](const Args& a) { return arithmetic(a, '+'); };
        m["-"] = [](const Args& a) { return arithmetic(a, '-'); };
        m["*"] = [](const Args& a) { return arithmetic(a, '*'); };
        m["/"] = [](const Args& a) { return arithmetic(a, '/'); };
        m["STRCAT"] = [](const Args& a) {
            std::string s;
            for (const ValuePtr& v : a) s += str(v);
            return makeStr(s);
        };
        m["HANDENT"] = lispHandent;
        m["ENTLAST"] = lispEntlast;
        m["ENTSEL"] = lispEntsel;
        m["GETPOINT"] = lispGetpoint;
        m["SSGET"] = lispSsget;
        m["SSADD"] = lispSsadd;
        m["SSLENGTH"] = [](const Args& a) {
            arity(a, 1, 1);
            int32_t n = 0;
            if (a[0]->kind != Value::kPickset || zcedSSLength(a[0]->name, &n) != RTNORM)
                fail("bad argument type: lselsetp " + print(a[0]));
            return makeInt(n);
        };
        m["SSNAME"] = [](const Args& a) {
            arity(a, 2, 2);
            ads_name e;
            if (a[0]->kind != Value::kPickset) fail("bad argument type: lselsetp " + print(a[0]));
            return zcedSSName(a[0]->name, static_cast<int32_t>(num(a[1])), e) == RTNORM ? makeEname(e) : nil();
        };
        m["GETVAR"] = [](const Args& a) {
            arity(a, 1, 1);
            resbuf rb{};
            return zcedGetVar(str(a[0]).c_str(), &rb) == RTNORM ? fromVar(rb) : nil();
        };
        m["SETVAR"] = [](const Args& a) {
            arity(a, 2, 2);
            resbuf* rb = toResbuf(a[1]);
            int rc = zcedSetVar(str(a[0]).c_str(), rb);
            zcutRelRb(rb);
            if (rc != RTNORM) fail("AutoCAD variable setting rejected: \"" + a[0]->s + "\" " + print(a[1]));
            return a[1];
        };
        m["PRINC"] = [](const Args& a) {
            arity(a, 0, 1);
            if (a.empty()) return makeSym("");
            ed::write(a[0]->kind == Value::kStr ? a[0]->s : print(a[0]));
            return a[0];
        };
        m["ARXLOAD"] = [](const Args& a) {
            arity(a, 1, 2);
            if (zcrxDynamicLinker->loadModule(str(a[0]).c_str(), false)) return a[0];
            if (a.size() == 2) return a[1];
            fail("ARX load failed: " + a[0]->s);
        };
        m["ARXUNLOAD"] = [](const Args& a) {
            arity(a, 1, 2);
            if (zcrxDynamicLinker->unloadModule(str(a[0]).c_str())) return a[0];
            if (a.size() == 2) return a[1];
            fail("ARX unload failed: " + a[0]->s);
        };
        return m;
    }();
    return b;
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

ValuePtr eval(const ValuePtr& form)
{
    EvalDepth nested;
    switch (form->kind) {
    case Value::kSym: {
        auto it = globals().find(form->s);
        return it != globals().end() ? it->second : nil();
    }
    case Value::kList: {
        if (form->isNil()) return nil();
        if (form->tail) fail("bad function call");
        const ValuePtr& head = form->items[0];
        if (head->kind != Value::kSym) fail("bad function: " + print(head));
        const std::string& name = head->s;
        if (name == "QUOTE") {
            if (form->items.size() != 2) fail("bad QUOTE");
            return form->items[1];
        }
        if (name == "SETQ") {
            if (form->items.size() < 3 || form->items.size() % 2 == 0) fail("too few arguments to SETQ");
            ValuePtr value = nil();
            for (size_t k = 1; k + 1 < form->items.size(); k += 2) {
                if (form->items[k]->kind != Value::kSym) fail("bad argument type: symbolp " + print(form->items[k]));
                value = eval(form->items[k + 1]);
                globals()[form->items[k]->s] = value;
            }
            return value;
        }
        Args args;
        for (size_t k = 1; k < form->items.size(); ++k) args.push_back(eval(form->items[k]));
        if (isDefined(name)) {
            std::string error;
            ValuePtr result = callExternal(name, args, &error);
            if (!result) fail(error);
            return result;
        }
        auto it = builtins().find(name);
        if (it == builtins().end()) fail("no function definition: " + name);
        return it->second(args);
    }
    default: return form;
    }
}

}  // namespace

bool isComplete(const std::string& text)
{
    Reader reader(text);
    try {
        while (!reader.atEnd()) reader.read();
    } catch (const Incomplete&) {
        return false;
    } catch (const ReadError&) {
    }
    return true;
}

ValuePtr evalText(const std::string& text, std::string* error)
{
    watch::DispatchScope dispatched;
    Reader reader(text);
    ValuePtr last = nil();
    try {
        while (!reader.atEnd()) last = eval(reader.read());
    } catch (const Incomplete&) {
        if (error != nullptr) *error = "malformed list on input";
        return nullptr;
    } catch (const std::runtime_error& e) {
        if (error != nullptr) *error = e.what();
        return nullptr;
    }
    return last;
}

void evalAndPrint(const std::string& text)
{
    std::string error;
    ValuePtr v = evalText(text, &error);
    if (!v) {
        ed::write("\n; error: " + error + "\n");
        return;
    }
    // (princ) with no argument prints nothing: the quiet end of a LISP routine.
    if (v->kind == Value::kSym && v->s.empty()) return;
    ed::write("\n" + print(v) + "\n");
}

ValuePtr global(const std::string& name)
{
    auto it = globals().find(name);
    return it != globals().end() ? it->second : nil();
}

void setGlobal(const std::string& name, ValuePtr value)
{
    if (value->isNil()) globals().erase(name);
    else globals()[name] = std::move(value);
}

}  // namespace zrxhost::lisp
