#include "plan_layers.h"

#include "TrevanCom2002.h"

namespace {

bool makeLayer(ZcDbDatabase* db, const char* kind, ZcDbObjectId& id, std::string& error)
{
    CString caption, name, linetype;
    int color = 7, lineWeight = -3;
    if (!TrevanComARX_GetLayerInfo(kind, caption, name, color, linetype, lineWeight)) {
        error = std::string("the installation's layer definitions have no kind ") + kind;
        return false;
    }
    if (TrevanComARX_MakeLayer(name, color, linetype, lineWeight, "", db) != 1) {
        error = std::string("layer ") + static_cast<const char*>(name) + " cannot be made with line type " +
                static_cast<const char*>(linetype);
        return false;
    }
    ZcDbObjectPointer<ZcDbLayerTable> table(db->layerTableId(), ZcDb::kForRead);
    if (table.openStatus() != Zcad::eOk || table->getAt(name, id) != Zcad::eOk) {
        error = std::string("layer ") + static_cast<const char*>(name) + " is not in the drawing";
        return false;
    }
    return true;
}

}  // namespace

bool makePlanLayers(ZcDbDatabase* db, PlanLayers& layers, std::string& error)
{
    return makeLayer(db, "SH", layers.shell, error) && makeLayer(db, "CENTER", layers.center, error) &&
           makeLayer(db, "FRAMESP", layers.frame, error) && makeLayer(db, "TR", layers.trans, error) &&
           makeLayer(db, "LONG", layers.longi, error) && makeLayer(db, "STIFF", layers.stiff, error) &&
           makeLayer(db, "HOLE", layers.hole, error) && makeLayer(db, "DIM", layers.dim, error) &&
           makeLayer(db, "TEXT", layers.text, error);
}
