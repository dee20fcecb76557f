// The two drawings of an intersection detail run: the plan it is taken from and the new
// detail drawing, with the locks the run holds on them and what it must give back to the
// plan (layer "STIFF" and its temporary copies) on every way out.
#pragma once

#include "zrx.h"

#include "core/layer_status.h"

class CCrossDrawDocuments {
public:
    // Locks the current drawing for writing and opens layer "STIFF" up (thawed, unlocked).
    CCrossDrawDocuments();
    // Gives the plan back whatever it still owes and releases every lock held.
    ~CCrossDrawDocuments();
    CCrossDrawDocuments(const CCrossDrawDocuments&) = delete;
    CCrossDrawDocuments& operator=(const CCrossDrawDocuments&) = delete;

    // False when the plan could not be locked: the run must not go on.
    bool isHeld() const { return m_bPlanLocked; }
    ZcDbDatabase* planDatabase() const { return m_pPlan != nullptr ? m_pPlan->database() : nullptr; }
    // The entities the run added to the plan for the copy; erased when the plan is given back.
    ZcDbObjectIdArray& temporaries() { return m_temps; }

    // The plan unlocked, a new drawing made current and locked; false when it cannot be.
    bool openDetail();
    // The temporaries erased and layer "STIFF" restored in the plan, under its own lock.
    void givePlanBack();
    // The detail's lock released; the run ends holding nothing.
    void releaseDetail();

private:
    bool lock(ZcApDocument* pDoc);
    void unlock(ZcApDocument* pDoc, bool& bLocked);

    ZcApDocument* m_pPlan = nullptr;
    ZcApDocument* m_pDetail = nullptr;
    bool m_bPlanLocked = false;
    bool m_bDetailLocked = false;
    ZcDbObjectId m_layerId;
    CLayerStatus m_savedLayer;
    bool m_bLayerHeld = false;
    ZcDbObjectIdArray m_temps;
};
