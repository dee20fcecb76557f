// Finding support files.
#pragma once

#include <cstddef>

#include "zc_adsdefs.h"

// A file or folder by name: as given when it names an existing one (absolute or from the
// current folder), else in the current drawing's folder, then in each support folder in order.
// RTNORM with the full path; RTERROR when none has it (or the buffer is too small). The
// classic form's buffer holds 512 bytes.
ZRX_API int zcedFindFile(const char* fname, char* result);
ZRX_API int zcedFindFile(const char* fname, char* result, size_t bufLen);
