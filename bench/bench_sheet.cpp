// The record sheet of a busy design: the model, the page laid out and painted, the PDF written.

#include "BenchDesign.h"
#include "files/DesignFile.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "sheet/PlaySheet.h"
#include "sheet/RecordSheet.h"
#include "sheet/SheetBook.h"
#include "sheet/SheetPdf.h"
#include "sheet/SheetPdfBytes.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace vantrel::bench {

namespace {

void BM_RecordSheetPdf(benchmark::State& state) {
    Context ctx = FullDesign();
    MainCalc(ctx);
    for (auto _ : state) {
        const RecordSheet sheet = BuildRecordSheet(ctx);
        benchmark::DoNotOptimize(RecordSheetPdf(sheet, Paper::A4));
    }
}
BENCHMARK(BM_RecordSheetPdf)->Unit(benchmark::kMillisecond);

// The command's whole work after reading the design: model, page, file replaced in one step.
void BM_RecordSheetExport(benchmark::State& state) {
    Context ctx = FullDesign();
    MainCalc(ctx);
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("sheet.pdf")).toStdString();
    std::string error;
    for (auto _ : state) {
        const RecordSheet sheet = BuildRecordSheet(ctx);
        if (!WriteRecordSheetPdf(path, sheet, Paper::A4, error)) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_RecordSheetExport)->Unit(benchmark::kMillisecond);

// The largest design a file can hold: every item owned, a thousand armor points, the table cut.
void BM_RecordSheetLargest(benchmark::State& state) {
    Context ctx = FullDesign();
    Design& d = ctx.design;
    for (int i = 0; i < kCatalogSize; ++i) d.OwnedCount[i] = d.OwnedAmmo[i] = 2;
    d.ArmorPoints = 1000;
    d.History = std::string(20000, 'x');
    ctx.armorList = ArmorListFor(d);
    MainCalc(ctx);
    for (auto _ : state) {
        const RecordSheet sheet = BuildRecordSheet(ctx, 6);
        benchmark::DoNotOptimize(RecordSheetPdf(sheet, Paper::A4));
    }
}
BENCHMARK(BM_RecordSheetLargest)->Unit(benchmark::kMillisecond);

// A design with 60 MB of notes, which the reader accepts: the sheet lays out only what fits.
Context WithLongNotes() {
    Context ctx = FullDesign();
    std::string line = "A line of the unit's history, as long notes are typed or pasted in.\r\n";
    ctx.design.History.reserve(60 << 20);
    while (ctx.design.History.size() + line.size() <= (60 << 20)) ctx.design.History += line;
    MainCalc(ctx);
    return ctx;
}

void BM_RecordSheetLongNotes(benchmark::State& state) {
    const Context ctx = WithLongNotes();
    for (auto _ : state) {
        const RecordSheet sheet = BuildRecordSheet(ctx);
        benchmark::DoNotOptimize(RecordSheetPdf(sheet, Paper::A4));
    }
}
BENCHMARK(BM_RecordSheetLongNotes)->Unit(benchmark::kMillisecond);

// The same sheet aimed at a folder: refused before anything is drawn.
void BM_RecordSheetRefusedTarget(benchmark::State& state) {
    const Context ctx = WithLongNotes();
    const RecordSheet sheet = BuildRecordSheet(ctx);
    QTemporaryDir dir;
    std::string error;
    for (auto _ : state)
        if (WriteRecordSheetPdf(dir.path().toStdString(), sheet, Paper::A4, error))
            state.SkipWithError("a folder was taken");
}
BENCHMARK(BM_RecordSheetRefusedTarget)->Unit(benchmark::kMicrosecond);
// A page of four play blocks of the busy design: the models, the page laid out and painted, the PDF
// with its bookmarks.
void BM_PlayPage(benchmark::State& state) {
    Context ctx = FullDesign();
    MainCalc(ctx);
    const PlayTables tables = LoadPlayTables();
    for (auto _ : state) {
        SheetBook book;
        for (int troopers = 3; troopers <= 6; ++troopers)
            book.plays.push_back(BuildPlaySheet(ctx, tables, troopers));
        benchmark::DoNotOptimize(SheetBookPdf(book, Paper::A4));
    }
}
BENCHMARK(BM_PlayPage)->Unit(benchmark::kMillisecond);

// A hundred design files into one PDF, as the command does after reading the catalog: each file
// read and worked out, its sheet drawn, the file replaced in one step. Play blocks and design sheets.
void BM_HundredDesigns(benchmark::State& state) {
    Context ctx = FullDesign();
    MainCalc(ctx);
    QTemporaryDir dir;
    const std::string design = QDir(dir.path()).filePath(QStringLiteral("busy.vnt")).toStdString();
    std::string error;
    if (!DoSaveAs(ctx.design, design, error)) state.SkipWithError(error.c_str());
    const std::vector<std::string> files(100, design);
    const std::string out = QDir(dir.path()).filePath(QStringLiteral("book.pdf")).toStdString();
    for (auto _ : state) {
        SheetBook book;
        book.kind = state.range(0) ? SheetKind::Play : SheetKind::Design;
        const PlayTables tables = LoadPlayTables();
        AddDesignFiles(book, ctx.catalog, files, 0, tables);
        if (!WriteSheetBookPdf(out, book, Paper::A4, error)) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_HundredDesigns)->Arg(1)->Arg(0)->ArgName("play")->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace vantrel::bench
