// The record names of a symbol table (line types, text styles, ...), in table order.
#pragma once

#include <functional>

#include "zrx.h"

// Shows the name of every record of the open table that opens for read, erased ones left
// out, until the visit answers false. False, with "\n newIterator Error", when the table
// gives no iterator. The table stays open.
bool TrevanCom_VisitRecordNames(ZcDbSymbolTable* pTable, const std::function<bool(const char* name)>& visitName);
