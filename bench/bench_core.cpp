// Core figures: the calculation, the catalog read, the design file and the readout.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "equipment/Placement.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

namespace vantrel::bench {

namespace {

const Catalog& ShippedCatalog() {
    static const Catalog catalog = [] {
        Catalog c;
        CatalogError e;
        if (!LoadCatalog(VANTREL_CATALOG_PATH, c, e)) std::abort();
        return c;
    }();
    return catalog;
}

// A busy humanoid design: movement, armor, heat sinks and a dozen owned and placed items.
Context FullDesign() {
    Context ctx;
    ctx.catalog = ShippedCatalog();
    NewDesign(ctx.design);
    Design& d = ctx.design;
    d.MechName = "Benchmark Suit";
    d.History = "Line one\r\nLine two, with a comma";
    d.JumpMP = 3;
    d.GroundMP = 3;
    d.ArmorPoints = 4;
    d.HeatSinks = 3;
    for (int i = 0; i < 3; ++i) d.BodySlots[i] = kSlotGround;
    for (int i = 3; i < 6; ++i) d.BodySlots[i] = kSlotJump;
    for (int i = 0; i < kCatalogSize; i += 25) {
        d.OwnedCount[i] = 1;
        if (ctx.catalog[i].AmmoWeight > 0) d.OwnedAmmo[i] = 2;
    }
    const std::string armor = ArmorTypeName(d.TechBase, d.ArmorType);
    for (int i = 0; i < kCatalogSize; i += 25)
        DropOnSlot(ctx, kBody, 6, ctx.catalog[i].Name, true, ctx.catalog[i].Name, armor);
    return ctx;
}

}  // namespace

static void BM_MainCalc(benchmark::State& state) {
    Context ctx = FullDesign();
    for (auto _ : state) {
        MainCalc(ctx.catalog, ctx.design, "Standard");
        benchmark::DoNotOptimize(ctx.design.Cost);
    }
}
BENCHMARK(BM_MainCalc);

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
    for (auto _ : state) benchmark::DoNotOptimize(Readout(ctx.catalog, ctx.design, "Standard"));
}
BENCHMARK(BM_Readout)->Unit(benchmark::kMicrosecond);

}  // namespace vantrel::bench
