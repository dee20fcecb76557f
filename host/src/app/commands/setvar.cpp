// SETVAR: a system variable shown and set.
#include <cstdlib>
#include <string>

#include "app/commands/commands.h"
#include "editor/editor.h"
#include "util/text_case.h"
#include "zrx/ed_input.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/session.h"

namespace zrxhost::app {

void setvarCommand()
{
    char name[64];
    if (zcedGetString(0, "\nEnter variable name or [?]: ", name, sizeof name) != RTNORM || name[0] == '\0') return;
    resbuf current{};
    if (zcedGetVar(name, &current) != RTNORM) {
        ed::write("\nUnknown variable name.  Type SETVAR ? for list of variables.\n");
        if (inputMode() == InputMode::Script) raiseScriptError(std::string("unknown variable ") + name);
        return;
    }
    const resbuf* p = &current;
    std::string shown;
    switch (current.restype) {
    case RTSHORT: shown = std::to_string(current.resval.rint); break;
    case RTREAL: shown = ed::formatReal(current.resval.rreal); break;
    case RTSTR: shown = std::string("\"") + current.resval.rstring + "\""; break;
    default: shown = ed::formatPoint(ZcGePoint3d(p->resval.rpoint[0], p->resval.rpoint[1], p->resval.rpoint[2]));
    }
    std::string upper = upperAscii(name);
    std::string prompt = "\nEnter new value for " + upper + " <" + shown + ">: ";
    char value[512];
    int rc = zcedGetString(1, prompt.c_str(), value, sizeof value);
    int type = current.restype;
    if (type == RTSTR) std::free(current.resval.rstring);
    if (rc != RTNORM || value[0] == '\0') return;
    resbuf rb{};
    rb.restype = static_cast<short>(type);
    bool parsed = true;
    if (type == RTSHORT) {
        auto v = ed::parseInt(value);
        parsed = v.has_value() && *v >= -32768 && *v <= 32767;
        rb.resval.rint = static_cast<short>(parsed ? *v : 0);
    } else if (type == RTREAL) {
        auto v = ed::parseReal(value);
        parsed = v.has_value();
        rb.resval.rreal = parsed ? *v : 0.0;
    } else if (type == RTSTR) {
        rb.resval.rstring = value;
    } else {
        auto v = ed::parsePoint(value);
        parsed = v.has_value();
        if (parsed) {
            rb.resval.rpoint[0] = v->x;
            rb.resval.rpoint[1] = v->y;
            rb.resval.rpoint[2] = v->z;
        }
    }
    if (!parsed || zcedSetVar(name, &rb) != RTNORM) {
        ed::reject("Invalid value for " + upper, value);
    }
}

}  // namespace zrxhost::app
