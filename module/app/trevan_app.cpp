#include "app/trevan_app.h"

#include "app/command_table.h"
#include "app/instance_handle.h"
#include "app/lisp_table.h"

namespace {

using Handler = ZcRx::AppRetCode (CTrevanCom2002App::*)(void*);

// Slot order of the application framework: codes 1 to 15 in slots 0 to 14, code 0 last.
const Handler kSlots[16] = {
    &CTrevanCom2002App::On_kInitAppMsg,  &CTrevanCom2002App::On_kUnloadAppMsg, &CTrevanCom2002App::On_kLoadDwgMsg,
    &CTrevanCom2002App::On_kUnloadDwgMsg, &CTrevanCom2002App::On_kInvkSubrMsg, &CTrevanCom2002App::On_kQuietMsg,
    &CTrevanCom2002App::On_kQuietMsg,    &CTrevanCom2002App::On_kQuietMsg,     &CTrevanCom2002App::On_kQuietMsg,
    &CTrevanCom2002App::On_kQuietMsg,    &CTrevanCom2002App::On_kQuietMsg,     &CTrevanCom2002App::On_kQuietMsg,
    &CTrevanCom2002App::On_kQuietMsg,    &CTrevanCom2002App::On_kQuietMsg,     &CTrevanCom2002App::On_kQuietMsg,
    &CTrevanCom2002App::On_kQuietMsg,
};

ZcRxDynamicLinker* dynamicLinker()
{
    return ZcRxDynamicLinker::cast(zcrxSysRegistry()->at(ZCRX_DYNAMIC_LINKER));
}

}  // namespace

CTrevanCom2002App& trevanApp()
{
    static CTrevanCom2002App app;
    return app;
}

ZcRx::AppRetCode CTrevanCom2002App::dispatch(int msg, void* pkt)
{
    if (msg < 0 || msg > 15) return ZcRx::kRetOK;
    return (this->*kSlots[msg == 0 ? 15 : msg - 1])(pkt);
}

ZcRx::AppRetCode CTrevanCom2002App::On_kInitAppMsg(void* pkt)
{
    m_hdllInstance = _hdllInstance;
    if (m_bUnlocked) {
        if (ZcRxDynamicLinker* linker = dynamicLinker()) linker->unlockApplication(pkt);
    }
    if (m_bMDIAware) {
        if (ZcRxDynamicLinker* linker = dynamicLinker()) linker->registerAppMDIAware(pkt);
    }
    TrevanCom_RegisterCommands();
    // A refused definition only leaves the test function out; the module still starts.
    TrevanCom_DefineLispFunctions();
    return ZcRx::kRetOK;
}

ZcRx::AppRetCode CTrevanCom2002App::On_kUnloadAppMsg(void* /*pkt*/)
{
    TrevanCom_RemoveCommands();
    TrevanCom_UndefineLispFunctions();
    return ZcRx::kRetOK;
}

// The module has no per-drawing LISP functions: a drawing opened later gets the test
// function only from TrevanCom2002Test.
ZcRx::AppRetCode CTrevanCom2002App::On_kLoadDwgMsg(void* /*pkt*/) { return ZcRx::kRetOK; }
ZcRx::AppRetCode CTrevanCom2002App::On_kUnloadDwgMsg(void* /*pkt*/) { return ZcRx::kRetOK; }
// "ZWDLLFUNC2" is registered directly, so the host never needs to ask the module to invoke it.
ZcRx::AppRetCode CTrevanCom2002App::On_kInvkSubrMsg(void* /*pkt*/) { return ZcRx::kRetOK; }
ZcRx::AppRetCode CTrevanCom2002App::On_kQuietMsg(void* /*pkt*/) { return ZcRx::kRetOK; }
