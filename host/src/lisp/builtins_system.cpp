// The system: variables, the environment, support files, commands fed their answers,
// loading LISP files and plug-ins.
#include <cstdlib>

#include "lisp/interp.h"
#include "lisp/lisp.h"
#include "util/file_bytes.h"
#include "zrx/zrx_all.h"
#include "zrxhost/session.h"

namespace zrxhost::lisp {
namespace {

ValuePtr fromVar(resbuf& rb)
{
    const resbuf* p = &rb;
    ValuePtr v = fromResbuf(p);
    if (rb.restype == RTSTR) std::free(rb.resval.rstring);
    return v ? v : nil();
}

ValuePtr getvar(const Args& a)
{
    arity(a, 1, 1);
    resbuf rb{};
    return zcedGetVar(str(a[0]).c_str(), &rb) == RTNORM ? fromVar(rb) : nil();
}

ValuePtr setvar(const Args& a)
{
    arity(a, 2, 2);
    const std::string& name = str(a[0]);
    resbuf* rb = toResbuf(a[1]);
    int rc = zcedSetVar(name.c_str(), rb);
    zcutRelRb(rb);
    if (rc != RTNORM) fail("AutoCAD variable setting rejected: \"" + name + "\" " + print(a[1]));
    return a[1];
}

// The answers of a command call as the C interface takes them: points of integers too.
resbuf* answerChain(const Args& a)
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (const ValuePtr& v : a) {
        resbuf* rb = nullptr;
        long n = v->kind == Value::kList ? listLength(v) : 0;
        if (n == 2 || n == 3) {
            rb = zcutNewRb(n == 2 ? RTPOINT : RT3DPOINT);
            try {
                point(v, rb->resval.rpoint);
            } catch (...) {
                zcutRelRb(rb);
                zcutRelRb(head);
                throw;
            }
        } else if (v->kind == Value::kList || v->kind == Value::kSubr || v->kind == Value::kUsubr ||
                   v->kind == Value::kFile || v->kind == Value::kError) {
            zcutRelRb(head);
            fail("bad argument type: " + print(v));
        } else if (v->isNil()) {
            continue;
        } else {
            rb = toResbuf(v);
        }
        if (head == nullptr) head = rb;
        else tail->rbnext = rb;
        tail = rb;
    }
    return head;
}

int runCommand(const Args& a)
{
    if (a.empty()) return RTNORM;
    resbuf* chain = answerChain(a);
    int rc = zcedCmd(chain);
    zcutRelRb(chain);
    return rc;
}

// The file load names: as given, else with ".lsp", through the support path.
std::optional<std::string> findLisp(const std::string& name)
{
    size_t slash = name.find_last_of("/\\");
    size_t dot = name.rfind('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    if (!hasExtension) {
        if (auto found = findHostFile(name + ".lsp")) return found;
    }
    return findHostFile(name);
}

ValuePtr load(const Args& a)
{
    arity(a, 1, 2);
    const std::string& name = str(a[0]);
    std::optional<std::string> path = findLisp(name);
    std::optional<std::string> text = path ? util::readFileBytes(*path) : std::nullopt;
    if (!text) {
        if (a.size() == 2) return a[1];
        fail("LOAD failed: \"" + name + "\"");
    }
    return evalAll(*text, name);
}

}  // namespace

void addSystemFunctions(Builtins& b)
{
    define(b, "GETVAR", getvar);
    define(b, "SETVAR", setvar);
    define(b, "GETENV", [](const Args& a) {
        arity(a, 1, 1);
        const char* v = std::getenv(str(a[0]).c_str());
        return v != nullptr ? makeStr(v) : nil();
    });
    define(b, "FINDFILE", [](const Args& a) {
        arity(a, 1, 1);
        char found[1024];
        return zcedFindFile(str(a[0]).c_str(), found, sizeof found) == RTNORM ? makeStr(found) : nil();
    });
    define(b, "COMMAND", [](const Args& a) {
        if (runCommand(a) != RTNORM) fail("Function cancelled");
        return nil();
    });
    define(b, "VL-CMDF", [](const Args& a) { return truth(runCommand(a) == RTNORM); });
    define(b, "LOAD", load);
    define(b, "VL-LOAD-COM", [](const Args& a) {
        arity(a, 0, 0);
        return nil();
    });
    define(b, "ARXLOAD", [](const Args& a) {
        arity(a, 1, 2);
        if (zcrxDynamicLinker->loadModule(str(a[0]).c_str(), false)) return a[0];
        if (a.size() == 2) return a[1];
        fail("ARX load failed: " + a[0]->s);
    });
    define(b, "ARXUNLOAD", [](const Args& a) {
        arity(a, 1, 2);
        if (zcrxDynamicLinker->unloadModule(str(a[0]).c_str())) return a[0];
        if (a.size() == 2) return a[1];
        fail("ARX unload failed: " + a[0]->s);
    });
}

}  // namespace zrxhost::lisp
