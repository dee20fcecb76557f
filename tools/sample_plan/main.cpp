// sample_plan: writes the bundled sample drawing, a tank top plan of a double bottom
// between FR.100 and FR.110 (port side, millimetres), through the host's own SDK.
//   sample_plan examples/drawings/hull_plan.dxf
#include <cstdio>
#include <string>

#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace {

constexpr double kSpacing = 800.0;    // frame spacing
constexpr double kHalfBreadth = 8000.0;
constexpr int kFirstFrame = 100, kFrames = 10;
constexpr double kLength = kSpacing * kFrames;

ZcDbDatabase* g_db = nullptr;

ZcDbObjectId linetype(const char* name, const char* comment, std::initializer_list<double> dashes)
{
    ZcDbObjectPointer<ZcDbLinetypeTable> table(g_db->linetypeTableId(), ZcDb::kForWrite);
    auto* lt = new ZcDbLinetypeTableRecord;
    lt->setName(name);
    lt->setComments(comment);
    lt->setNumDashes(static_cast<int>(dashes.size()));
    double length = 0;
    int i = 0;
    for (double d : dashes) {
        lt->setDashLengthAt(i++, d);
        length += d < 0 ? -d : d;
    }
    lt->setPatternLength(length);
    ZcDbObjectId id;
    table->add(id, lt);
    lt->close();
    return id;
}

ZcDbObjectId layer(const char* name, int color, ZcDbObjectId lt = {})
{
    ZcDbObjectPointer<ZcDbLayerTable> table(g_db->layerTableId(), ZcDb::kForWrite);
    auto* r = new ZcDbLayerTableRecord;
    r->setName(name);
    r->setColor(ZcCmColor::fromIndex(static_cast<uint16_t>(color)));
    r->setLinetypeObjectId(lt.isNull() ? g_db->continuousLinetype() : lt);
    ZcDbObjectId id;
    table->add(id, r);
    r->close();
    return id;
}

void add(ZcDbEntity* e, ZcDbObjectId onLayer)
{
    e->setDatabaseDefaults(g_db);
    e->setLayer(onLayer);
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(g_db->modelSpaceId(), ZcDb::kForWrite);
    ms->appendZcDbEntity(e);
    e->close();
}

ZcGePoint3d at(double x, double y) { return {x, y, 0.0}; }

// A slotted manhole: two straight sides and two half-circle ends.
ZcDbPolyline* manhole(double cx, double cy, double length, double width)
{
    auto* pl = new ZcDbPolyline;
    double h = length / 2 - width / 2, r = width / 2;
    pl->addVertexAt(0, ZcGePoint2d(cx - h, cy - r));
    pl->addVertexAt(1, ZcGePoint2d(cx + h, cy - r), 1.0);
    pl->addVertexAt(2, ZcGePoint2d(cx + h, cy + r));
    pl->addVertexAt(3, ZcGePoint2d(cx - h, cy + r), 1.0);
    pl->setClosed(true);
    return pl;
}

ZcDbObjectId dimStyle()
{
    ZcDbObjectPointer<ZcDbDimStyleTable> table(g_db->dimStyleTableId(), ZcDb::kForWrite);
    auto* s = new ZcDbDimStyleTableRecord;
    s->setName("HULL");
    // Plotted at 1:50, the text and arrows read as 2.5 mm on paper.
    s->setDimscale(50.0);
    // Hull dimensions are whole millimetres.
    s->varsForWrite().dimdec = 0;
    ZcDbObjectId id;
    table->add(id, s);
    s->close();
    return id;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sample_plan OUTPUT.dxf\n");
        return 2;
    }
    ZcDbDatabase db;
    g_db = &db;
    zcdbHostApplicationServices()->setWorkingDatabase(&db);

    ZcDbObjectId dashed = linetype("DASHED", "Dashed __ __ __", {300.0, -150.0});
    ZcDbObjectId center = linetype("CENTER", "Center ____ _ ____", {800.0, -150.0, 150.0, -150.0});
    ZcDbObjectId hull = layer("HULL", 7);
    ZcDbObjectId frames = layer("FRAME", 3);
    ZcDbObjectId stiff = layer("STIFFENER", 4, dashed);
    ZcDbObjectId girder = layer("GIRDER", 6, dashed);
    ZcDbObjectId cl = layer("CENTERLINE", 1, center);
    ZcDbObjectId notes = layer("TEXT", 5);
    ZcDbObjectId dims = layer("DIM", 1);
    ZcDbObjectId style = dimStyle();

    // Boundaries: the watertight floors at the tank's ends and the side shell.
    add(new ZcDbLine(at(0, 0), at(0, kHalfBreadth)), hull);
    add(new ZcDbLine(at(kLength, 0), at(kLength, kHalfBreadth)), hull);
    add(new ZcDbLine(at(-400, kHalfBreadth), at(kLength + 400, kHalfBreadth)), hull);
    add(new ZcDbLine(at(-600, 0), at(kLength + 600, 0)), cl);
    // Solid floors at every frame between, under the tank top.
    for (int i = 1; i < kFrames; ++i) add(new ZcDbLine(at(i * kSpacing, 0), at(i * kSpacing, kHalfBreadth)), frames);
    // Bottom longitudinals every 700 mm, the side girder at 4200 in their place.
    for (int j = 1; j * 700.0 < kHalfBreadth; ++j) {
        double y = j * 700.0;
        if (j == 6) {
            add(new ZcDbLine(at(0, 4200), at(kLength, 4200)), girder);
            continue;
        }
        add(new ZcDbLine(at(0, y), at(kLength, y)), stiff);
    }
    // Manholes in the tank top between the longitudinals.
    for (int i : {1, 4, 7}) add(manhole((i + 0.5) * kSpacing, 2450, 600, 400), hull);

    for (int i = 0; i <= kFrames; ++i) {
        std::string name = "FR." + std::to_string(kFirstFrame + i);
        add(new ZcDbText(at(i * kSpacing - 220, -400), name.c_str(), ZcDbObjectId::kNull, 120.0), notes);
    }
    add(new ZcDbText(at(-1250, -75), "C.L.", ZcDbObjectId::kNull, 150.0), notes);
    add(new ZcDbText(at(kLength + 200, 4250), "SIDE GIRDER", ZcDbObjectId::kNull, 120.0), notes);
    add(new ZcDbText(at(kLength + 200, 5650), "L.8  FB 150x12", ZcDbObjectId::kNull, 120.0), notes);
    add(new ZcDbText(at(0, -1100), "TANK TOP PLAN  FR.100 - FR.110  (P)", ZcDbObjectId::kNull, 250.0), notes);
    add(new ZcDbAlignedDimension(at(0, kHalfBreadth), at(kSpacing, kHalfBreadth), at(400, kHalfBreadth + 500), nullptr,
                                 style),
        dims);
    add(new ZcDbAlignedDimension(at(kLength, 0), at(kLength, kHalfBreadth), at(kLength + 2400, 4000), nullptr, style),
        dims);

    if (db.saveAs(argv[1]) != Zcad::eOk) {
        std::fprintf(stderr, "sample_plan: %s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return 0;
}
