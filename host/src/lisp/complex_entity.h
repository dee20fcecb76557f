// entmake of entities made of several lists: a block definition (BLOCK, its entities,
// ENDBLK) and a reference with attributes (INSERT with 66, its ATTRIBs, SEQEND). The parts
// gather here and enter the drawing only with the last one; a part that does not fit
// throws the whole entity away, as the platform does.
#pragma once

#include <string>

#include "dxf/tag.h"
#include "zrx/zrx_all.h"

namespace zrxhost::lisp {

struct ComplexPart {
    enum Result { kNotComplex, kTaken, kRejected, kBlockDone, kReferenceDone } result = kNotComplex;
    std::string blockName;  // kBlockDone: the name the block got
};

// Takes one entmake list: kNotComplex when it neither starts, continues nor ends a complex
// entity and none is open, so entmake makes it as a plain entity.
ComplexPart makeComplexPart(ZcDbDatabase* db, const zrx::dxf::KeptTags& pairs);
// (entmake) with no list: whatever is gathered is thrown away.
void cancelComplex();

}  // namespace zrxhost::lisp
