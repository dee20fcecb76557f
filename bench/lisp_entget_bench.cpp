// LISP over a selection set: a loop calling entget on every entity of a 10^5-entity set,
// against the same walk done in C++ through the SDK (name from the set, open, read what
// entget gives: kind, handle, owner, layer, colour, points, xdata; close). Goal: the LISP
// loop within 20x of the C++ walk.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "zrx.h"
#include "zrxhost/spaces.h"
#include "zrxhost/command_line.h"
#include "zrxhost/session.h"

namespace {

struct Drawing {
    std::unique_ptr<ZcDbDatabase> db = std::make_unique<ZcDbDatabase>();
    ads_name set = {0, 0};

    explicit Drawing(int64_t n)
    {
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        zrxhost::setCommandLineSink([](std::string_view) {});
        zcdbRegApp("STIFF");
        resbuf* xdata = zcutBuildList(1001, "STIFF", 1000, "L-100x75x7", 1040, 12.5, 1070, 1, 0);
        ZcDbBlockTableRecord* ms = nullptr;
        zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForWrite);
        for (int64_t i = 0; i < n; ++i) {
            auto* line = new ZcDbLine(ZcGePoint3d(double(i), 0, 0), ZcGePoint3d(double(i), 100, 0));
            ZcDbObjectId id;
            ms->appendZcDbEntity(id, line);
            line->setXData(xdata);
            line->close();
        }
        ms->close();
        zcutRelRb(xdata);
        zcedSSGet("X", nullptr, nullptr, nullptr, set);
        zrxhost::runCommandLine("(setq ss (ssget \"X\") n (sslength ss))");
    }
    ~Drawing()
    {
        zrxhost::runCommandLine("(setq ss nil)");
        zcedSSFree(set);
        zrxhost::setCommandLineSink(nullptr);
        zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
};

void BM_LispEntgetLoop(benchmark::State& state)
{
    Drawing d(state.range(0));
    for (auto _ : state) {
        zrxhost::runCommandLine("(progn (setq i 0) (repeat n (entget (ssname ss i) '(\"STIFF\")) (setq i (1+ i))) i)");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SdkEntityWalk(benchmark::State& state)
{
    Drawing d(state.range(0));
    for (auto _ : state) {
        int32_t n = 0;
        zcedSSLength(d.set, &n);
        double sum = 0;
        for (int32_t i = 0; i < n; ++i) {
            ads_name e;
            zcedSSName(d.set, i, e);
            ZcDbObjectId id;
            zcdbGetObjectId(id, e);
            ZcDbEntity* ent = nullptr;
            if (zcdbOpenObject(ent, id, ZcDb::kForRead) != Zcad::eOk) continue;
            benchmark::DoNotOptimize(ent->isA()->dxfName());
            ZcDbHandle handle;
            ent->getZcDbHandle(handle);
            benchmark::DoNotOptimize(handle);
            benchmark::DoNotOptimize(ent->ownerId());
            char* layer = ent->layer();
            zcutDelString(layer);
            sum += ent->colorIndex();
            if (auto* line = ZcDbLine::cast(ent)) sum += line->startPoint().x + line->endPoint().y;
            resbuf* xd = ent->xData("STIFF");
            zcutRelRb(xd);
            ent->close();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_LispEntgetLoop)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SdkEntityWalk)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
