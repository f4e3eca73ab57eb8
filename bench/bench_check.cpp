// What the live design check and breakdown windows add to a gesture on the busy design.
#include "BenchDesign.h"
#include "BenchWindow.h"
#include "FindWidget.h"
#include "ui/BreakdownForm.h"
#include "ui/DesignCheckForm.h"
#include "ui/MainFormControls.h"

#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace vantrel::bench {

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
    const QPointF local(at);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    QMouseEvent e(type, local, w->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool OpenWithWindows(Window& w, bool windows) {
    if (!w.ok || !w.OpenDesign(FullDesign().design, w.dir.filePath(QStringLiteral("busy.vnt")))) return false;
    if (windows) {
        w.form.MCheck_Click();
        w.form.ShowBreakdown(BreakdownForm::kBattleValue);
        w.Settle();
    }
    return true;
}

}  // namespace

// The ground speed slider moved one step and let go, with the two windows closed (0) or open (1):
// the difference is what following the gesture costs, their repaint included.
static void BM_GestureWithLiveWindows(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!OpenWithWindows(w, state.range(0) != 0)) return state.SkipWithError("open");
    ReleaseSlider* s = vantrel::test::Find<ReleaseSlider>(w.form, "Slider1");
    int i = 0;
    for (auto _ : state) {
        Mouse(s, QEvent::MouseButtonPress, s->HandleRect().center());
        s->setValue(++i % 2 ? 2 : 1);
        Mouse(s, QEvent::MouseButtonRelease, s->HandleRect().center());
        w.Settle();
    }
    if (state.range(0) != 0 &&
        w.form.BreakdownWindow()->Terms().battleValue.total != w.ctx.design.EstimatedBV)
        state.SkipWithError("breakdown not following");
}
BENCHMARK(BM_GestureWithLiveWindows)->ArgName("windows")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Only the windows' reload after a change of the design (the check finds the same, the breakdown's
// values move), and their repaint.
static void BM_LiveWindowsReload(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!OpenWithWindows(w, true)) return state.SkipWithError("open");
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.ctx.design.GroundMP = ++i % 2 ? 2 : 1;
        MainCalc(w.ctx);
        state.ResumeTiming();
        w.form.RefreshLiveWindows();
        w.Settle();
    }
}
BENCHMARK(BM_LiveWindowsReload)->Unit(benchmark::kMicrosecond);

}  // namespace vantrel::bench
