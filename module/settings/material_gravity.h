// The specific gravity of a material, from the MATERIAL table of the product's material
// database (the system folder's QXPRO\system.mdb, an Access database reached through ODBC).
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// What a part weighs with when its material cannot be read: mild steel.
#define TREVAN_DEFAULT_GRAVITY 7.85

// The GRAVITY of the last row of the material, in name order; TREVAN_DEFAULT_GRAVITY when the
// system folder is unknown, the database cannot be opened or read (said on the command line)
// or no row names the material; 0 when the last row's GRAVITY is empty or not a number. The
// name goes into the query as given, so a quote in it makes the query fail.
TREVANCOM_API double TrevanCom_GetMaterialGravity(const CString& material);
