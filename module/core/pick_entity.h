// Picking one entity with the host's entity prompt, asking again after a miss.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// 1 picked; 2 Enter; -1 Esc (quietly) or another input error (its "\nERRNO=%d\n" printed).
// A pick of nothing, or of something without an object id, asks again.
TREVANCOM_API int TrevanComARX_SelectSingleEntity(ZcDbObjectId& objId, const char* prompt);

// Picking under conditions. entTypes: type names (group 0, "LINE,LWPOLYLINE") the picked
// entity must have, ignoring case; appNames: applications one entity within the pick box
// must carry, and that entity is the one given back. Empty lists (or null) set no
// condition. A pick that fails a condition prints "\n指定外のオブジェクトです" and asks again,
// as any other input error does silently. 1 picked; 2 Esc; 3 Enter.
TREVANCOM_API int TrevanComARX_SelectSingleEntity(ZcDbObjectId& objId, const char* prompt, const char* entTypes,
                                                  const char* appNames);
