// Xdata to typed list: the stored values come back only when they fit the definition
// item by item, which is how a caller tells the current layout from an older one.
#include "QorComStd2002.h"
#include "ent_definition.h"

resbuf* QorComARX_Getxdata_List(const ZcDbEntity* pEnt, const char* appName, const char* entFilePath)
{
    if (pEnt == nullptr || appName == nullptr || appName[0] == '\0') return nullptr;
    // Most entities a reader looks at carry nothing: spare them the definition file.
    resbuf* xdata = pEnt->xData(appName);
    if (xdata == nullptr) return nullptr;
    std::shared_ptr<const EntDefinition> def = findEntDefinition(entFilePath);
    if (def->status != EntDefinition::Status::kOk) {
        zcutRelRb(xdata);
        return nullptr;
    }
    // The copy is ours: drop its 1001 group and turn the rest into list items in place.
    resbuf* items = xdata->rbnext;
    xdata->rbnext = nullptr;
    zcutRelRb(xdata);

    size_t position = 0;
    bool fits = true;
    for (resbuf* rb = items; rb != nullptr && fits; rb = rb->rbnext, ++position) {
        const unsigned type = entTypeOfXdataCode(rb->restype);
        fits = position < def->items.size() && (type & def->items[position].types) != 0;
        if (fits) rb->restype = static_cast<short>(listCodeOf(type));
    }
    if (fits && position == def->items.size()) return items;
    zcutRelRb(items);
    return nullptr;
}
