// Functions plug-ins define for LISP: definition, the call, its arguments and its result.
#include <map>

#include "app/app.h"
#include "lisp/interp.h"
#include "lisp/lisp.h"
#include "util/text_case.h"
#include "win/change_watch.h"
#include "zrx/ed_lisp.h"

namespace zrxhost::lisp {
namespace {

struct Definition {
    void* app = nullptr;
    int code = 0;
};

std::map<std::string, Definition>& definitions()
{
    static std::map<std::string, Definition> d;
    return d;
}

std::map<std::pair<void*, int>, int (*)()>& handlers()
{
    static std::map<std::pair<void*, int>, int (*)()> h;
    return h;
}

// The call in progress: its number, its arguments and the result set so far.
struct Call {
    int code = 0;
    resbuf* args = nullptr;
    ValuePtr result;
    bool active = false;
};
Call g_call;

int setResult(ValuePtr v)
{
    if (!g_call.active || !v) return RTERROR;
    g_call.result = std::move(v);
    return RTNORM;
}

}  // namespace

namespace {

// A function the program defined with defun (C:NAME ones are commands).
ValuePtr userFunction(const std::string& upperName)
{
    ValuePtr v = symbolValue(upperName);
    return v->kind == Value::kUsubr ? v : nullptr;
}

}  // namespace

bool isDefined(const std::string& name)
{
    std::string upper = upperAscii(name);
    return definitions().count(upper) != 0 || userFunction(upper) != nullptr;
}

ValuePtr callExternal(const std::string& name, const std::vector<ValuePtr>& args, std::string* error)
{
    auto it = definitions().find(upperAscii(name));
    if (it == definitions().end()) {
        ValuePtr fn = userFunction(upperAscii(name));
        if (!fn) {
            *error = "no function definition: " + name;
            return nullptr;
        }
        try {
            return applyFunction(fn, args);
        } catch (const std::runtime_error& e) {
            *error = e.what();
            return nullptr;
        }
    }
    Definition def = it->second;
    watch::DispatchScope dispatched;
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (const ValuePtr& a : args) {
        resbuf* rb = toResbuf(a);
        if (head == nullptr) head = rb;
        else tail->rbnext = rb;
        for (tail = rb; tail->rbnext != nullptr;) tail = tail->rbnext;
    }
    Call saved = g_call;
    g_call = Call{def.code, head, nil(), true};
    int rc = RSRSLT;
    auto handler = handlers().find({def.app, def.code});
    if (handler != handlers().end()) {
        rc = handler->second();
    } else if (app::Module* m = app::moduleOf(def.app)) {
        rc = app::sendMessage(m, ZcRx::kInvkSubrMsg, nullptr) == ZcRx::kRetOK ? RSRSLT : RSERR;
    } else {
        rc = RSERR;
    }
    ValuePtr result = g_call.result;
    zcutRelRb(g_call.args);
    g_call = saved;
    if (rc == RSERR || rc == RTERROR || rc == RTCAN) {
        *error = "function " + upperAscii(name) + " failed";
        return nullptr;
    }
    return result;
}

void forgetApp(void* appId)
{
    std::erase_if(definitions(), [appId](const auto& d) { return d.second.app == appId; });
    std::erase_if(handlers(), [appId](const auto& h) { return h.first.first == appId; });
}

}  // namespace zrxhost::lisp

using namespace zrxhost::lisp;

int zcedDefun(const char* sname, int funcnumber)
{
    if (sname == nullptr || *sname == '\0' || funcnumber < 0) return RTERROR;
    definitions()[zrxhost::upperAscii(sname)] = {zrxhost::app::currentApp(), funcnumber};
    return RTNORM;
}

int zcedUndef(const char* sname, int funcnumber)
{
    if (sname == nullptr) return RTERROR;
    auto it = definitions().find(zrxhost::upperAscii(sname));
    if (it == definitions().end() || it->second.code != funcnumber) return RTERROR;
    definitions().erase(it);
    return RTNORM;
}

int zcedRegFunc(int (*fhdl)(), int fcode)
{
    void* app = zrxhost::app::currentApp();
    if (fhdl == nullptr) handlers().erase({app, fcode});
    else handlers()[{app, fcode}] = fhdl;
    return RTNORM;
}

int zcedGetFunCode() { return g_call.active ? g_call.code : RTERROR; }

resbuf* zcedGetArgs() { return g_call.active ? g_call.args : nullptr; }

int zcedRetReal(ads_real rval) { return setResult(makeReal(rval)); }
int zcedRetInt(int ival) { return setResult(makeInt(ival)); }
int zcedRetStr(const char* s) { return setResult(makeStr(s != nullptr ? s : "")); }
int zcedRetPoint(const ads_point pt)
{
    return setResult(makePoint(pt));
}
int zcedRetName(const ads_name aname, int type)
{
    if (type == RTENAME) return setResult(makeEname(aname));
    if (type == RTPICKS) return setResult(makePickset(aname));
    return RTERROR;
}
int zcedRetNil() { return setResult(nil()); }
int zcedRetT() { return setResult(t()); }
int zcedRetVoid() { return setResult(makeSym("")); }

int zcedRetList(const resbuf* rbuf)
{
    // A chain that is one list already is that list; otherwise its items make one.
    const resbuf* p = rbuf;
    if (p != nullptr && p->restype == RTLB) {
        ValuePtr whole = fromResbuf(p);
        if (whole && p == nullptr) return setResult(whole);
    }
    std::vector<ValuePtr> items;
    for (p = rbuf; p != nullptr;) {
        ValuePtr item = fromResbuf(p);
        if (!item) return RTERROR;
        if (item->depth >= kMaxNesting) return RTERROR;
        items.push_back(item);
    }
    return setResult(makeList(items));
}

int zcedRetVal(const resbuf* rbuf)
{
    const resbuf* p = rbuf;
    ValuePtr v = fromResbuf(p);
    return v ? setResult(v) : RTERROR;
}

int zcedGetSym(const char* sname, resbuf** value)
{
    if (sname == nullptr || value == nullptr) return RTERROR;
    // Converted as arguments are: lists of two or three reals become points.
    ValuePtr v = global(zrxhost::upperAscii(sname));
    *value = toResbuf(v);
    return RTNORM;
}

int zcedPutSym(const char* sname, resbuf* value)
{
    if (sname == nullptr) return RTERROR;
    const resbuf* p = value;
    ValuePtr v = value != nullptr ? fromResbuf(p) : nil();
    if (!v) return RTERROR;
    setGlobal(zrxhost::upperAscii(sname), v);
    return RTNORM;
}
