// cross_sample [--install DIR] OUTPUT.dxf
//
// Writes a small piece of tank top where members cross, for the intersection edits: a
// flat bar of a floor running into a tank top longitudinal, and a built-up I girder
// stiffener running into an I-section web frame. Every member carries its record and its
// actual-plate lines, and the drawing is left in the actual-plate display. The bundled
// examples/drawings/cross_trim.dxf is
//   cross_sample examples/drawings/cross_trim.dxf
#include <cstdio>
#include <string>

#include "hull_sections.h"
#include "installation.h"
#include "plan_layers.h"
#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace {

// Sections with actual-plate lines that the plan's table lacks.
const HullSection kLongFB250x15{"LONG_F", "FB250x15", "FB25015", 250, 15, 0, 0, 0, 0, 29.4, "KA"};
const HullSection kLongI400x200{"LONG_I", "I400x200x12/18", "BI40020012", 400, 12, 200, 18, 0, 0, 91.4, "KA32"};

bool appendToModelSpace(ZcDbDatabase& db, ZcDbEntity* ent, ZcDbObjectId& id)
{
    ZcDbBlockTable* table = nullptr;
    if (db.getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return false;
    ZcDbBlockTableRecord* space = nullptr;
    const Zcad::ErrorStatus es = table->getAt(ZCDB_MODEL_SPACE, space, ZcDb::kForWrite);
    table->close();
    if (es != Zcad::eOk) return false;
    const bool appended = space->appendZcDbEntity(id, ent) == Zcad::eOk;
    space->close();
    if (appended) ent->close();
    return appended;
}

struct Member {
    const HullSection& section;
    ZcGePoint3d start, end;
    const char* sides;
};

}  // namespace

int main(int argc, char** argv)
{
    std::string install = TREVAN_SAMPLE_INSTALL, output;
    bool usage = false;
    for (int i = 1; i < argc && !usage; ++i) {
        const std::string arg = argv[i];
        if (arg == "--install" && i + 1 < argc)
            install = argv[++i];
        else if (!arg.starts_with("-") && output.empty())
            output = arg;
        else
            usage = true;
    }
    if (usage || output.empty()) {
        std::fprintf(stderr, "usage: cross_sample [--install DIR] OUTPUT.dxf\n");
        return 2;
    }
    std::string error;
    if (!useInstallation(install, &error)) {
        std::fprintf(stderr, "cross_sample: %s\n", error.c_str());
        return 1;
    }
    ZcDbDatabase db;
    zcdbHostApplicationServices()->setWorkingDatabase(&db);
    PlanLayers layers;
    if (!makePlanLayers(&db, layers, error)) {
        std::fprintf(stderr, "cross_sample: %s\n", error.c_str());
        return 1;
    }
    const Member members[] = {
        {hull_sections::kLongL250x90x10_15, {0, 0, 0}, {3000, 0, 0}, "R,R"},
        {kLongFB250x15, {1000, -1200, 0}, {1000, 150, 0}, "R,L"},
        {kLongI400x200, {0, 2000, 0}, {3000, 2000, 0}, "R,R"},
        {kLongI400x200, {2200, 800, 0}, {2200, 2160, 0}, "R,R"},
    };
    ZcDbObjectIdArray ids;
    for (const Member& m : members) {
        auto* line = new ZcDbLine(m.start, m.end);
        line->setDatabaseDefaults(&db);
        line->setLayer(layers.stiff);
        ZcDbObjectId id;
        if (!appendToModelSpace(db, line, id)) {
            delete line;
            std::fprintf(stderr, "cross_sample: model space refused a member\n");
            return 1;
        }
        if (!TrevanComARX_SetStiffdata(id, hullStiffenerRecord(m.section, m.start, m.end, m.sides))) {
            std::fprintf(stderr, "cross_sample: the record of %s cannot be written\n", m.section.name);
            return 1;
        }
        TrevanCom_CreateJitsuitaLine(id);
        ids.append(id);
    }
    if (!TrevanCom_JitsuitaHyouji(ids)) {
        std::fprintf(stderr, "cross_sample: the actual-plate display cannot be set\n");
        return 1;
    }
    if (db.saveAs(output.c_str()) != Zcad::eOk) {
        std::fprintf(stderr, "cross_sample: %s\n", zrxhost::lastDrawingFileError().c_str());
        return 1;
    }
    std::printf("cross_sample: %d members written to %s\n", ids.length(), output.c_str());
    return 0;
}
