// Drawings by file: finding one that is open in the editor, and opening a drawing file to
// read it whether it is open or not.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// 1 with the database (or the document) of the drawing open in the editor under that file
// name, compared ignoring case; 0 when none is.
TREVANCOM_API int TrevanComARX_CheckOpenDwg(const char* path, ZcDbDatabase*& pDb);
TREVANCOM_API int TrevanComARX_CheckOpenDwg(const char* path, ZcApDocument*& pDoc);
// Whether the database is a document's, or its file is open in the editor.
TREVANCOM_API bool TrevanComARX_CheckOpenDwg(ZcDbDatabase* pDb);

// 1 with a database holding the drawing of the file: the database of the document that has
// the file open (that document then stays locked until TrevanComARX_FreeDwg), or else the
// file read into a new database of the caller's. 0 when the file cannot be found or read.
// Release the database with TrevanComARX_FreeDwg.
TREVANCOM_API int TrevanComARX_OpenDwg(const char* path, ZcDbDatabase*& pDb);
TREVANCOM_API int TrevanComARX_ReadOnlyOpenDwg(const char* path, ZcDbDatabase*& pDb);
// Always 1. A document's database is handed back to its document (unlocked) and kept; any
// other database is deleted and the pointer set to null; null is left alone.
TREVANCOM_API int TrevanComARX_FreeDwg(ZcDbDatabase*& pDb);
