// Dialog templates from a plug-in's resource script. A plug-in's build embeds its resource
// script (resource.h and the .rc file, as the platform's resource compiler reads them) as
// the exported text zrxResourceScript, where a Windows build would link the compiled
// resources into the DLL.
#pragma once

#include <deque>
#include <map>
#include <string>

#include "zrx/mfc_dialog.h"

namespace zrxhost {

// The dialogs of a script (DIALOG and DIALOGEX with their controls; #define lines give the
// names of ids). False, with the line and the reason in error, on the first thing not
// understood.
ZRX_API bool parseResourceScript(const std::string& script, std::map<UINT, ZcDialogTemplate>& dialogs,
                         std::deque<std::string>& strings, std::string& error);

// The template of that id among the resources of the shared object that holds the address;
// null when it has none. A script that cannot be read is reported once on the command line.
const ZcDialogTemplate* moduleDialogTemplate(const void* addressInModule, UINT id);

}  // namespace zrxhost
