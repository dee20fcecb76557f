// Reading a longitudinal record, telling a record that was read from xdata no layout reads.
#pragma once

#include "zrx.h"

#include "records/long_data.h"

enum class TrevanLongRead {
    kNone,        // no record: no xdata of the application, no system folder, a broken list,
                  // or an entity that is no polyline of two vertices
    kUnreadable,  // xdata of the application in a layout no definition file reads; record untouched
    kRead,        // the record is filled, points and normal from the polyline
};

// What CLongData::setData does, with the answer told apart: a command that changes one
// field of stored records must not write back a record it never read.
TrevanLongRead TrevanCom_ReadLongRecord(const ZcDbEntity* pEnt, const char* appName, CLongData& record);
TrevanLongRead TrevanCom_ReadLongRecord(ZcDbObjectId objId, const char* appName, CLongData& record);
