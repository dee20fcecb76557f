// The lattice-dimension values kept in the data folder's MST\LatticeDimension.INI: four
// pitches (DimPD1-4), DimDD1, DimDO1-2 and DimOO1-2, in that order.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Writes the first nine values with the drawing's linear precision (LUPREC); false for
// fewer than nine values.
TREVANCOM_API bool TrevanCom_SetLatticeDimension(const ZcGeDoubleArray& values);
// Appends the nine values in order; a missing one reads 0.0.
TREVANCOM_API void TrevanCom_GetLatticeDimension(ZcGeDoubleArray& values);
