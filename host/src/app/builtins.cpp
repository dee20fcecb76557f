// The table of the host's own commands: those the module drives and those a script needs
// to set up a drawing.
#include <map>

#include "app/app.h"
#include "app/commands/commands.h"
#include "util/text_case.h"

namespace zrxhost::app {
namespace {

std::map<std::string, BuiltinCommand>& table()
{
    static std::map<std::string, BuiltinCommand> t;
    return t;
}

}  // namespace

void registerBuiltins()
{
    if (!table().empty()) return;
    for (BuiltinCommand c : {BuiltinCommand{"LINE", lineCommand}, BuiltinCommand{"LEADER", leaderCommand},
                             BuiltinCommand{"-INSERT", insertCommand}, BuiltinCommand{"ZOOM", zoomCommand},
                             BuiltinCommand{"REGEN", regenCommand}, BuiltinCommand{"SETVAR", setvarCommand},
                             BuiltinCommand{"SCRIPT", scriptCommand}, BuiltinCommand{"NEW", newCommand},
                             BuiltinCommand{"CLOSE", closeCommand}, BuiltinCommand{"OPEN", openCommand},
                             BuiltinCommand{"SAVEAS", saveasCommand}, BuiltinCommand{"QSAVE", qsaveCommand},
                             BuiltinCommand{"DXFOUT", dxfoutCommand},
                             BuiltinCommand{"DOCUMENTS", documentsCommand, true}})
        table()[c.name] = c;
}

const BuiltinCommand* findBuiltin(const std::string& name)
{
    registerBuiltins();
    auto it = table().find(upperAscii(name));
    return it != table().end() ? &it->second : nullptr;
}

}  // namespace zrxhost::app
