#include "drafting/obj_property_lisp.h"

#include "core/lisp_args.h"

namespace {

// Opens the entity for write and applies the change; false when it cannot be opened or the
// entity refuses the value.
template <class Change>
bool changeEntity(ZcDbObjectId id, Change change)
{
    ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForWrite);
    if (ent.openStatus() != Zcad::eOk) return false;
    if (change(ent.object()) != Zcad::eOk) return false;
    ent->recordGraphicsModified();
    return true;
}

}  // namespace

int TrevanComARX_SetObjLtscaleLispFunc()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    double scale = 0.0;
    if (!args.entity(id) || !args.realOrInt(scale)) return args.fail();
    return TrevanLispArgs::retBool(changeEntity(id, [&](ZcDbEntity* e) { return e->setLinetypeScale(scale); }));
}

int TrevanComARX_SetObjLinetypeLispFunc()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    ZcDbObjectId id;
    CString linetype;
    if (!args.entity(id) || !args.str(linetype)) return args.fail();
    return TrevanLispArgs::retBool(
        changeEntity(id, [&](ZcDbEntity* e) { return e->setLinetype(linetype.GetString()); }));
}
