// Private profile (ini) files with Windows semantics: sections and keys without regard to
// case, the default text when a key is missing, the value cut to the buffer, and a write that
// creates the file or the section and keeps every other line as it was. Files in Shift-JIS
// (CP932) or UTF-8 are read alike and written back in their own encoding; new files are
// UTF-8 with CR LF line ends. A file name without a folder is taken from the Windows folder.
#pragma once

#include "win_types.h"

// Copies the value (or the default) into the buffer, cut at size - 1 bytes on a character
// boundary, and gives the number of bytes copied. With a null key: every key of the section;
// with a null section: every section name; each name ends with a zero, the list with two.
ZRX_API DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                                       LPCSTR fileName);
// The value read as a decimal number (its leading digits), or the default when missing.
ZRX_API UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
// Sets a key; a null value removes the key, a null key the whole section. FALSE when the file
// cannot be written (a read-only file, a missing folder, a value the file's encoding cannot
// hold).
ZRX_API BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

#define GetPrivateProfileString GetPrivateProfileStringA
#define GetPrivateProfileInt GetPrivateProfileIntA
#define WritePrivateProfileString WritePrivateProfileStringA
