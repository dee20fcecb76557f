// Stiffener labels over a whole plan: every stiffener of a generated plan of 10^4 and 10^5
// stiffeners labelled from its record on the drawing, and from records already read. The
// label file is read on every call. Goals: under 20 us per label, and linear growth from
// 10^4 to 10^5 stiffeners (the reported complexity should be O(N)).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "TrevanCom2002.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/registry.h"

namespace {

namespace fs = std::filesystem;

// A copy of the sample installation as drive C:, for as long as the program runs.
class Installation {
public:
    Installation()
    {
        char pattern[] = "/tmp/trevan-bench-XXXXXX";
        m_root = mkdtemp(pattern);
        fs::copy(TREVAN_SAMPLE_INSTALL, m_root, fs::copy_options::recursive);
        zrxhost::setDrive('C', (m_root / "drive_c").string());
        zrxhost::setRegistryFile((m_root / "registry.reg").string());
        setenv("windir", "C:\\WINDOWS", 1);
    }
    ~Installation()
    {
        zrxhost::setRegistryFile("");
        zrxhost::clearDrives();
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

private:
    fs::path m_root;
};

// The sections of a hull plan, in the proportions a plan has them.
CStiffData section(int i)
{
    CStiffData s;
    s.m_strType = "STIFF";
    switch (i % 8) {
    case 0: case 1: case 2: s.m_strFType = "FB"; s.m_rWebWidth = 100 + 25 * (i % 7); s.m_rWebThick = 9 + (i % 4) * 0.5; break;
    case 3: s.m_strFType = "A"; s.m_rWebWidth = 100; s.m_rWebThick = 7; s.m_rFaceWidth = 75; s.m_rFaceThck = 7; break;
    case 4: s.m_strFType = "A"; s.m_rWebWidth = 90; s.m_rWebThick = 10; s.m_rFaceWidth = 10; s.m_rFaceThck = 10; break;
    case 5: s.m_strFType = "T"; s.m_rWebWidth = 300; s.m_rWebThick = 11; s.m_rFaceWidth = 100; s.m_rFaceThck = 16; break;
    case 6: s.m_strFType = "LONG_B"; s.m_rWebWidth = 200 + 20 * (i % 5); s.m_rWebThick = 10; break;
    default: s.m_strFType = "H"; s.m_rWebWidth = 400; s.m_rWebThick = 12; s.m_rFaceWidth = 200; s.m_rFaceThck = 16; break;
    }
    return s;
}

// A plan of n stiffeners: lines 800 apart in rows of 500, each with its record as xdata.
struct Plan {
    std::unique_ptr<ZcDbDatabase> db = std::make_unique<ZcDbDatabase>();
    std::vector<ZcDbObjectId> stiffeners;

    explicit Plan(int64_t n)
    {
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        ZcDbBlockTableRecord* ms = nullptr;
        zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
        for (int64_t i = 0; i < n; ++i) {
            double x = 800.0 * double(i % 500), y = 3000.0 * double(i / 500);
            auto* line = new ZcDbLine(ZcGePoint3d(x, y, 0), ZcGePoint3d(x, y + 2400, 0));
            ZcDbObjectId id;
            ms->appendZcDbEntity(id, line);
            line->close();
            stiffeners.push_back(id);
        }
        ms->close();
        for (size_t i = 0; i < stiffeners.size(); ++i) TrevanComARX_SetStiffdata(stiffeners[i], section(int(i)));
    }
    ~Plan() { zcdbHostApplicationServices()->setWorkingDatabase(nullptr); }
};

// Plans are built once per size, one at a time: writing 10^5 records takes longer than labelling them.
Plan& plan(int64_t n)
{
    static Installation installation;
    static std::unique_ptr<Plan> current;
    if (!current || int64_t(current->stiffeners.size()) != n) {
        current.reset();
        current = std::make_unique<Plan>(n);
    }
    zcdbHostApplicationServices()->setWorkingDatabase(current->db.get());
    return *current;
}

void BM_LabelEveryStiffenerOfThePlan(benchmark::State& state)
{
    Plan& p = plan(state.range(0));
    for (auto _ : state) {
        size_t chars = 0;
        for (ZcDbObjectId id : p.stiffeners) chars += TrevanCom_MakeStiffText(id, "STIFF").GetLength();
        if (chars == 0) state.SkipWithError("no stiffener got a label");
        benchmark::DoNotOptimize(chars);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LabelEveryRecordOfThePlan(benchmark::State& state)
{
    Plan& p = plan(state.range(0));
    std::vector<CStiffData> records(p.stiffeners.size());
    for (size_t i = 0; i < records.size(); ++i) TrevanComARX_GetStiffdata(p.stiffeners[i], records[i]);
    for (auto _ : state) {
        size_t chars = 0;
        for (const CStiffData& s : records)
            chars += TrevanCom_MakeStiffText(s.m_strFType, s.m_rWebWidth, s.m_rWebThick, s.m_rFaceWidth, s.m_rFaceThck,
                                             s.m_rCornerR1, s.m_rCornerR2)
                         .GetLength();
        if (chars == 0) state.SkipWithError("no record got a label");
        benchmark::DoNotOptimize(chars);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_LabelEveryStiffenerOfThePlan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LabelEveryRecordOfThePlan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
