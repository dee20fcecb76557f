// NEW: a new drawing from a template, or from none.
#include <cstring>
#include <string>

#include "app/commands/commands.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/session.h"

namespace zrxhost::app {

void newCommand()
{
    char name[1024];
    int rc = zcedGetString(1, "\nEnter template file name or [. (for none)] <acadiso.dwt>: ", name, sizeof name);
    if (rc != RTNORM) return;
    const char* templ = (std::strcmp(name, ".") == 0) ? "" : name;
    Zcad::ErrorStatus es = zcDocManager->appContextNewDocument(templ);
    if (es == Zcad::eOk) return;
    // A template that is there but cannot be read says why, as OPEN does.
    std::string what = es == Zcad::eFileNotFound ? std::string("template \"") + name + "\" not found"
                                                 : lastDrawingFileError();
    ed::write(es == Zcad::eFileNotFound ? std::string("\nCannot find template \"") + name + "\".\n" : "\n" + what + "\n");
    if (inputMode() == InputMode::Script) raiseScriptError(what);
}

}  // namespace zrxhost::app
