// A member record's typed list on its entity through the sibling library, steered by a
// definition file of the system folder's STD folder.
#pragma once

#include <functional>

#include "zrx.h"

// The definition file's full path ("\\STD\\..." after the system folder); false when the
// system folder is not known.
bool TrevanCom_StdFilePath(const char* stdFile, CString& path);

// Writes the list as the application's xdata of an entity that is not open: its old values
// are cleared first. A write the library refuses leaves the entity's xdata as it was. The
// list stays the caller's.
bool TrevanCom_WriteRecordList(ZcDbObjectId objId, const char* appName, const resbuf* list, const CString& entPath);
// The same for an entity the caller holds open (for read or write).
bool TrevanCom_WriteRecordList(ZcDbEntity* pEnt, const char* appName, const resbuf* list, const CString& entPath);

// Reads the application's list with the definition file and hands it to the parser, whose
// answer is the result. False without a system folder; when the layout reads nothing, true
// exactly when the entity carries xdata of the application at all (the record unchanged).
bool TrevanCom_ReadRecordList(const ZcDbEntity* pEnt, const char* appName, const char* stdFile,
                              const std::function<bool(const resbuf* list)>& parse);
