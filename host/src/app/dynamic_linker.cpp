// Loading plug-ins: dlopen, _hdllInstance, and the application messages.
#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/app.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "lisp/lisp.h"
#include "util/text_case.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcRxDynamicLinker, ZcRxObject, "AcRxDynamicLinker", "")

namespace zrxhost::app {
namespace {

std::vector<Module*>& modules()
{
    static std::vector<Module*> m;
    return m;
}
void* g_currentApp = nullptr;

std::string canonical(const char* fileName)
{
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(fileName, ec);
    return ec ? std::string(fileName) : p.string();
}

Module* findByPath(const std::string& path)
{
    for (Module* m : modules()) {
        if (m->path == path) return m;
    }
    return nullptr;
}

// A loaded module named as the user names it: its path, or its file name with or without
// the extension (and the "lib" our shared libraries carry), without regard to case, as
// the platform's unload takes an application's name.
Module* findLoaded(const char* fileName)
{
    if (Module* m = findByPath(canonical(fileName))) return m;
    std::string wanted = zrxhost::upperAscii(std::filesystem::path(fileName).filename().string());
    for (Module* m : modules()) {
        std::filesystem::path p(m->path);
        std::string name = zrxhost::upperAscii(p.filename().string());
        std::string stem = zrxhost::upperAscii(p.stem().string());
        std::string bare = stem.rfind("LIB", 0) == 0 ? stem.substr(3) : stem;
        if (wanted == name || wanted == stem || wanted == bare) return m;
    }
    return nullptr;
}

// The current-app marker is put back however the entry point returns.
struct CurrentApp {
    explicit CurrentApp(void* app) : saved(g_currentApp) { g_currentApp = app; }
    ~CurrentApp() { g_currentApp = saved; }
    void* saved;
};

class DynamicLinker : public ZcRxDynamicLinker {
public:
    bool loadModule(const char* fileName, bool printIt, bool /*asCmd*/) override
    {
        if (fileName == nullptr || *fileName == '\0') return false;
        std::string path = canonical(fileName);
        if (findByPath(path) != nullptr) {
            if (printIt) ed::write("\n" + path + " is already loaded.\n");
            return true;
        }
        // Each module keeps its own symbols, as a Windows DLL does.
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            if (printIt) ed::write(std::string("\nUnable to load ") + fileName + ": " + dlerror() + "\n");
            return false;
        }
        auto entry = reinterpret_cast<ZcRxEntryPointFn>(dlsym(handle, "acrxEntryPoint"));
        if (entry == nullptr) entry = reinterpret_cast<ZcRxEntryPointFn>(dlsym(handle, "zcrxEntryPoint"));
        if (entry == nullptr) {
            if (printIt) ed::write(std::string("\n") + fileName + " has no acrxEntryPoint.\n");
            dlclose(handle);
            return false;
        }
        // The module's instance handle, as Windows hands a DLL its HINSTANCE.
        if (auto* instance = static_cast<void**>(dlsym(handle, "_hdllInstance"))) *instance = handle;

        auto* m = new Module{path, handle, entry};
        modules().push_back(m);
        if (sendMessage(m, ZcRx::kInitAppMsg, m) != ZcRx::kRetOK) {
            forget(m);
            if (printIt) ed::write(std::string("\n") + fileName + " refused to start.\n");
            return false;
        }
        docs::inEachDocument([m] { sendMessage(m, ZcRx::kLoadDwgMsg, nullptr); });
        if (printIt) ed::write("\n" + path + " loaded.\n");
        return true;
    }

    bool unloadModule(const char* fileName, bool /*asCmd*/) override
    {
        if (fileName == nullptr) return false;
        Module* m = findLoaded(fileName);
        if (m == nullptr || m->locked) return false;
        if (sendMessage(m, ZcRx::kUnloadAppMsg, m) != ZcRx::kRetOK) return false;
        forget(m);
        return true;
    }

    bool unlockApplication(void* appId) const override { return setLock(appId, false); }
    bool lockApplication(void* appId) const override { return setLock(appId, true); }

    bool isApplicationLocked(const char* fileName) const override
    {
        Module* m = fileName != nullptr ? findLoaded(fileName) : nullptr;
        return m != nullptr && m->locked;
    }

    bool registerAppMDIAware(void* appId) const override { return setMdi(appId, true); }
    bool registerAppNotMDIAware(void* appId) const override { return setMdi(appId, false); }

    static void forget(Module* m)
    {
        removeCommandsOf(m);
        lisp::forgetApp(m);
        std::erase(modules(), m);
        dlclose(m->handle);
        delete m;
    }

private:
    static bool setLock(void* appId, bool locked)
    {
        Module* m = moduleOf(appId);
        if (m == nullptr) return false;
        m->locked = locked;
        return true;
    }
    static bool setMdi(void* appId, bool aware)
    {
        Module* m = moduleOf(appId);
        if (m == nullptr) return false;
        m->mdiAware = aware;
        return true;
    }
};

}  // namespace

ZcRxObject* makeDynamicLinker() { return new DynamicLinker; }

Module* moduleOf(void* appId)
{
    auto it = std::find(modules().begin(), modules().end(), static_cast<Module*>(appId));
    return it != modules().end() ? *it : nullptr;
}

const std::vector<Module*>& loadedModules() { return modules(); }

void* currentApp() { return g_currentApp; }

ZcRx::AppRetCode sendMessage(Module* module, ZcRx::AppMsgCode msg, void* pkt)
{
    CurrentApp scope(module);
    return module->entry(msg, pkt);
}

void sendToAllModules(ZcRx::AppMsgCode msg)
{
    std::vector<Module*> all = modules();
    for (Module* m : all) {
        if (moduleOf(m) != nullptr) sendMessage(m, msg, nullptr);
    }
}

void unloadAllModules()
{
    while (!modules().empty()) {
        Module* m = modules().back();
        // At the end of the session every module goes, locked or not.
        sendMessage(m, ZcRx::kUnloadAppMsg, m);
        DynamicLinker::forget(m);
    }
}

}  // namespace zrxhost::app
