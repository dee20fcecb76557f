// The module as a host application: one object answers every application message.
#pragma once

#include "zrx.h"

class CTrevanCom2002App {
public:
    CTrevanCom2002App() = default;
    virtual ~CTrevanCom2002App() = default;
    CTrevanCom2002App(const CTrevanCom2002App&) = delete;
    CTrevanCom2002App& operator=(const CTrevanCom2002App&) = delete;

    // Routes a message code to its handler; codes the module does not know give kRetOK.
    ZcRx::AppRetCode dispatch(int msg, void* pkt);

    // Handlers, in the order the framework's table holds them.
    virtual ZcRx::AppRetCode On_kInitAppMsg(void* pkt);
    virtual ZcRx::AppRetCode On_kUnloadAppMsg(void* pkt);
    virtual ZcRx::AppRetCode On_kLoadDwgMsg(void* pkt);
    virtual ZcRx::AppRetCode On_kUnloadDwgMsg(void* pkt);
    virtual ZcRx::AppRetCode On_kInvkSubrMsg(void* pkt);
    // kCfgMsg to kEndDialogMsg and kNullMsg need nothing from this module.
    virtual ZcRx::AppRetCode On_kQuietMsg(void* pkt);

    void* m_hdllInstance = nullptr;
    bool m_bUnlocked = true;
    bool m_bMDIAware = true;
};

// The one application object of the module.
CTrevanCom2002App& trevanApp();
