// The landing line name last defined, remembered for the next time in TREVANDEF.INI of the
// user's TEMP folder.
#pragma once

#include "zrx.h"

// "%TEMP%\TREVANDEF.INI"; without TEMP, the file at the root of the current drive.
CString TrevanCom_LandingDefaultFile();
// The remembered name; empty when the file or the key is missing.
CString TrevanCom_ReadLandingDefault(const CString& file);
// A file that cannot be written is reported by the ini writer.
void TrevanCom_WriteLandingDefault(const CString& file, const CString& name);
