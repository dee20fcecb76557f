// Single-value xdata: an application's xdata holding one value after its name, the
// application name being the key. Writers answer 1 or 0; readers 1, or 0 when the
// application or a value of the wanted kind is absent.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

TREVANCOM_API int TrevanComARX_SetXdataStr(ZcDbEntity* pEnt, const char* appName, const char* value);
TREVANCOM_API int TrevanComARX_SetXdataStr(ZcDbObjectId objId, const char* appName, const char* value);
// A value that is not finite is refused (0) and the entity left as it was.
TREVANCOM_API int TrevanComARX_SetXdataReal(ZcDbEntity* pEnt, const char* appName, double value);
// Only the low 16 bits are kept, as xdata integers are 16-bit.
TREVANCOM_API int TrevanComARX_SetXdataInt(ZcDbEntity* pEnt, const char* appName, int value);

TREVANCOM_API int TrevanComARX_GetXdataStr(const ZcDbEntity* pEnt, const char* appName, CString& value);
TREVANCOM_API int TrevanComARX_GetXdataStr(ZcDbObjectId objId, const char* appName, CString& value);
TREVANCOM_API int TrevanComARX_GetXdataReal(const ZcDbEntity* pEnt, const char* appName, double& value);
TREVANCOM_API int TrevanComARX_GetXdataInt(const ZcDbEntity* pEnt, const char* appName, int& value);

// Removes every value of the application from the entity. An application new to the drawing
// is registered and nothing else happens, since no entity can carry it yet.
TREVANCOM_API bool TrevanComARX_ClearXdata(ZcDbEntity* pEnt, const char* appName);
