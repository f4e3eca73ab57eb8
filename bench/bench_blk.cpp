// MegaMek unit files: the export and the import of a busy design, the import both with the slot
// comments of our own export and without them (a unit file from elsewhere: every item is placed by
// searching the slots).
#include "BenchDesign.h"
#include "equipment/AutoPlace.h"
#include "files/BlkFile.h"
#include "files/MegaMekNames.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace vantrel::bench {

namespace {

const MegaMekNameTable& Names() {
    static const MegaMekNameTable table = [] {
        MegaMekNameTable t;
        std::string error;
        int line = 0;
        if (!ParseMegaMekNames(MegaMekNamesText(), ShippedCatalog(), t, error, line)) std::abort();
        return t;
    }();
    return table;
}

// FullDesign with everything it owns placed where Place All puts it.
Context BusyDesign() {
    Context ctx = FullDesign();
    PlaceAll(ctx);
    return ctx;
}

std::string WithoutSlotComments(const std::string& file) {
    std::istringstream in(file);
    std::string line, out;
    while (std::getline(in, line))
        if (line.rfind("#vantrel slots", 0) != 0) out += line + "\n";
    return out;
}

}  // namespace

static void BM_BlkExport(benchmark::State& state) {
    const Context ctx = BusyDesign();
    for (auto _ : state) benchmark::DoNotOptimize(BlkFileBytes(ctx, Names(), {}));
}
BENCHMARK(BM_BlkExport)->Unit(benchmark::kMicrosecond);

static void BM_BlkImport(benchmark::State& state) {
    const std::string file = BlkFileBytes(BusyDesign(), Names(), {});
    for (auto _ : state) {
        BlkImport out;
        BlkRefusal refusal;
        if (!ParseBlkFile(file, ShippedCatalog(), Names(), out, refusal)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(out.design.Cost);
    }
}
BENCHMARK(BM_BlkImport)->Unit(benchmark::kMicrosecond);

static void BM_BlkImportForeign(benchmark::State& state) {
    const std::string file = WithoutSlotComments(BlkFileBytes(BusyDesign(), Names(), {}));
    for (auto _ : state) {
        BlkImport out;
        BlkRefusal refusal;
        if (!ParseBlkFile(file, ShippedCatalog(), Names(), out, refusal)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(out.design.Cost);
    }
}
BENCHMARK(BM_BlkImportForeign)->Unit(benchmark::kMicrosecond);

// Reading the name table, which every command does once.
static void BM_MegaMekNameTable(benchmark::State& state) {
    for (auto _ : state) {
        MegaMekNameTable t;
        std::string error;
        int line = 0;
        benchmark::DoNotOptimize(ParseMegaMekNames(MegaMekNamesText(), ShippedCatalog(), t, error, line));
    }
}
BENCHMARK(BM_MegaMekNameTable)->Unit(benchmark::kMicrosecond);

}  // namespace vantrel::bench
