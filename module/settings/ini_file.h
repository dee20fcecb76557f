// One value of an ini file, read and written the way every settings file of the product is
// kept.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The default the reader passes: a value read back as this text (in any case) counts as
// missing, whatever the file holds.
#define TREVAN_INI_NOT_FOUND "GetIniErrMsg"

// Reads a value of at most 255 bytes. False when the file, the section or the key is missing;
// the value then holds TREVAN_INI_NOT_FOUND.
TREVANCOM_API bool TrevanComARX_GetIniData(CString path, LPCTSTR section, LPCTSTR key, CString& value);
// Writes the value in upper case, making the file writable first when it is read-only. A
// file that cannot be written is reported in a message box and gives false. A section, key
// or value holding a line break (CR or LF) gives false and leaves the file untouched.
TREVANCOM_API bool TrevanComARX_SetIniData(LPCTSTR path, LPCTSTR section, LPCTSTR key, LPCTSTR value);
