// Copies of a stiffener with its Y marks, the copies linked to each other both ways and cut
// loose from the source's texts and marks. The mark copies stay where the source's marks are.
#pragma once

#include "core/trevancom_export.h"

// (ename base target) -> the new stiffener's entity name, moved by target - base; nil when
// the stiffener cannot be read or the copy cannot join the drawing. The copy has no texts.
extern "C" TREVANCOM_API int TrevanComARX_StiffCopyLispFunc();
// (ename start end) -> T once a copy ends at the two points (a line's ends, an aligned
// dimension's extension-line points); nil for an entity that cannot be read, and with
// "\n引数エラー" for one that is no stiffener. The marks of a line stiffener are copied too.
extern "C" TREVANCOM_API int TrevanComARX_CopyStiff();
