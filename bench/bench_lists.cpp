// A design at the reader's limits, every count 1000: about 606,000 owned lines in each owned list.
// Opening it and showing the list pages must stay as quick as on an ordinary design.
#include "BenchDesign.h"
#include "BenchWindow.h"
#include "FindWidget.h"
#include "files/DesignFile.h"

#include <QTabBar>

#include <benchmark/benchmark.h>

#include <string>

namespace vantrel::bench {

namespace {

// Every owned and placed count at `count`; `count` 1000 is the reader's limit.
Design LimitDesign(int count) {
    Context ctx;
    ctx.catalog = ShippedCatalog();
    NewDesign(ctx.design);
    Design& d = ctx.design;
    d.MechName = "Limit Suit " + std::to_string(count);
    d.HeatSinks = count;
    d.ArmorPoints = count;
    d.ArmorSlots = count;
    d.PlacedHeatSinks = count;
    d.PlacedArmor = count;
    d.PlacedArmorSlots = count;
    for (int i = 0; i < kCatalogSize; ++i) {
        d.OwnedCount[i] = count;
        d.OwnedAmmo[i] = count;
        d.PlacedCount[i] = count;
        d.PlacedAmmo[i] = count;
    }
    ctx.armorList = ArmorListFor(d);
    MainCalc(ctx);
    return ctx.design;
}

int OwnedLines(const Design& d) {
    int lines = d.HeatSinks + d.ArmorSlots;
    for (int i = 0; i < kCatalogSize; ++i) lines += d.OwnedCount[i] + d.OwnedAmmo[i];
    return lines;
}

}  // namespace

// File, Open... of a limit design from the equipment page; two limit designs one unit apart take
// turns, so every open writes different lists.
static void BM_OpenLimitDesign(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    const Design designs[2] = {LimitDesign(1000), LimitDesign(999)};
    const QString paths[2] = {w.dir.filePath(QStringLiteral("limit1000.vnt")),
                              w.dir.filePath(QStringLiteral("limit999.vnt"))};
    std::string error;
    if (!DoSaveAs(designs[1], paths[1].toStdString(), error)) return state.SkipWithError(error.c_str());
    if (!w.OpenDesign(designs[0], paths[0])) return state.SkipWithError("open");
    vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(static_cast<int>(state.range(0)) - 1);
    w.Settle();
    int i = 0;
    for (auto _ : state) {
        w.form.Edits().MarkSaved();
        w.dialogs.fileNames.push_back(paths[++i % 2]);
        w.form.Files().MOpen_Click();
        w.Settle();
    }
    if (w.ctx.design.MechName != designs[i % 2].MechName || !w.dialogs.messages.empty())
        state.SkipWithError("design not opened");
    state.counters["owned_lines"] = OwnedLines(w.ctx.design);
}
BENCHMARK(BM_OpenLimitDesign)->ArgName("page")->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// The switch to a list page (3: equipment, 4: slots) from the page before it, on a limit design: the
// page's lists are written again from the counts.
static void BM_RefreshListPage(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    if (!w.OpenDesign(LimitDesign(1000), w.dir.filePath(QStringLiteral("limit.vnt"))))
        return state.SkipWithError("open");
    const int to = static_cast<int>(state.range(0)) - 1;
    const int from = to - 1;
    for (auto _ : state) {
        state.PauseTiming();
        vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(from);
        w.Settle();
        state.ResumeTiming();
        vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(to);
        w.Settle();
    }
    state.counters["owned_lines"] = OwnedLines(w.ctx.design);
}
BENCHMARK(BM_RefreshListPage)->ArgName("page")->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace vantrel::bench
