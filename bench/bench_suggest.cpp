// The loadout search: the Medium Inner Sphere suit with 600 kg and 8 slots free and the suit with the
// most room, each objective searched to its proof. Counters: combinations looked at (nodes), how many
// were placed and checked for real, and whether the search was proven (1) or stopped at its limit.
#include "BenchDesign.h"
#include "SuggestDesigns.h"
#include "equipment/Suggest.h"

#include <benchmark/benchmark.h>

namespace vantrel::bench {

static void BM_Suggest(benchmark::State& state) {
    const Context suit =
        state.range(0) == 0 ? test::MediumSuit(ShippedCatalog()) : test::LargestSuit(ShippedCatalog());
    SuggestOptions options;
    options.objective = kObjectives[state.range(1)];
    options.timeLimitSeconds = 10;
    SuggestResult result;
    for (auto _ : state) {
        result = Suggest(suit, options);
        benchmark::DoNotOptimize(result.proposals.data());
    }
    state.counters["nodes"] = static_cast<double>(result.nodes);
    state.counters["verified"] = static_cast<double>(result.verified);
    state.counters["proven"] = result.proven ? 1 : 0;
    state.SetLabel(std::string(state.range(0) == 0 ? "medium " : "largest ") +
                   ObjectiveName(options.objective));
}
BENCHMARK(BM_Suggest)
    ->ArgsProduct({
        {0,  1},
        { 0, 1, 2, 3, 4}
})
    ->ArgNames({"suit", "objective"})
    ->Unit(benchmark::kMillisecond);

}  // namespace vantrel::bench
