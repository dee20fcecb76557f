// Reading a stiffener record, telling a record that was read from xdata no layout reads.
#pragma once

#include "zrx.h"

#include "records/stiff_data.h"

enum class TrevanStiffRead {
    kNone,        // no record: no xdata of the application, no system folder, or a broken list
    kUnreadable,  // xdata of the application in a layout no definition file reads; record untouched
    kRead,        // the record is filled
};

// What CStiffData::getStiffdata does, with the answer told apart: a writer that changes one
// field of a stored record must not write a record it never read. Without `geometry` the
// points, normal and arrow size are left as they were, for a caller after the stored fields
// only.
TrevanStiffRead TrevanCom_ReadStiffRecord(const ZcDbEntity* pEnt, const char* appName, CStiffData& stiff,
                                          bool geometry = true);
