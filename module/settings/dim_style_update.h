// A named dimension style brought up to a list of settings, each "type,NAME,value" cut at the
// caller's separator; a first field starting with ";" marks a comment.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// When the style is the current one, the drawing's current variables are set first, and a
// setting that is not three fields prints "\nない". A missing style is made from "ISO-25";
// when that is missing too, or the style cannot be opened for write, "\n寸法スタイル更新失敗"
// is printed and the table is left as it was.
TREVANCOM_API void TrevanCom_UpdateDimStyle(const CString& strStyle, const CStringArray& settings,
                                            const CString& strSep, ZcDbDatabase* pDb);
