// host_dimensions OUT VERSION
//
// Writes a drawing whose dimensions the host made (no picture blocks yet, arrow size and
// scale overridden on one of them), for the peer check that ezdxf draws them.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "zrx.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/spaces.h"

namespace {

ZcDb::ZcDbDwgVersion versionOf(const std::string& name)
{
    if (name == "R12") return ZcDb::kDHL_1009;
    if (name == "2000") return ZcDb::kDHL_1015;
    if (name == "2004") return ZcDb::kDHL_1800;
    if (name == "2007") return ZcDb::kDHL_2100;
    return ZcDb::kDHL_2700;
}

void add(ZcDbBlockTableRecord* space, ZcDbEntity* e)
{
    space->appendZcDbEntity(e);
    e->close();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: host_dimensions OUT VERSION\n");
        return 2;
    }
    ZcDbDatabase db;
    {
        ZcDbBlockTableRecord* space = nullptr;
        zcdbOpenObject(space, zrxhost::modelSpaceId(&db), ZcDb::kForWrite);
        auto* rotated = new ZcDbRotatedDimension(0.0, {0, 0, 0}, {800, 0, 0}, {0, 100, 0});
        rotated->setDimasz(25.0);
        rotated->setDimscale(2.0);
        add(space, rotated);
        add(space, new ZcDbAlignedDimension({0, 0, 0}, {300, 400, 0}, {-40, 30, 0}, "<> FR"));
        space->close();
    }
    if (db.dxfOut(argv[1], 16, versionOf(argv[2])) != Zcad::eOk) {
        std::fprintf(stderr, "%s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    return 0;
}
