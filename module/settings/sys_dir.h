// The product's installation folders, as the folder file TrevanAcad.ini in the Windows
// folder names them: the system folder (STD, INI) and the data folder (MST, ENDTYPE).
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The folders without a trailing "\"; the folder file is read again after it changed.
TREVANCOM_API bool TrevanComARX_GetSysDirFunc(CString& folder);
TREVANCOM_API bool TrevanComARX_GetDataDirFunc(CString& folder);
// The data folder's "ENDTYPE"; a missing data folder is reported on the command line.
TREVANCOM_API bool TrevanComARX_GetEndtypeFolder(CString& folder);
