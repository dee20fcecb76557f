// cross_detail_generator [--install DIR] PLAN.dxf THROUGH PARTNER SHIP SYMBOL
//
// A completed intersection detail of the plan's stiffeners THROUGH and PARTNER (handles), as
// the sibling modules leave one for intersection points to read: the frame's record entity
// with both members' records (the partner as the right or left one, as it lies in the plan),
// the vertical reference line along the through member turned onto +Y, and a bracket and a
// rib in the elevation below with their attributes. Written to
// ENDTYPE\SHIP\COMBINATION\SYMBOL.dwg of the installation; its path is printed.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "installation.h"
#include "zrx.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/spaces.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: cross_detail_generator [--install DIR] PLAN.dxf THROUGH PARTNER SHIP SYMBOL\n");
    return 2;
}

ZcDbObjectId append(ZcDbDatabase& db, ZcDbEntity* pEnt)
{
    ZcDbObjectId id;
    ZcDbBlockTableRecord* ms = nullptr;
    if (zcdbOpenObject(ms, zrxhost::modelSpaceId(&db), ZcDb::kForWrite) != Zcad::eOk) return id;
    ms->appendZcDbEntity(id, pEnt);
    pEnt->close();
    ms->close();
    return id;
}

// The plate's outline in the elevation, x measured out from the web centre on the side s.
ZcDbObjectId plate(ZcDbDatabase& db, double centreX, double top, double s, const double (*xy)[2], int n,
                   const char* name, const char* material, double thick)
{
    auto* pLine = new ZcDbPolyline;
    for (int i = 0; i < n; ++i)
        pLine->addVertexAt(static_cast<unsigned int>(i), ZcGePoint2d(centreX + s * xy[i][0], top + xy[i][1]));
    pLine->setClosed(true);
    const ZcDbObjectId id = append(db, pLine);
    SupportPlateAttr attr;
    std::snprintf(attr.m_szName, sizeof attr.m_szName, "%s", name);
    std::snprintf(attr.m_szMaterial, sizeof attr.m_szMaterial, "%s", material);
    attr.m_rPWT = thick;
    TrevanCom_StructSet(id, attr);
    return id;
}

CString combinationPart(const CStiffData& s) { return s.m_strFType.Right(1) + s.m_strCode; }

bool writeDetail(const CStiffData& planThrough, const CStiffData& planPartner, const char* ship, const char* symbol,
                 CString& path)
{
    ZcArray<CStiffData> partners;
    partners.append(planPartner);
    ZcGePoint3d at;
    if (!TrevanComARX_GetComStiffCrossPoint(planThrough, partners, at)) return false;
    const int left = TrevanComARX_GetStiffLR(planThrough, planPartner);
    // Turned about the crossing so that the through member runs up, as the detail command does.
    const double a = std::atan2(planThrough.m_ptEnd.y - planThrough.m_ptStart.y,
                                planThrough.m_ptEnd.x - planThrough.m_ptStart.x);
    const ZcGeMatrix3d turn = ZcGeMatrix3d::rotation(M_PI / 2 - a, ZcGeVector3d::kZAxis, at);
    CStiffData through(planThrough);
    through.transformBy(turn);

    ZcDbDatabase detail;
    ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
    zcdbHostApplicationServices()->setWorkingDatabase(&detail);
    const ZcDbObjectId record = append(detail, new ZcDbPoint(at));
    {
        ZcDbObjectPointer<ZcDbEntity> pEnt(record, ZcDb::kForWrite);
        CStiffData(through).setStiffdata(pEnt.object(), "CROSSDET_STIFF_STIFFPLANA");
        CStiffData(planPartner).setStiffdata(pEnt.object(),
                                             left ? "CROSSDET_STIFF_STIFFPLANBL" : "CROSSDET_STIFF_STIFFPLANBR");
    }
    const ZcDbObjectId ref = append(detail, new ZcDbLine(through.m_ptStart, through.m_ptEnd));
    TrevanComARX_SetXdataStr(ref, "PlanRecord_Stline", "DMY");
    ZcGePoint3d c1, c2;
    through.getWebCenterPt(c1, c2);
    const double side = left ? -1.0 : 1.0;
    const double top = at.y - 1000;
    const double bracket[][2] = {{20, 0}, {320, 0}, {120, -200}, {20, -200}};
    const double rib[][2] = {{340, 0}, {440, 0}, {440, -150}, {340, -150}};
    plate(detail, c1.x, top, side, bracket, 4, "BKT1", "AH32", 12);
    plate(detail, c1.x, top, side, rib, 4, "RIB1", "KA", 10);
    zcdbHostApplicationServices()->setWorkingDatabase(working);

    CString folder;
    if (!TrevanComARX_GetEndtypeFolder(folder)) return false;
    folder += CString("\\") + ship;
    TrevanComARX_MakeFolder(folder);
    folder += "\\" + combinationPart(planThrough) + "-" + combinationPart(planPartner);
    TrevanComARX_MakeFolder(folder);
    path = folder + "\\" + symbol + ".dwg";
    const std::optional<std::string> file = zrxhost::hostPath(path.str());
    return file && detail.saveAs(file->c_str()) == Zcad::eOk;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string install = TREVAN_SAMPLE_INSTALL;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--install" && i + 1 < argc) install = argv[++i];
        else if (!arg.starts_with("-")) args.push_back(arg);
        else return usage();
    }
    if (args.size() != 5) return usage();
    std::string error;
    if (!useInstallation(install, &error)) {
        std::fprintf(stderr, "cross_detail_generator: %s\n", error.c_str());
        return 1;
    }
    ZcDbDatabase plan(false, true);
    if (plan.readDwgFile(args[0].c_str()) != Zcad::eOk) {
        std::fprintf(stderr, "cross_detail_generator: %s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    zcdbHostApplicationServices()->setWorkingDatabase(&plan);
    CStiffData through, partner;
    const bool read = TrevanComARX_GetStiffdata(TrevanComARX_GetObjid(args[1].c_str()), through)
        && TrevanComARX_GetStiffdata(TrevanComARX_GetObjid(args[2].c_str()), partner);
    CString path;
    const bool written = read && writeDetail(through, partner, args[3].c_str(), args[4].c_str(), path);
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (!written) {
        std::fprintf(stderr, "cross_detail_generator: no detail of %s and %s\n", args[1].c_str(), args[2].c_str());
        return 1;
    }
    std::printf("\n%s\n", static_cast<const char*>(path));
    return 0;
}
