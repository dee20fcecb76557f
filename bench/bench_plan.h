// What the stiffener benchmarks share: a copy of the sample installation as drive C: for as
// long as the program runs, and generated hull plans, each drawn once per size and kept.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "hull_plan.h"

struct BenchPlan {
    std::unique_ptr<ZcDbDatabase> db = std::make_unique<ZcDbDatabase>();
    HullPlanSummary summary;
    std::string error;
};

// Sets the installation up on the first call: drive C:, its registry, windir and the
// system folder on the support path.
void useSampleInstallation();

// The plan of state.range(0) stiffeners, made the working drawing, with its size as the
// "entities" counter. The benchmark is skipped when the plan could not be drawn.
BenchPlan& benchPlan(benchmark::State& state);

using Clock = std::chrono::steady_clock;
inline double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Every entity of model space opened for read and closed, as any walk of the drawing does:
// the bare scan the commands are measured against. Gives the number of visible entities.
long scanModelSpace(ZcDbDatabase* db);

// The plan sizes a ratio benchmark runs over: 10^3, 10^4 and 10^5 stiffeners, without 10^5
// when TREVAN_BENCH_QUICK is set to anything but 0.
std::vector<long> ratioBenchSizes();
