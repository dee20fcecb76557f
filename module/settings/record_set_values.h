// Typed column values of the current row of a record set, read in the column's own kind, and
// the message that names a column of an unexpected kind. The module and its sibling modules
// read the product's Access databases with them.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Each reader empties its output first; a NULL column gives false. The first flag is kept for
// the callers and has no effect. An unknown column, or a record set standing on no row, throws
// the record set's CDBException to the caller.

// Any non-NULL kind as text (numbers as the record set writes them); with trim, trailing
// blanks (the padding of a fixed-width column) are removed.
TREVANCOM_API bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, CString& value, bool ignored, bool trim);
// The text reader's text with its terminating zero, copied into a buffer the caller made large
// enough.
TREVANCOM_API bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, LPTSTR buffer, bool ignored, bool trim);
// SHORT and LONG columns give their value; other whole-number and real kinds are converted
// (reals cut toward zero), text, date and binary columns give 0; true for every non-NULL column.
TREVANCOM_API bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, int& value, bool ignored);
// SHORT and LONG columns only; any other kind gives false and 0.
TREVANCOM_API bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, long& value, bool ignored);
// SHORT, LONG, SINGLE and DOUBLE columns only; any other kind gives false and 0.
TREVANCOM_API bool TrevanComARX_DataGetValue(CRecordset& recordSet, LPCTSTR column, double& value, bool ignored);

// A message box (exclamation icon) naming the column and its kind (a DBVT_ number), with the
// prefix of the level: 1 Info, 2 Warning, 3 Error, none for any other.
TREVANCOM_API void TrevanComARX_DataValueErrMsg(int level, LPCTSTR column, int kind);
