// What the intersection edits read of a stiffener: its shape letter and its actual-plate
// lines, and the stiffeners that own picked lines.
#pragma once

#include "zrx.h"

#include "records/stiff_data.h"

// The part of the section type after its first "_"; false when there is none.
bool TrevanCom_StiffShapeLetter(const CStiffData& stiff, CString& letter);
// "I" and "H" sections stand on both sides of their mould line.
bool TrevanCom_IsSymmetricShape(const CString& letter);
// The record's actual-plate lines that the drawing still has, in listed order.
ZcDbObjectIdArray TrevanCom_StiffMemberLines(const CStiffData& stiff);
// The stiffener a line belongs to; a null id when it carries no owner.
ZcDbObjectId TrevanCom_PlateLineOwner(ZcDbObjectId lineId);
// The distinct owners of the lines, in order of first appearance; owners that are the same
// handle written in another case count once.
ZcDbObjectIdArray TrevanCom_PlateLineOwners(const ZcDbObjectIdArray& lineIds);
// The selection filter for actual-plate lines; the caller releases it.
resbuf* TrevanCom_PlateLineFilter();
