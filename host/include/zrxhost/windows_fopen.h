// fopen on a Windows path, for plug-ins. On the platform a plug-in's fopen takes Windows
// paths as they are; here a plug-in is linked with -Wl,--wrap=fopen (the CMake target
// Trevan::zrx_plugin, or the pkg-config file trevan-zrx), so that its fopen calls reach
// this function while the host and its programs keep the C library's.
//
// Text mode (no "b" in the mode) behaves as on Windows: lines end with CR LF on disk and
// with "\n" in the program; a Shift-JIS (CP932) file is read as UTF-8, and writing an
// existing file keeps the encoding it had (new files are UTF-8). A read-only file is not
// opened for writing. Update modes ("+") are not translated.
#pragma once

#include <cstdio>

#include "zrx/zrx_export.h"

namespace zrxhost {

ZRX_API FILE* windowsFopen(const char* path, const char* mode);

}  // namespace zrxhost

// The symbol the linker's --wrap=fopen sends a plug-in's fopen calls to.
extern "C" ZRX_API FILE* __wrap_fopen(const char* path, const char* mode);
