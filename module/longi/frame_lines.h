// Ships and their frame names, as the shell development finds them: "Struct.ini" in the
// Windows folder names the data folder, whose "Lines" folder holds a folder per ship with
// its frame-line file "fline.dat".
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// "%windir%\Struct.ini".
TREVANCOM_API CString TrevanCom_StructIniPath();
// DataPath of the section that [system] company names; false when either is missing.
TREVANCOM_API bool TrevanCom_GetStructDataPath(CString& dataPath);
// data folder + "\Lines\" + ship + "\fline.dat".
TREVANCOM_API CString TrevanCom_FrameLineFilePath(LPCTSTR dataPath, LPCTSTR ship);
// Appends the frame names of the file in file order: the first field of each line of at
// least three comma-separated fields, its line end (the last character read) removed, and
// its last character removed when a "+" or "-" follows its first character ("25+" is
// frame 25). False when the file cannot be opened.
TREVANCOM_API bool TrevanCom_ReadFrameNames(LPCTSTR path, CStringArray& names);
