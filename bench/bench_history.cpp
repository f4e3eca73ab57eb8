// Pasting notes full of double quotes into the history box. The quotes are taken out in one pass
// over the whole text, so the time grows with the length of the paste, not with its length times
// the number of quotes; the complexity fit says which.

#include "ui/HistoryForm.h"

#include <QApplication>
#include <QString>

#include <benchmark/benchmark.h>

namespace vantrel::bench {

namespace {

// Lines of 80 characters, one in ten a double quote.
QString QuotedNotes(int length) {
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        if (i % 80 == 79)
            text += QLatin1Char('\n');
        else if (i % 10 == 9)
            text += QLatin1Char('"');
        else
            text += QLatin1Char(static_cast<char>('a' + i % 26));
    }
    return text;
}

void BM_PasteQuotedNotes(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    const QString notes = QuotedNotes(length);
    NoQuoteTextEdit box;
    box.resize(420, 240);
    box.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        box.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        // What a paste does once the clipboard's text is read; the layout it asks for is included.
        box.insertPlainText(notes);
        QCoreApplication::processEvents();
    }
    if (box.toPlainText().contains(QLatin1Char('"'))) state.SkipWithError("a quote was kept");
    state.SetComplexityN(length);
    state.counters["quotes"] = notes.count(QLatin1Char('"'));
}
BENCHMARK(BM_PasteQuotedNotes)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(200000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace vantrel::bench
