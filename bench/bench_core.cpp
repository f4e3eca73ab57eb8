// Core figures: the calculation, the catalog read, the design file and the readout.
#include "BenchDesign.h"
#include "equipment/DesignCheck.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "rules/Breakdown.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace vantrel::bench {

static void BM_MainCalc(benchmark::State& state) {
    Context ctx = FullDesign();
    for (auto _ : state) {
        MainCalc(ctx);
        benchmark::DoNotOptimize(ctx.design.Cost);
    }
}
BENCHMARK(BM_MainCalc);

// The design check and the breakdown of the busy design; the live window runs both after a gesture.
static void BM_CheckDesign(benchmark::State& state) {
    const Context ctx = FullDesign();
    for (auto _ : state) benchmark::DoNotOptimize(CheckDesign(ctx));
    state.counters["findings"] = static_cast<double>(CheckDesign(ctx).size());
}
BENCHMARK(BM_CheckDesign);

static void BM_Breakdown(benchmark::State& state) {
    const Context ctx = FullDesign();
    for (auto _ : state) benchmark::DoNotOptimize(MakeBreakdown(ctx));
}
BENCHMARK(BM_Breakdown);

static void BM_LoadCatalog(benchmark::State& state) {
    Catalog c;
    CatalogError e;
    for (auto _ : state) {
        if (!LoadCatalog(VANTREL_CATALOG_PATH, c, e)) state.SkipWithError("catalog");
        benchmark::DoNotOptimize(c[301].Name.data());
    }
}
BENCHMARK(BM_LoadCatalog)->Unit(benchmark::kMicrosecond);

static void BM_DoSaveAs(benchmark::State& state) {
    const Context ctx = FullDesign();
    const std::string path = "/tmp/vantrel-bench.vnt";
    std::string error;
    for (auto _ : state)
        if (!DoSaveAs(ctx.design, path, error)) state.SkipWithError(error.c_str());
    std::remove(path.c_str());
}
BENCHMARK(BM_DoSaveAs)->Unit(benchmark::kMicrosecond);

static void BM_DoOpen(benchmark::State& state) {
    const Context ctx = FullDesign();
    const std::string path = "/tmp/vantrel-bench-open.vnt";
    std::string error;
    int bad = 0;
    if (!DoSaveAs(ctx.design, path, error)) state.SkipWithError(error.c_str());
    Design d;
    for (auto _ : state)
        if (!DoOpen(path, d, error, bad)) state.SkipWithError(error.c_str());
    std::remove(path.c_str());
}
BENCHMARK(BM_DoOpen)->Unit(benchmark::kMicrosecond);

static void BM_Readout(benchmark::State& state) {
    const Context ctx = FullDesign();
    for (auto _ : state) benchmark::DoNotOptimize(Readout(ctx));
}
BENCHMARK(BM_Readout)->Unit(benchmark::kMicrosecond);

}  // namespace vantrel::bench
