// Questions to the user: points, corners, distances, angles, numbers, text, keywords and
// entity picks, with initget. Enter gives nil, a keyword its text, Esc the error
// "Function cancelled".
#include "lisp/interp.h"
#include "zrx/ed_input.h"
#include "zrx/zc_resbuf.h"

namespace zrxhost::lisp {
namespace {

// The optional base point and prompt of a question, in either order of presence.
struct Question {
    bool hasBase = false;
    ads_point base = {0, 0, 0};
    const char* prompt = nullptr;
};

Question question(const Args& a, bool basePoint)
{
    arity(a, 0, basePoint ? 2 : 1);
    Question q;
    for (size_t k = 0; k < a.size(); ++k) {
        if (basePoint && k == 0 && a[k]->kind == Value::kList) {
            point(a[k], q.base);
            q.hasBase = true;
        } else if (a[k]->kind == Value::kStr && k + 1 == a.size()) {
            q.prompt = a[k]->s.c_str();
        } else {
            badArgument(basePoint && k == 0 ? "2D/3D point:" : "stringp", a[k]);
        }
    }
    return q;
}

// The value for a question's result code, or the error Esc is.
ValuePtr answer(int rc, ValuePtr value)
{
    if (rc == RTNORM) return value;
    if (rc == RTKWORD) {
        char text[512] = "";
        zcedGetInput(text, sizeof text);
        return makeStr(text);
    }
    if (rc == RTCAN) fail("Function cancelled");
    return nil();
}

ValuePtr getPointLike(const Args& a, bool corner)
{
    Question q = question(a, true);
    if (corner && !q.hasBase) fail("too few arguments");
    ads_point p = {0, 0, 0};
    int rc = corner ? zcedGetCorner(q.base, q.prompt, p) : zcedGetPoint(q.hasBase ? q.base : nullptr, q.prompt, p);
    return answer(rc, rc == RTNORM ? makePoint(p) : nullptr);
}

template <int (*Ask)(const ads_point, const char*, ads_real*)>
ValuePtr getMeasure(const Args& a)
{
    Question q = question(a, true);
    ads_real r = 0;
    int rc = Ask(q.hasBase ? q.base : nullptr, q.prompt, &r);
    return answer(rc, rc == RTNORM ? makeReal(r) : nullptr);
}

ValuePtr getString(const Args& a)
{
    arity(a, 0, 2);
    int cronly = 0;
    const char* prompt = nullptr;
    size_t k = 0;
    if (a.size() == 2 || (a.size() == 1 && a[0]->kind != Value::kStr)) cronly = a[k++]->isNil() ? 0 : 1;
    if (k < a.size()) prompt = str(a[k]).c_str();
    std::string text(4096, '\0');
    int rc = zcedGetString(cronly, prompt, text.data(), text.size());
    if (rc == RTCAN) fail("Function cancelled");
    if (rc != RTNORM && rc != RTINPUTTRUNCATED) return makeStr("");
    text.resize(text.find('\0'));
    return makeStr(text);
}

ValuePtr initget(const Args& a)
{
    arity(a, 0, 2);
    int bits = 0;
    const char* keywords = nullptr;
    for (const ValuePtr& v : a) {
        if (v->kind == Value::kInt) bits = v->i;
        else keywords = str(v).c_str();
    }
    zcedInitGet(bits, keywords);
    return nil();
}

ValuePtr entsel(const Args& a)
{
    arity(a, 0, 1);
    const char* prompt = a.empty() ? nullptr : str(a[0]).c_str();
    ads_name e;
    ads_point p;
    int rc = zcedEntSel(prompt, e, p);
    if (rc == RTCAN) fail("Function cancelled");
    if (rc != RTNORM) return nil();
    return makeList({makeEname(e), makePoint(p)});
}

// (nentsel [msg]): as entsel for an entity of the space; for one inside a block reference
// also the matrix by columns and the references passed through, innermost first.
ValuePtr nentsel(const Args& a)
{
    arity(a, 0, 1);
    const char* prompt = a.empty() ? nullptr : str(a[0]).c_str();
    ads_name e;
    ads_point p;
    ads_point xform[4];
    resbuf* refs = nullptr;
    int rc = zcedNEntSel(prompt, e, p, xform, &refs);
    if (rc == RTCAN) fail("Function cancelled");
    if (rc != RTNORM) return nil();
    if (refs == nullptr) return makeList({makeEname(e), makePoint(p)});
    std::vector<ValuePtr> containers;
    for (resbuf* rb = refs; rb != nullptr; rb = rb->rbnext) containers.push_back(makeEname(rb->resval.rlname));
    zcutRelRb(refs);
    return makeList({makeEname(e), makePoint(p),
                     makeList({makePoint(xform[0]), makePoint(xform[1]), makePoint(xform[2]), makePoint(xform[3])}),
                     makeList(containers)});
}

// (nentselp [msg] [pt]): the pick of nentsel, given a point when one is passed, with the
// whole 4x4 matrix by rows (identity for an entity of the space).
ValuePtr nentselp(const Args& a)
{
    arity(a, 0, 2);
    const char* prompt = nullptr;
    ads_point p = {0, 0, 0};
    bool given = false;
    for (const ValuePtr& v : a) {
        if (v->kind == Value::kStr) {
            prompt = v->s.c_str();
        } else {
            point(v, p);
            given = true;
        }
    }
    ads_name e;
    ads_matrix m;
    resbuf* refs = nullptr;
    int rc = zcedNEntSelP(prompt, e, p, given ? 1 : 0, m, &refs);
    if (rc == RTCAN) fail("Function cancelled");
    if (rc != RTNORM) return nil();
    std::vector<ValuePtr> containers;
    for (resbuf* rb = refs; rb != nullptr; rb = rb->rbnext) containers.push_back(makeEname(rb->resval.rlname));
    zcutRelRb(refs);
    if (containers.empty()) return makeList({makeEname(e), makePoint(p)});
    std::vector<ValuePtr> rows;
    for (auto& row : m) rows.push_back(makeList({makeReal(row[0]), makeReal(row[1]), makeReal(row[2]), makeReal(row[3])}));
    return makeList({makeEname(e), makePoint(p), makeList(rows), makeList(containers)});
}

}  // namespace

void addInputFunctions(Builtins& b)
{
    define(b, "GETPOINT", [](const Args& a) { return getPointLike(a, false); });
    define(b, "GETCORNER", [](const Args& a) { return getPointLike(a, true); });
    define(b, "GETDIST", getMeasure<zcedGetDist>);
    define(b, "GETANGLE", getMeasure<zcedGetAngle>);
    define(b, "GETINT", [](const Args& a) {
        Question q = question(a, false);
        int v = 0;
        int rc = zcedGetInt(q.prompt, &v);
        return answer(rc, rc == RTNORM ? makeInt(v) : nullptr);
    });
    define(b, "GETREAL", [](const Args& a) {
        Question q = question(a, false);
        ads_real v = 0;
        int rc = zcedGetReal(q.prompt, &v);
        return answer(rc, rc == RTNORM ? makeReal(v) : nullptr);
    });
    define(b, "GETSTRING", getString);
    define(b, "GETKWORD", [](const Args& a) {
        Question q = question(a, false);
        char text[512] = "";
        int rc = zcedGetKword(q.prompt, text, sizeof text);
        return answer(rc, rc == RTNORM ? makeStr(text) : nullptr);
    });
    define(b, "INITGET", initget);
    define(b, "ENTSEL", entsel);
    define(b, "NENTSEL", nentsel);
    define(b, "NENTSELP", nentselp);
}

}  // namespace zrxhost::lisp
