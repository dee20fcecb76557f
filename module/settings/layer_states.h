// Frozen, locked and off: the three states of a layer that decide whether its entities can
// be seen and changed, read and set by layer name or for the layers of entities. Layers are
// those of the working drawing.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The layer's states; false (all three false) when there is no such layer or it cannot be
// opened.
TREVANCOM_API bool TrevanCom_GetLayerInfo(const CString& strLayer, bool& bFrozen, bool& bLocked, bool& bOff);
// The states of the entity's layer.
TREVANCOM_API bool TrevanCom_GetLayerInfo(ZcDbObjectId objId, bool& bFrozen, bool& bLocked, bool& bOff);
// The distinct layers of the entities, in the order first met, each with its states
// (TRUE or FALSE) at the same index; entities or layers that cannot be read are left out.
TREVANCOM_API void TrevanCom_GetLayerInfo(const ZcDbObjectIdArray& objIds, CStringArray& layers,
                                          ZcArray<BOOL>& frozen, ZcArray<BOOL>& locked, ZcArray<BOOL>& off);

// Sets the layer's states; false when there is no such layer or it cannot be opened for
// write.
TREVANCOM_API bool TrevanCom_SetLayerInfo(const CString& strLayer, bool bFrozen, bool bLocked, bool bOff);
// The same states for every layer of the list.
TREVANCOM_API void TrevanCom_SetLayerInfo(const CStringArray& layers, bool bFrozen, bool bLocked, bool bOff);
// Each layer of the list takes the states at its own index, as the list form of
// TrevanCom_GetLayerInfo gave them; layers without states at their index are left alone.
TREVANCOM_API void TrevanCom_SetLayerInfo(const CStringArray& layers, const ZcArray<BOOL>& frozen,
                                          const ZcArray<BOOL>& locked, const ZcArray<BOOL>& off);

// The distinct layer names of the entities, in the order first met; entities that cannot
// be opened are left out. Always true.
TREVANCOM_API bool TrevanCom_GetLayerName(const ZcDbObjectIdArray& objIds, CStringArray& layers);
