// Registered commands: the command stack plug-ins add their commands to, and running host
// commands from inside a plug-in.
#pragma once

#include <cstdint>

#include "rx_app.h"
#include "zc_adsdefs.h"

// Command flags, as the platform numbers them.
#define ZCRX_CMD_MODAL 0x00000000
#define ZCRX_CMD_TRANSPARENT 0x00000001
#define ZCRX_CMD_USEPICKSET 0x00000002
#define ZCRX_CMD_REDRAW 0x00000004
#define ZCRX_CMD_NOPERSPECTIVE 0x00000008
#define ZCRX_CMD_NOMULTIPLE 0x00000010
#define ZCRX_CMD_NOTILEMODE 0x00000020
#define ZCRX_CMD_NOPAPERSPACE 0x00000040
#define ZCRX_CMD_NOINTERNALLOCK 0x00004000
#define ZCRX_CMD_DOCREADLOCK 0x00080000
#define ZCRX_CMD_DOCEXCLUSIVELOCK 0x00100000
// Runs in the application context: the host takes no document lock for it.
#define ZCRX_CMD_SESSION 0x00200000

typedef void (*ZcRxFunctionPtr)();

class ZRX_API ZcEdCommand : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcEdCommand);

    virtual const char* globalName() const = 0;
    virtual const char* localName() const = 0;
    virtual int32_t commandFlags() const = 0;
    virtual ZcRxFunctionPtr functionAddr() const = 0;
    // The module that registered the command (its appId), null for the host's own.
    virtual void* commandApp() const = 0;

protected:
    ZcEdCommand() = default;
};

// Walks every registered command, group by group in registration order.
class ZRX_API ZcEdCommandIterator {
public:
    virtual ~ZcEdCommandIterator() = default;
    virtual bool done() const = 0;
    virtual bool next() = 0;
    virtual const ZcEdCommand* command() const = 0;
    virtual const char* commandGroup() const = 0;
};

// Command names compare without regard to case; a name is unique within a group, and a
// later group's command of the same name hides an earlier one's until it is removed.
class ZRX_API ZcEdCommandStack : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcEdCommandStack);

    // eDuplicateKey when the group already has the name; eInvalidInput for an empty or
    // blank name.
    virtual Zcad::ErrorStatus addCommand(const char* cmdGroupName, const char* cmdGlobalName,
                                         const char* cmdLocalName, int32_t commandFlags,
                                         ZcRxFunctionPtr functionAddr) = 0;
    virtual ZcEdCommand* lookupGlobalCmd(const char* cmdName) const = 0;
    virtual ZcEdCommand* lookupLocalCmd(const char* cmdName) const = 0;
    // By the global name (globalFlag) or the local one.
    virtual ZcEdCommand* lookupCmd(const char* cmdName, bool globalFlag, bool allGroupsFlag = false,
                                   bool skipUndefed = false) const = 0;
    virtual Zcad::ErrorStatus removeCmd(const char* cmdGroupName, const char* cmdGlobalName) = 0;
    virtual Zcad::ErrorStatus removeGroup(const char* groupName) = 0;
    // The caller deletes the iterator.
    virtual ZcEdCommandIterator* iterator() const = 0;

protected:
    ZcEdCommandStack() = default;
};

#define zcedRegCmds ZcEdCommandStack::cast(zcrxSysRegistry()->at(ZCRX_COMMAND_DOCK))

// Runs a host command synchronously with the given answers, as (type, value) pairs ended
// by RTNONE (or 0): RTSTR text ("" is Enter, "\\" waits for the user), RTREAL, RTSHORT,
// RTLONG, RTPOINT / RT3DPOINT points, RTENAME entities and RTPICKS selection sets. The
// command must finish on those answers; one that asks for more is cancelled (RTCAN).
ZRX_API int zcedCommand(int rtype, ...);
// The same with the answers as a result-buffer chain.
ZRX_API int zcedCmd(const resbuf* rbp);
ZRX_API int zcedCommandS(int rtype, ...);
