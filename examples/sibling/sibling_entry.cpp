// TrevanSibling: a stand-in for the product's sibling modules. It offers every
// LISP-callable export of the loaded TrevanCom2002 module as a LISP function of the same
// name, so that scripts reach the module as the sibling modules do.
#include "module_functions.h"
#include "zrx.h"

using namespace trevan_sibling;

extern "C" __attribute__((visibility("default"))) ZcRx::AppRetCode acrxEntryPoint(ZcRx::AppMsgCode msg, void* appId)
{
    switch (msg) {
    case ZcRx::kInitAppMsg:
        zcrxDynamicLinker->unlockApplication(appId);
        zcrxDynamicLinker->registerAppMDIAware(appId);
        // Load the module first; without it there is nothing to offer.
        if (!defineModuleFunctions()) zcutPrintf("\nTrevanSibling: %s is not loaded; no function defined.\n", kModuleFile);
        break;
    case ZcRx::kLoadDwgMsg:
        defineModuleFunctions();
        break;
    case ZcRx::kInvkSubrMsg:
        return callModuleFunction() == RTNORM ? ZcRx::kRetOK : ZcRx::kRetError;
    case ZcRx::kUnloadAppMsg:
        undefineModuleFunctions();
        break;
    default:
        break;
    }
    return ZcRx::kRetOK;
}
