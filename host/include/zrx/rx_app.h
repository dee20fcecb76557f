// The application frame: the messages a plug-in's acrxEntryPoint receives, the system
// registry and the dynamic linker that loads and unloads plug-ins.
#pragma once

#include <map>
#include <string>

#include "rx_object.h"

namespace ZcRx {
enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15,
    kSuspendMsg = 16,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace ZcRx

// A dictionary of named runtime objects. Entries put into the system registry belong to it.
class ZRX_API ZcRxDictionary : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcRxDictionary);
    ZcRxDictionary() = default;
    ~ZcRxDictionary() override;
    ZcRxDictionary(const ZcRxDictionary&) = delete;
    ZcRxDictionary& operator=(const ZcRxDictionary&) = delete;

    ZcRxObject* at(const char* key) const;
    // Puts an object under the key and gives back the one it replaces (now the caller's).
    ZcRxObject* atPut(const char* key, ZcRxObject* object);
    // Takes the entry out and gives its object to the caller.
    ZcRxObject* remove(const char* key);
    bool has(const char* key) const;
    int numEntries() const { return static_cast<int>(m_entries.size()); }

private:
    std::map<std::string, ZcRxObject*> m_entries;
};

// The process's registry: "DynamicLinker" and "ZCAD_REGISTERED_COMMANDS" live here.
ZRX_API ZcRxDictionary* zcrxSysRegistry();

#define ZCRX_DYNAMIC_LINKER "DynamicLinker"
#define ZCRX_COMMAND_DOCK "ZCAD_REGISTERED_COMMANDS"

// Loads plug-ins (shared libraries exporting acrxEntryPoint) and keeps their state.
class ZRX_API ZcRxDynamicLinker : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcRxDynamicLinker);

    // dlopen, set _hdllInstance, send kInitAppMsg and then kLoadDwgMsg for every open
    // document. False when the file cannot be loaded, has no entry point or refuses to start.
    virtual bool loadModule(const char* fileName, bool printIt, bool asCmd = false) = 0;
    // Sends kUnloadAppMsg and unloads; false when the module is not loaded, is locked or
    // refuses. Its commands and LISP functions go with it.
    virtual bool unloadModule(const char* fileName, bool asCmd = false) = 0;
    // A module is locked (cannot be unloaded) until it unlocks itself.
    virtual bool unlockApplication(void* appId) const = 0;
    virtual bool lockApplication(void* appId) const = 0;
    virtual bool isApplicationLocked(const char* fileName) const = 0;
    // A module that handles several documents says so during kInitAppMsg.
    virtual bool registerAppMDIAware(void* appId) const = 0;
    virtual bool registerAppNotMDIAware(void* appId) const = 0;

protected:
    ZcRxDynamicLinker() = default;
};

#define zcrxDynamicLinker ZcRxDynamicLinker::cast(zcrxSysRegistry()->at(ZCRX_DYNAMIC_LINKER))
