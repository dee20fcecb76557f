#include "drafting/center_line.h"

#include <algorithm>

#include "core/handle_names.h"
#include "core/lisp_args.h"
#include "core/model_space_append.h"
#include "settings/linetype_load.h"
#include "settings/sys_dir.h"

namespace {

bool addCentreLine(ZcDbDatabase* db, const ZcGePoint3d& from, const ZcGePoint3d& to)
{
    auto* line = new ZcDbLine(from, to);
    line->setDatabaseDefaults(db);
    line->setColorIndex(1);
    // The line type comes from the line type files when the drawing lacks it.
    if (TrevanCom_SearchLinetype("CENTER", db) || TrevanCom_LoadLineType("CENTER", db)) line->setLinetype("CENTER");
    line->setLinetypeScale(50.0);
    ZcDbObjectId id;
    if (TrevanCom_AppendToModelSpace(line, id, db)) return true;
    delete line;
    return false;
}

// The mark goes in through the host's -INSERT with the answers the command asks for. It is
// run here and now rather than queued to the document, so that it is the drawing's last
// entity when this function colours it.
bool insertScaleMark(const CString& file, const ZcGePoint3d& at)
{
    ads_point p = {at.x, at.y, at.z};
    resbuf* answers = zcutBuildList(RTSTR, "-INSERT", RTSTR, file.GetString(), RTPOINT, p, RTREAL, 200.0, RTREAL,
                                    200.0, RTREAL, 0.0, 0);
    int rc = zcedCmd(answers);
    zcutRelRb(answers);
    return rc == RTNORM;
}

}  // namespace

bool TrevanComARX_CreateBaseLine(const ZcGePoint3d& insertion, const ZcGePoint3d& firstCorner,
                                 const ZcGePoint3d& secondCorner)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    const ZcGePoint3d p(insertion.x, insertion.y, 0.0);
    const double h1 = insertion.distanceTo(ZcGePoint3d(firstCorner.x, insertion.y, 0.0));
    const double h2 = insertion.distanceTo(ZcGePoint3d(secondCorner.x, insertion.y, 0.0));
    const double v = insertion.distanceTo(ZcGePoint3d(insertion.x, firstCorner.y, 0.0));
    const double m = std::max(h1, h2);
    if (!addCentreLine(db, ZcGePoint3d(p.x - m - 2000.0, p.y, 0.0), ZcGePoint3d(p.x + m + 2000.0, p.y, 0.0)))
        return false;
    if (!addCentreLine(db, ZcGePoint3d(p.x, p.y + v + 2000.0, 0.0), ZcGePoint3d(p.x, p.y - 5000.0, 0.0)))
        return false;
    CString data;
    if (!TrevanComARX_GetDataDirFunc(data)) return false;
    ZcDbObjectId before = TrevanComARX_GetLastObjid();
    if (!insertScaleMark(data + "\\sym\\sclmark.dwg", ZcGePoint3d(p.x, p.y - 6400.0, 0.0))) return false;
    ZcDbObjectId last = TrevanComARX_GetLastObjid();
    if (last == before) return false;
    ZcDbObjectPointer<ZcDbBlockReference> mark(last, ZcDb::kForWrite);
    if (mark.openStatus() != Zcad::eOk) return false;
    mark->setColorIndex(1);
    return true;
}

int TrevanComARX_center_line()
{
    TrevanLispArgs args;
    ads_name name;
    if (!args.entName(name)) return args.fail();
    ZcDbObjectId id;
    if (zcdbGetObjectId(id, name) != Zcad::eOk) {
        zcutPrintf("\nacdbGetObjectId() ERROR");
        return TrevanLispArgs::retNil();
    }
    ZcGePoint3d insertion;
    ZcDbExtents box;
    {
        ZcDbObjectPointer<ZcDbBlockReference> reference(id, ZcDb::kForWrite);
        if (reference.openStatus() != Zcad::eOk) return TrevanLispArgs::retNil();
        insertion = reference->position();
        reference->getGeomExtents(box);
        ZcDbVoidPtrArray parts;
        if (reference->explode(parts) != Zcad::eOk) return TrevanLispArgs::retNil();
        for (int i = 0; i < parts.length(); ++i) {
            auto* part = static_cast<ZcDbEntity*>(parts[i]);
            ZcDbObjectId partId;
            if (!TrevanCom_AppendToModelSpace(part, partId, reference->database())) delete part;
        }
        reference->erase();
    }
    return TrevanLispArgs::retBool(TrevanComARX_CreateBaseLine(insertion, box.maxPoint(), box.minPoint()));
}
