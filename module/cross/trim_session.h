// What an interactive intersection edit changes for its run and gives back on every way out:
// the stiffener layer opened up (thawed, unlocked, shown) and a system variable's value.
#pragma once

#include "zrx.h"

#include "core/layer_status.h"

// Layer "STIFF" thawed, unlocked and on, plottable as it was, until the guard goes.
class CStiffLayerOpen {
public:
    CStiffLayerOpen();
    ~CStiffLayerOpen();
    CStiffLayerOpen(const CStiffLayerOpen&) = delete;
    CStiffLayerOpen& operator=(const CStiffLayerOpen&) = delete;

private:
    CLayerStatus m_saved;
    bool m_bHeld = false;
};

// A 16-bit system variable set for the run and put back when the guard goes.
class CSysVarHold {
public:
    CSysVarHold(const char* name, int value);
    ~CSysVarHold();
    CSysVarHold(const CSysVarHold&) = delete;
    CSysVarHold& operator=(const CSysVarHold&) = delete;

private:
    const char* m_name;
    resbuf m_saved{};
    bool m_bHeld = false;
};

// The interactive edits run on actual-plate lines only: false (the mould message printed in
// the moulded display) when the drawing does not show them.
bool TrevanCom_ActualPlateShown();
