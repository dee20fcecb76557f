// The commands the module puts on the host's command stack, all in one group.
#pragma once

#include <cstdint>

#include "zrx.h"

#define TREVANCOM_CMD_GROUP "TrevanCom2002"

struct TrevanCommandEntry {
    const char* m_group;
    const char* m_globalName;
    const char* m_localName;
    int32_t m_flags;
    ZcRxFunctionPtr m_function;
    void* m_uiContext;
    uint32_t m_localNameId;
};

// Adds every command of the table in table order; a command the host refuses is absent.
void TrevanCom_RegisterCommands();
// Removes them one by one, then their group.
void TrevanCom_RemoveCommands();
