// User actions through the real main window, headless: each from the event to the last refresh,
// the event loop run until the repaint it asked for is done, so painting counts.
#include "BenchDesign.h"
#include "BenchWindow.h"
#include "FindWidget.h"
#include "files/DesignFile.h"
#include "ui/MainFormControls.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTabBar>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace vantrel::bench {

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
    const QPointF local(at);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    QMouseEvent e(type, local, w->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// First catalog item of `count` slots that the placement rules treat as a plain item.
int PlainItem(const Catalog& catalog, int count) {
    for (int i = 0; i < kCatalogSize; ++i) {
        const CatalogItem& it = catalog[i];
        if (it.CSlots == count && it.AmmoWeight == -1 && it.Name.rfind("(", 0) != 0 &&
            it.Name.find("Clamps") == std::string::npos && it.Name.find("Space") == std::string::npos)
            return i;
    }
    return -1;
}

// Splits an action's time between its handlers and the event loop run after them (posted calls and
// the repaint), reported per iteration in microseconds beside the paint events.
class Split {
public:
    explicit Split(const Window& w) : w_(w) {}
    void Start() {
        paintsBefore_ = w_.counter.paints;
        start_ = Clock::now();
    }
    void HandlerDone() { mid_ = Clock::now(); }
    void LoopDone() {
        const auto end = Clock::now();
        handler_ += std::chrono::duration<double, std::micro>(mid_ - start_).count();
        loop_ += std::chrono::duration<double, std::micro>(end - mid_).count();
        paints_ += w_.counter.paints - paintsBefore_;
    }
    void Report(benchmark::State& state) const {
        using C = benchmark::Counter;
        state.counters["handler_us"] = C(handler_, C::kAvgIterations);
        state.counters["loop_us"] = C(loop_, C::kAvgIterations);
        state.counters["paints"] = C(static_cast<double>(paints_), C::kAvgIterations);
    }

private:
    using Clock = std::chrono::steady_clock;
    const Window& w_;
    Clock::time_point start_, mid_;
    long paintsBefore_ = 0, paints_ = 0;
    double handler_ = 0, loop_ = 0;
};

}  // namespace

// A weight class chosen in its list: the cascade of resets, page 1 and the status line.
static void BM_WeightClassChange(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    Split split(w);
    int i = 0;
    for (auto _ : state) {
        split.Start();
        vantrel::test::Find<QComboBox>(w.form, "ComboType")->setCurrentIndex(++i % 2 ? 2 : 1);
        split.HandlerDone();
        w.Settle();
        split.LoopDone();
    }
    if (w.ctx.design.WeightClass != (i % 2 ? 2 : 1)) state.SkipWithError("class not taken");
    split.Report(state);
}
BENCHMARK(BM_WeightClassChange)->Unit(benchmark::kMicrosecond);

// The ground speed slider grabbed, moved one step and let go: the movement slots are rebuilt.
static void BM_MovementSliderRelease(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    ReleaseSlider* s = vantrel::test::Find<ReleaseSlider>(w.form, "Slider1");
    Split split(w);
    int i = 0;
    for (auto _ : state) {
        split.Start();
        Mouse(s, QEvent::MouseButtonPress, s->HandleRect().center());
        s->setValue(++i % 2 ? 2 : 1);
        Mouse(s, QEvent::MouseButtonRelease, s->HandleRect().center());
        split.HandlerDone();
        w.Settle();
        split.LoopDone();
    }
    if (w.ctx.design.GroundMP != (i % 2 ? 2 : 1) ||
        w.ctx.design.BodySlots[1] != (i % 2 ? kSlotGround : kSlotFree))
        state.SkipWithError("slots not rebuilt");
    split.Report(state);
}
BENCHMARK(BM_MovementSliderRelease)->Unit(benchmark::kMicrosecond);

