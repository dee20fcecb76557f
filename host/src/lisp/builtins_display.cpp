// Temporary vectors and redrawing from LISP: grdraw, grvecs, redraw. They go through the
// editor's own functions, so LISP and plug-ins draw into the same view.
#include <memory>

#include "lisp/interp.h"
#include "zrx/ed_display.h"
#include "zrx/zc_resbuf.h"

namespace zrxhost::lisp {
namespace {

struct ChainDeleter {
    void operator()(resbuf* rb) const { zcutRelRb(rb); }
};
using Chain = std::unique_ptr<resbuf, ChainDeleter>;

// The vector list as zcedGrVecs takes it: colours as RTSHORT, points as RT3DPOINT.
Chain vectorChain(const ValuePtr& vlist)
{
    Chain head;
    resbuf* last = nullptr;
    for (const ValuePtr& item : toVector(list(vlist))) {
        // Joined to the chain before it is filled, so that a bad item leaves nothing behind.
        resbuf* rb = zcutNewRb(item->kind == Value::kInt ? RTSHORT : RT3DPOINT);
        if (last == nullptr) head.reset(rb);
        else last->rbnext = rb;
        last = rb;
        if (item->kind == Value::kInt) rb->resval.rint = static_cast<short>(item->i);
        else point(item, rb->resval.rpoint);
    }
    return head;
}

// Four rows of four numbers.
void matrix(const ValuePtr& v, ads_matrix m)
{
    const std::vector<ValuePtr> rows = toVector(list(v));
    if (rows.size() != 4) badArgument("listp", v);
    for (int i = 0; i < 4; ++i) {
        const std::vector<ValuePtr> row = toVector(list(rows[i]));
        if (row.size() != 4) badArgument("listp", rows[i]);
        for (int j = 0; j < 4; ++j) m[i][j] = num(row[j]);
    }
}

}  // namespace

void addDisplayFunctions(Builtins& b)
{
    define(b, "GRDRAW", [](const Args& a) {
        arity(a, 3, 4);
        ads_point from, to;
        point(a[0], from);
        point(a[1], to);
        const int color = integer(a[2]);
        const int hl = a.size() > 3 ? integer(a[3]) : 0;
        zcedGrDraw(from, to, color, hl);
        return nil();
    });
    define(b, "GRVECS", [](const Args& a) {
        arity(a, 1, 2);
        Chain vectors = vectorChain(a[0]);
        ads_matrix m;
        if (a.size() > 1) matrix(a[1], m);
        if (zcedGrVecs(vectors.get(), a.size() > 1 ? m : nullptr) != RTNORM) fail("bad argument value: vector list");
        return nil();
    });
    define(b, "REDRAW", [](const Args& a) {
        arity(a, 0, 2);
        if (a.empty()) {
            zcedRedraw(nullptr, 1);
            return nil();
        }
        if (a[0]->kind != Value::kEname && a[0]->kind != Value::kPickset) badArgument("lentityp", a[0]);
        ads_name name = {a[0]->name[0], a[0]->name[1]};
        zcedRedraw(name, a.size() > 1 ? integer(a[1]) : 1);
        return nil();
    });
}

}  // namespace zrxhost::lisp
