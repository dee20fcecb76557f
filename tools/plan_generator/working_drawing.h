// A drawing made the working one for as long as it is drawn: the records the module writes
// go to the working drawing's entities.
#pragma once

#include "zrx.h"

class WorkingDrawing {
public:
    explicit WorkingDrawing(ZcDbDatabase* db) : m_previous(zcdbHostApplicationServices()->workingDatabase())
    {
        zcdbHostApplicationServices()->setWorkingDatabase(db);
    }
    ~WorkingDrawing() { zcdbHostApplicationServices()->setWorkingDatabase(m_previous); }
    WorkingDrawing(const WorkingDrawing&) = delete;
    WorkingDrawing& operator=(const WorkingDrawing&) = delete;

private:
    ZcDbDatabase* m_previous;
};
