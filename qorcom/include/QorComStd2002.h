// QorComStd2002: the product's xdata and layer library.
//
// A typed value list (a chain of result buffers of RTSTR 5005, RTREAL 5001 and RTSHORT 5003)
// is stored on an entity as the xdata of one application and read back, steered by an
// ".ent" definition file that names each item's position and type (docs/ent-format.md).
// A read answers a list only when the stored values fit the definition exactly, so that a
// caller knowing an older layout can ask again with the older file.
#pragma once

#include "zrx.h"

#define QORCOM_API __attribute__((visibility("default")))

// The values the entity holds under the application, as a new chain the caller frees with
// zcutRelRb: strings as RTSTR, reals as RTREAL, integers as RTSHORT, in stored order.
// Null when the entity has no such xdata, when the stored values do not fit the definition
// (another number of items, another type at a position), or when the definition file is
// missing or malformed (a malformed file is reported on the command line).
QORCOM_API resbuf* QorComARX_Getxdata_List(const ZcDbEntity* pEnt, const char* appName, const char* entFilePath);

// Stores the list as the application's xdata on the entity with that id, replacing what the
// application held there; the entity is opened for write and closed again. True when a read
// with the same definition file now answers an equal list. False, with the entity left as it
// was, when the entity cannot be opened, the definition file is missing or malformed, or the
// list does not fit it (each is reported on the command line). Strings longer than 255
// bytes and reals that are not finite do not fit either. The list stays the caller's.
QORCOM_API bool QorComARX_Setxdata_List(ZcDbObjectId objId, const char* appName, const resbuf* list,
                                        const char* entFilePath);

// The same for an entity the caller holds open; one open for read is upgraded to write.
QORCOM_API bool QorComARX_Setxdata_List_NewVer(ZcDbEntity* pEnt, const char* appName, const resbuf* list,
                                               const char* entFilePath);

// Makes sure the layer exists in the working drawing. A new layer gets the colour index
// (1 to 255; anything else gives 7), the line type (one the drawing does not hold, or an
// empty name, gives "Continuous": line types are loaded by the caller beforehand) and the
// line weight in hundredths of a millimetre (one of the platform's weights, or -3 for the
// default; anything else gives the default). A layer that already exists is left as the
// drawing has it, since the user may have changed it on purpose. The last argument is
// reserved and not used. 1 when the layer exists afterwards; 0, with a message, otherwise.
QORCOM_API int QorComARX_MakeLayer(const char* layerName, int colorIndex, const char* linetypeName, int lineWeight,
                                   const char* reserved);
