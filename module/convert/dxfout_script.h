// The batch conversion: every drawing of the source folder matching the pattern gets a block
// of the host script DXFOUT.scr (open, export as DXF in the version, close), and the host is
// asked to play the script.
#pragma once

#include "zrx.h"

void TrevanCom_ConvertDwgFolder(const CString& strSrcDir, const CString& strPattern, const CString& strVersion,
                                const CString& strDstDir);
