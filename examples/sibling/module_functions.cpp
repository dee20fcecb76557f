// Each export is looked up again at every call: the module may have been unloaded since
// the function was defined, and its code must not be reached then.
#include "module_functions.h"

#include <dlfcn.h>

#include <bitset>

#include "lisp_catalogue.h"
#include "zrx.h"

namespace trevan_sibling {
namespace {

std::bitset<kLispExportCount> g_defined;

// The loaded module, without loading it; the caller closes the handle it gets.
void* openLoadedModule() { return dlopen(kModuleFile, RTLD_NOW | RTLD_NOLOAD); }

}  // namespace

bool defineModuleFunctions()
{
    void* module = openLoadedModule();
    for (std::size_t i = 0; i < kLispExportCount; ++i) {
        const LispExport& e = kLispExports[i];
        bool exported = e.adapter && module != nullptr && dlsym(module, e.name) != nullptr;
        if (exported) {
            // Defined again in every drawing, as functions belong to a drawing.
            g_defined[i] = zcedDefun(e.name, functionCodeOf(i)) == RTNORM;
        } else if (g_defined[i]) {
            zcedUndef(e.name, functionCodeOf(i));
            g_defined[i] = false;
        }
    }
    if (module == nullptr) return false;
    dlclose(module);
    return true;
}

void undefineModuleFunctions()
{
    for (std::size_t i = 0; i < kLispExportCount; ++i) {
        if (g_defined[i]) zcedUndef(kLispExports[i].name, functionCodeOf(i));
    }
    g_defined.reset();
}

int callModuleFunction()
{
    const LispExport* e = exportOfCode(zcedGetFunCode());
    if (e == nullptr || !e->adapter) return RTERROR;
    void* module = openLoadedModule();
    if (module == nullptr) {
        zcutPrintf("\n%s is not loaded.\n", kModuleFile);
        return RTERROR;
    }
    auto adapter = reinterpret_cast<int (*)()>(dlsym(module, e->name));
    int status = adapter != nullptr ? adapter() : RTERROR;
    dlclose(module);
    return status;
}

}  // namespace trevan_sibling
