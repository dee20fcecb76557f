// SCRIPT: the answers of a script file played next.
#include <filesystem>
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"
#include "zrxhost/session.h"

namespace zrxhost::app {

void scriptCommand()
{
    char name[1024];
    if (zcedGetString(1, "\nEnter script file name: ", name, sizeof name) != RTNORM || name[0] == '\0') return;
    // A plug-in names its script by a Windows path (C:\TREVAN\SYSTEM\DXFOUT.scr).
    std::string path = hostFile(name, "");
    if (!std::filesystem::exists(path) && std::filesystem::path(path).extension().empty()) path += ".scr";
    std::string error;
    if (!pushScriptFile(path, &error)) {
        ed::write(std::string("\nCannot find script file \"") + name + "\".\n");
        if (inputMode() == InputMode::Script) raiseScriptError(error);
    }
}

}  // namespace zrxhost::app
