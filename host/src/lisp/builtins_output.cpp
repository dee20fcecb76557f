// Writing to the command line or to a file: princ, prin1, print, prompt, terpri, alert.
#include <cstdio>

#include "editor/editor.h"
#include "lisp/interp.h"
#include "zrx/win_boxes.h"

namespace zrxhost::lisp {
namespace {

// The optional file argument of the printing functions.
std::FILE* target(const Args& a, size_t at)
{
    if (a.size() <= at) return nullptr;
    if (a[at]->kind != Value::kFile) badArgument("filep", a[at]);
    if (a[at]->file->f == nullptr || !a[at]->file->writing) fail("bad argument value: file not open for writing");
    return a[at]->file->f;
}

void emit(const std::string& text, std::FILE* f)
{
    if (f != nullptr) std::fputs(text.c_str(), f);
    else ed::write(text);
}

template <bool Escape, bool Framed>
ValuePtr printer(const Args& a)
{
    arity(a, 0, 2);
    if (a.empty()) {
        if (Framed) emit("\n", nullptr);
        return makeSym("");
    }
    std::FILE* f = target(a, 1);
    std::string text = Escape ? print(a[0]) : princText(a[0]);
    emit(Framed ? "\n" + text + " " : text, f);
    return a[0];
}

}  // namespace

void addOutputFunctions(Builtins& b)
{
    define(b, "PRINC", printer<false, false>);
    define(b, "PRIN1", printer<true, false>);
    define(b, "PRINT", printer<true, true>);
    define(b, "PROMPT", [](const Args& a) {
        arity(a, 1, 1);
        ed::write(str(a[0]));
        return nil();
    });
    define(b, "TERPRI", [](const Args& a) {
        arity(a, 0, 0);
        ed::write("\n");
        return nil();
    });
    define(b, "ALERT", [](const Args& a) {
        arity(a, 1, 1);
        zcedAlert(str(a[0]).c_str());
        return nil();
    });
}

}  // namespace zrxhost::lisp
