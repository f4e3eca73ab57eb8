// Undo and redo through the real main window on the busy design, the cost the step recorder adds to
// a gesture, and the memory one step holds.
#include "BenchDesign.h"
#include "BenchWindow.h"
#include "FindWidget.h"
#include "model/Document.h"
#include "ui/EditCommands.h"
#include "ui/Gesture.h"

#include <QAction>
#include <QComboBox>

#include <benchmark/benchmark.h>

namespace vantrel::bench {

namespace {

// The busy design opened, then a weight class change that clears its slots: the step to take back.
bool BusyWithOneStep(Window& w) {
    if (!w.OpenDesign(FullDesign().design, w.dir.filePath(QStringLiteral("busy.vnt")))) return false;
    vantrel::test::Find<QComboBox>(w.form, "ComboType")
        ->setCurrentIndex(w.ctx.design.WeightClass == 1 ? 2 : 1);
    w.Settle();
    return w.form.Edits().History().UndoCount() == 1;
}

}  // namespace

// Edit, Undo of that change: the whole busy design comes back and every page shows it. Redo between
// the timed undos is not timed.
static void BM_Undo(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok || !BusyWithOneStep(w)) return state.SkipWithError("set-up");
    for (auto _ : state) {
        vantrel::test::Find<QAction>(w.form, "MUndo")->trigger();
        w.Settle();
        state.PauseTiming();
        vantrel::test::Find<QAction>(w.form, "MRedo")->trigger();
        w.Settle();
        state.ResumeTiming();
    }
    if (!vantrel::test::Find<QAction>(w.form, "MUndo")->isEnabled()) state.SkipWithError("step lost");
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

static void BM_Redo(benchmark::State& state) {
    Window w(&ShippedCatalog());
    if (!w.ok || !BusyWithOneStep(w)) return state.SkipWithError("set-up");
    for (auto _ : state) {
        state.PauseTiming();
        vantrel::test::Find<QAction>(w.form, "MUndo")->trigger();
        w.Settle();
        state.ResumeTiming();
        vantrel::test::Find<QAction>(w.form, "MRedo")->trigger();
        w.Settle();
    }
    if (!vantrel::test::Find<QAction>(w.form, "MUndo")->isEnabled()) state.SkipWithError("step lost");
}
BENCHMARK(BM_Redo)->Unit(benchmark::kMicrosecond);

// One gesture that changes one record of the busy design, bracketed; with the recorder (1) it takes
// the state at the start, compares at the end and keeps a step. The difference is the bracket's cost.
static void BM_GestureBracket(benchmark::State& state) {
    Document doc;
    doc.ctx = FullDesign();
    Context& ctx = doc.ctx;
    GestureTracker tracker;
    std::unique_ptr<EditCommands> edits;
    if (state.range(0) == 1) edits = std::make_unique<EditCommands>(doc, tracker, [](const DesignState&) {});
    for (auto _ : state) {
        const GestureScope gesture(tracker, "Ground Speed");
        ctx.design.GroundMP ^= 1;
    }
    if (edits) {
        const UndoHistory& h = edits->History();
        state.counters["steps"] = static_cast<double>(h.UndoCount());
        state.counters["bytes_per_step"] =
            static_cast<double>(h.MemoryBytes()) / static_cast<double>(h.UndoCount());
    }
}
BENCHMARK(BM_GestureBracket)->ArgName("recorder")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// Gestures on a design with long history notes (range: megabytes), as the window records them.
// Ground speed: the notes stay as they are, so the steps share them. Notes: each gesture changes
// the notes too, so each step needs a text of its own and the bound in bytes holds the total.
// steps_mb is what the steps hold at the end, bytes_per_step the average.
void GesturesWithNotes(benchmark::State& state, bool notesChange) {
    Document doc;
    doc.ctx = FullDesign();
    Context& ctx = doc.ctx;
    ctx.design.History.assign(static_cast<std::size_t>(state.range(0)) << 20, 'n');
    GestureTracker tracker;
    EditCommands edits(doc, tracker, [](const DesignState&) {});
    for (auto _ : state) {
        const GestureScope gesture(tracker, notesChange ? "History Notes" : "Ground Speed");
        ctx.design.GroundMP ^= 1;
        if (notesChange) ctx.design.History.back() ^= 1;
    }
    const UndoHistory& h = edits.History();
    state.counters["steps"] = static_cast<double>(h.UndoCount());
    state.counters["steps_mb"] = static_cast<double>(h.MemoryBytes()) / (1 << 20);
    state.counters["bytes_per_step"] =
        static_cast<double>(h.MemoryBytes()) / static_cast<double>(h.UndoCount());
}
static void BM_GesturesWithLongNotes(benchmark::State& state) { GesturesWithNotes(state, false); }
BENCHMARK(BM_GesturesWithLongNotes)
    ->ArgName("notes_mb")
    ->Arg(1)
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GesturesWithLongNotes)
    ->ArgName("notes_mb")
    ->Arg(8)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);
static void BM_NotesEditsWithLongNotes(benchmark::State& state) { GesturesWithNotes(state, true); }
BENCHMARK(BM_NotesEditsWithLongNotes)
    ->ArgName("notes_mb")
    ->Arg(8)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

}  // namespace vantrel::bench
