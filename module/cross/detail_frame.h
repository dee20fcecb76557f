// The drawing frame round an intersection detail.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

#define TREVANCOM_FRAME_BLOCK "WAKU_PLANRECORD"

// In the working drawing: the frame drawing is the data folder's SYM\WAKU_PLANRECORD.dwg,
// its centre the middle of everything in model space. The drawing comes in as the block
// "WAKU_PLANRECORD" (once per drawing) and a reference to it is placed at the centre; a
// frame drawing that cannot be read is reported and the detail goes on without it. False
// when model space has nothing to measure or the data folder is not known.
TREVANCOM_API bool TrevanCom_CrossDrawFrame(CString& framePath, ZcGePoint3d& centre);
