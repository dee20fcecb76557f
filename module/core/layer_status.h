// The four on/off states of a drawing layer, and opening a layer up for an edit.
#pragma once

#include <utility>

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CLayerStatus {
public:
    // All four true until read from a layer.
    CLayerStatus() = default;
    CLayerStatus(bool bFrozen, bool bLocked, bool bOff, bool bPlottable)
        : m_bFrozen(bFrozen), m_bLocked(bLocked), m_bOff(bOff), m_bPlottable(bPlottable)
    {
    }
    CLayerStatus(const CLayerStatus& other) = default;
    CLayerStatus& operator=(const CLayerStatus& other) = default;
    bool operator==(const CLayerStatus& other) const = default;

    bool m_bFrozen = true;
    bool m_bLocked = true;
    bool m_bOff = true;
    bool m_bPlottable = true;
};

// The layer of that name in the working database. Get answers false (status untouched)
// when the layer cannot be opened; Set when it cannot be opened for write.
TREVANCOM_API bool TrevanComARX_GetLayerStatus(const char* layerName, CLayerStatus& status);
TREVANCOM_API bool TrevanComARX_SetLayerStatus(const char* layerName, const CLayerStatus& status);
// The same by the layer record's id, for code that already holds it.
TREVANCOM_API bool TrevanComARX_GetLayerStatus(ZcDbObjectId layerId, CLayerStatus& status);
TREVANCOM_API bool TrevanComARX_SetLayerStatus(ZcDbObjectId layerId, const CLayerStatus& status);

// The layer edit guard. While it lives, its layer is thawed and unlocked (off and
// plottable stay as they were); when it goes, on every path out of the scope, the saved
// status is written back. A layer that cannot be found is left alone, and the edit goes
// ahead on whatever the layer allows.
//
//     {
//         CLayerEditGuard guard("STIFF");
//         ... open the entities of "STIFF" for write and change them ...
//     }   // "STIFF" is frozen and locked again if it was
class TREVANCOM_API CLayerEditGuard {
public:
    explicit CLayerEditGuard(const char* layerName);
    // The layer the entity is on.
    explicit CLayerEditGuard(ZcDbObjectId entityId);
    ~CLayerEditGuard();
    CLayerEditGuard(const CLayerEditGuard&) = delete;
    CLayerEditGuard& operator=(const CLayerEditGuard&) = delete;

    // True when the layer was found and its status saved.
    bool isHeld() const { return m_bHeld; }
    const CLayerStatus& savedStatus() const { return m_saved; }

private:
    void hold(ZcDbObjectId layerId);

    ZcDbObjectId m_layerId;
    CLayerStatus m_saved;
    bool m_bHeld = false;
};

// Runs the change with the layer opened up and gives its result; the layer's status comes
// back whether the change succeeds, fails or throws.
template <class Change>
decltype(auto) TrevanComARX_EditOnLayer(const char* layerName, Change&& change)
{
    CLayerEditGuard guard(layerName);
    return std::forward<Change>(change)();
}
