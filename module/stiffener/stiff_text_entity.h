// What the end and name texts share: their layer, a new text made and linked to its
// stiffener, and an existing text moved, each change under the layer edit guard.
#pragma once

#include "zrx.h"

#include "records/stiff_data.h"

// The layer of kind "STIFFTEXT", made as its definition says when the drawing lacks it.
CString TrevanCom_StiffTextLayer();

// The text a link of the stiffener leads to, or a null id when it leads to no text.
ZcDbObjectId TrevanCom_LinkedText(ZcDbObjectId stiffId, const char* link);

// Where a text goes and what it says.
struct CStiffTextPlace {
    ZcGeVector3d normal;
    CString strText;
    double rRotation = 0.0;
    ZcGePoint3d ptPosition;
};

// Moves the existing text, and sets its string when asked; false when it cannot be written.
bool TrevanCom_PlaceText(ZcDbObjectId textId, const CStiffTextPlace& place, bool bSetString);

// A new text on the text layer, in the style when the drawing has it, with its back link to
// the stiffener; the stiffener then links to it. False when either step fails.
bool TrevanCom_AddLinkedText(ZcDbObjectId stiffId, const CStiffTextPlace& place, const CString& strStyle,
                             double rHeight, const char* backLink, const char* link);

// The plane normal a stiffener's texts lie in.
ZcGeVector3d TrevanCom_StiffNormal(const CStiffData& stiff);
