// Trimming the ends of a member's actual-plate lines onto the partner it runs into.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Each partner in turn: the through member's line end nearest to a crossing with the
// partner's lines chooses the partner line, and every through line's nearer end is moved
// onto that line taken endless (shortened when it ran beyond, lengthened when it stopped
// short). A symmetric member meeting a one-sided partner has only its web lines trimmed.
// False only when the through member's record cannot be read.
TREVANCOM_API bool TrevanComARX_LineTrim(ZcDbObjectId throughId, const ZcDbObjectIdArray& partnerIds);
