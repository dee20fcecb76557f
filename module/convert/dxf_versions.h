// The DXF versions the conversion offers, by the host's version (ACADVER).
#pragma once

#include "zrx.h"

// The host's ACADVER text; empty when it cannot be read.
CString TrevanCom_AcadVer();
// The versions a host of that ACADVER writes, newest first; none for hosts before 14.
void TrevanCom_DxfVersionChoices(const CString& strAcadVer, CStringArray& choices);
// Hosts of 16.2 take one more line after each drawing's block of the script.
bool TrevanCom_ScriptNeedsBlankLine(const CString& strAcadVer);
