// Layer definitions: which layer, colour, line type and line weight each kind of drawing
// element goes on, as the installation's STD\TrevanLayer.dat sets them.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The first seven-field row whose kind (first field) equals strKind without regard to case.
// Without a match, the outputs hold layer "0", colour 7, "CONTINUOUS", line weight -3 and
// no caption. A missing system folder or a file in use is reported and leaves the line
// weight as it was.
TREVANCOM_API bool TrevanComARX_GetLayerInfo(const CString& strKind, CString& strCaption, CString& strLayer,
                                             int& nColor, CString& strLinetype, int& nLineWeight);

// ("KIND") -> ("layer" "caption" colour "linetype" lineweight). When the kind's layer is
// already in the drawing, its colour, line type and line weight are the drawing's. Nil on
// a missing argument or an unreadable file.
extern "C" TREVANCOM_API int TrevanComARX_GetLayerInfo();
