// End texts for a stiffener just copied, which still links to the texts of its source.
#pragma once

#include "core/trevancom_export.h"

// (ename) -> T once the copy is cut loose from the source's texts, its name emptied and its
// own end texts made in the styles of the source's; nil when its record cannot be read or
// stored or it cannot be opened. No name text is made.
extern "C" TREVANCOM_API int TrevanComARX_copyStiffToEndText();
