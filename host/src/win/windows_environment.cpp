// windir and TEMP, as Windows always has them.
#include "zrxhost/windows_environment.h"

#include <cstdlib>

namespace zrxhost {

void ensureWindowsEnvironment()
{
    // overwrite = 0 keeps a value the user or a test chose.
    ::setenv("windir", "C:\\WINDOWS", 0);
    ::setenv("TEMP", "C:\\TEMP", 0);
}

namespace {
// Set before any plug-in is loaded, so that its first getenv already sees them.
[[maybe_unused]] const bool g_environmentReady = (ensureWindowsEnvironment(), true);
}  // namespace

}  // namespace zrxhost
