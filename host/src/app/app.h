// The application's inside: loaded modules, the command tables and the command loop's
// hooks, shared by the frame, the documents and LISP.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "zrx/zrx_all.h"

namespace zrxhost::app {

// The entry point every plug-in exports, as extern "C".
typedef ZcRx::AppRetCode (*ZcRxEntryPointFn)(ZcRx::AppMsgCode msg, void* appId);

struct Module {
    std::string path;
    void* handle = nullptr;
    ZcRxEntryPointFn entry = nullptr;
    bool locked = true;
    bool mdiAware = false;
};

// The module behind an appId; null for anything else.
Module* moduleOf(void* appId);
const std::vector<Module*>& loadedModules();
// The module whose code runs now (null: the host itself), for what it registers.
void* currentApp();
// Sends a message through the module's entry point, with the module as the current app.
ZcRx::AppRetCode sendMessage(Module* module, ZcRx::AppMsgCode msg, void* pkt);
// Sends a drawing message to every module, once per call.
void sendToAllModules(ZcRx::AppMsgCode msg);
// Unloads every module, last loaded first.
void unloadAllModules();

// Registered commands of a module go when it goes.
void removeCommandsOf(void* appId);

// The host's own commands: the command line finds them when no registered command of
// the name exists, or first when the name starts with ".".
struct BuiltinCommand {
    const char* name;
    std::function<void()> run;
    // Runs in application context, with no document locked for it.
    bool session = false;
};
const BuiltinCommand* findBuiltin(const std::string& name);
void registerBuiltins();

// Runs a command with the given answers ahead of the input; the answers are the only
// input it gets (a "\\" answer reads one from the user). RTNORM when it ran, RTCAN when it
// asked for more than it was given, RTERROR for an unknown command.
int runCommandWith(const std::string& name, std::vector<std::string> answers);

}  // namespace zrxhost::app