// A three-slot item dragged from the owned list onto the body: placement, the slot page redrawn and
// the status line refreshed. Between drops "Clear All" takes it off again, untimed. The drop is
// handled once the drag has ended, a queued call: the event loop's share holds the handler.
static void BM_DropThreeSlotItem(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    const int item = PlainItem(w.ctx.catalog, 3);
    if (item < 0) return state.SkipWithError("no three-slot item");
    const QString name = QString::fromStdString(w.ctx.catalog[item].Name);
    vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(3);
    AddToStash(w.ctx.catalog, w.ctx.design, w.ctx.catalog[item].Name, 1);
    w.form.RefreshP4();
    w.form.RefreshMain();
    w.Settle();
    SlotPage* page = vantrel::test::Find<SlotPage>(w.form, "Frame4");
    SlotLabel* target = vantrel::test::FindAt<SlotLabel>(*page, "BodyCrit", 4);
    SlotLabel* last = vantrel::test::FindAt<SlotLabel>(*page, "BodyCrit", 6);  // the item's third slot
    OwnedList* owned = vantrel::test::Find<OwnedList>(*page, "BipedOwned");
    Split split(w);
    int placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.form.ClearCS_Click();
        const int found = owned->FindRow(name);
        if (found < 0) {
            state.SkipWithError("item not owned");
            break;
        }
        owned->setCurrentRow(found);
        std::unique_ptr<QMimeData> data(owned->MakeDragData());
        QDragEnterEvent enter(QPoint(4, 4), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        w.Settle();
        state.ResumeTiming();

        split.Start();
        QDropEvent drop(QPointF(4, 4), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        split.HandlerDone();
        w.Settle();
        split.LoopDone();

        if (target->text() == name && last->text() == name) ++placed;
    }
    if (placed != state.iterations()) state.SkipWithError("not placed");
    if (!w.dialogs.messages.empty()) state.SkipWithError("refused");
    split.Report(state);
}
BENCHMARK(BM_DropThreeSlotItem)->Unit(benchmark::kMicrosecond);

// The tab strip clicked through its pages in turn, on a busy design.
static void BM_PageSwitch(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    if (!w.OpenDesign(FullDesign().design, w.dir.filePath(QStringLiteral("busy.vnt"))))
        return state.SkipWithError("open");
    vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(3);
    w.Settle();
    Split split(w);
    int i = 0;
    for (auto _ : state) {
        split.Start();
        vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(i++ % 4);
        split.HandlerDone();
        w.Settle();
        split.LoopDone();
    }
    split.Report(state);
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMicrosecond);

// The switch to one page, from the page before it, for finding which page costs what.
static void BM_PageSwitchTo(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    if (!w.OpenDesign(FullDesign().design, w.dir.filePath(QStringLiteral("busy.vnt"))))
        return state.SkipWithError("open");
    const int to = static_cast<int>(state.range(0)) - 1;
    const int from = (to + 3) % 4;
    Split split(w);
    for (auto _ : state) {
        state.PauseTiming();
        vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(from);
        w.Settle();
        state.ResumeTiming();
        split.Start();
        vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(to);
        split.HandlerDone();
        w.Settle();
        split.LoopDone();
    }
    split.Report(state);
}
BENCHMARK(BM_PageSwitchTo)->ArgName("page")->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// File, Open...: the dialog answers a saved design; the read and the refreshes that bring it into
// the window. The busy design and a plain Clan one take turns, so each open changes what shows.
static void BM_OpenCommand(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok) return state.SkipWithError("start-up");
    Design designs[2] = {FullDesign().design, {}};
    NewDesign(designs[1]);
    designs[1].MechName = "Plain Suit";
    designs[1].TechBase = 1;
    designs[1].WeightClass = 2;
    const QString paths[2] = {w.dir.filePath(QStringLiteral("busy.vnt")),
                              w.dir.filePath(QStringLiteral("plain.vnt"))};
    std::string error;
    if (!DoSaveAs(designs[1], paths[1].toStdString(), error)) return state.SkipWithError(error.c_str());
    if (!w.OpenDesign(designs[0], paths[0])) return state.SkipWithError("open");
    Split split(w);
    int i = 0;
    for (auto _ : state) {
        split.Start();
        w.form.Edits().MarkSaved();
        w.dialogs.fileNames.push_back(paths[++i % 2]);
        w.form.Files().MOpen_Click();
        split.HandlerDone();
        w.Settle();
        split.LoopDone();
    }
    if (w.ctx.design.MechName != designs[i % 2].MechName || !w.dialogs.messages.empty())
        state.SkipWithError("design not opened");
    split.Report(state);
}
BENCHMARK(BM_OpenCommand)->Unit(benchmark::kMicrosecond);

}  // namespace vantrel::bench
