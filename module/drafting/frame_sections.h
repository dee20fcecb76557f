// Frame sections of a lines drawing's body plan, and its cut lines. A frame section is a
// curve carrying its frame name ("A_FNAM") and longitudinal position ("A_KYOD"); a section
// made by interpolation also carries "BREAKINTOLINE". A horizontal cut line carries
// "A_HCUTLINE" and its name "A_HCUTLINENAME", a vertical one "A_VCUTLINE" and
// "A_VCUTLINENAME".
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The frame sections and horizontal cut lines of model space, each left open for read for
// the caller to close (the lists hold ZcDbCurve*). With filter 1, sections whose frame name
// does not read as a frame number other than 0 are left out. False when model space cannot
// be walked.
TREVANCOM_API bool TrevanComARX_GetAllFrameLineAndHLine(ZcDbDatabase* pDb, ZcDbVoidPtrArray& frameLines,
                                                        ZcDbVoidPtrArray& cutLines, int filter);
// The same with the vertical cut lines.
TREVANCOM_API bool TrevanComARX_GetAllFrameLineAndVLine(ZcDbDatabase* pDb, ZcDbVoidPtrArray& frameLines,
                                                        ZcDbVoidPtrArray& cutLines, int filter);

// The longitudinal position of a frame section; 0 when it has none.
double TrevanCom_FramePosition(const ZcDbEntity* section);
// Closes every curve of the list and empties it.
void TrevanCom_CloseCurves(ZcDbVoidPtrArray& curves);
