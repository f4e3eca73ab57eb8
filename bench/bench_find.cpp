// The equipment finder: one keystroke in its search box over the whole catalog, and the reasons
// worked out again after a gesture.
#include "BenchDesign.h"
#include "BenchWindow.h"
#include "FindWidget.h"
#include "equipment/Availability.h"
#include "ui/FindEquipmentForm.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <vector>

namespace vantrel::bench {

namespace {

// A search typed letter by letter and taken back again, so every keystroke narrows or widens it.
const char kTyped[] = "medium laser er";

void Key(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

}  // namespace

// One key pressed in the search box of the open finder (a letter typed or a backspace), the table
// filtered, laid out and, with `repaint` 1, painted.
static void BM_FindKeystroke(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok || !w.OpenDesign(FullDesign().design, w.dir.filePath(QStringLiteral("busy.vnt"))))
        return state.SkipWithError("open");
    w.form.MFind_Click();
    w.Settle();
    auto* search = vantrel::test::Find<QLineEdit>(*w.form.FindWindow(), "TextSearch");
    search->setFocus();
    const bool repaint = state.range(0) != 0;
    const int length = static_cast<int>(sizeof kTyped) - 1;
    int step = 0;
    const long paintsBefore = w.counter.paints;
    for (auto _ : state) {
        // Forward through the text, then back out of it with backspaces.
        const int at = step % (2 * length);
        if (at < length) {
            const QChar c = QLatin1Char(kTyped[at]);
            Key(search, c == u' ' ? Qt::Key_Space : Qt::Key_A + (c.toLatin1() - 'a'), QString(c));
        } else {
            Key(search, Qt::Key_Backspace, QString());
        }
        ++step;
        if (repaint) w.Settle();
    }
    state.counters["paints"] = benchmark::Counter(static_cast<double>(w.counter.paints - paintsBefore),
                                                  benchmark::Counter::kAvgIterations);
    if (search->text().size() > length) state.SkipWithError("typing went astray");
}
BENCHMARK(BM_FindKeystroke)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Why each of the catalog's entries is or is not offered to the busy design: what the finder works
// out once after every gesture while it is open.
static void BM_WhyNotOffered(benchmark::State& state) {
    const Context ctx = FullDesign();
    const std::vector<CatalogEntry> entries = CatalogEntries(ctx.catalog);
    for (auto _ : state) benchmark::DoNotOptimize(WhyNotOffered(ctx, entries));
    state.counters["entries"] = static_cast<double>(entries.size());
}
BENCHMARK(BM_WhyNotOffered)->Unit(benchmark::kMicrosecond);

}  // namespace vantrel::bench
