// Stiffener labels over a whole plan: every stiffener of a generated hull plan of 10^4 and
// 10^5 stiffeners labelled from its record on the drawing, and from records already read.
// The label file is read on every call. Goals: under 20 us per label, and linear growth
// from 10^4 to 10^5 stiffeners (the reported complexity should be O(N)).
#include <benchmark/benchmark.h>

#include <vector>

#include "TrevanCom2002.h"
#include "bench_plan.h"

namespace {

// The stiffeners of the plan of state.range(0) stiffeners.
ZcDbObjectIdArray stiffeners(benchmark::State& state)
{
    benchPlan(state);
    ZcDbObjectIdArray ids;
    if (!TrevanCom_GetAllStiffObjectIdArray(ids) || ids.isEmpty()) state.SkipWithError("the plan has no stiffener");
    return ids;
}

void BM_LabelEveryStiffenerOfThePlan(benchmark::State& state)
{
    const ZcDbObjectIdArray ids = stiffeners(state);
    for (auto _ : state) {
        size_t chars = 0;
        for (int i = 0; i < ids.length(); ++i) chars += TrevanCom_MakeStiffText(ids[i], "STIFF").GetLength();
        if (chars == 0) state.SkipWithError("no stiffener got a label");
        benchmark::DoNotOptimize(chars);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LabelEveryRecordOfThePlan(benchmark::State& state)
{
    const ZcDbObjectIdArray ids = stiffeners(state);
    std::vector<CStiffData> records(static_cast<size_t>(ids.length()));
    for (size_t i = 0; i < records.size(); ++i) TrevanComARX_GetStiffdata(ids[static_cast<int>(i)], records[i]);
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
