// A folder of many designs: the command line's --list and the design library window over it.
#include "BenchDesign.h"
#include "FakeDialogs.h"
#include "files/DesignFile.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "ui/DesignLibraryForm.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vantrel::bench {

namespace {

// Folders of `count` generated designs (variants of the busy design), made once per run.
QString DesignFolder(int count) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto& dir = folders[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        Context ctx = FullDesign();
        for (int i = 0; i < count; ++i) {
            ctx.design.MechName = "Suit " + std::to_string(i);
            ctx.design.Model = "Mk " + std::to_string(i % 17);
            ctx.design.WeightClass = i % 5;
            ctx.design.IsQuad = i % 7 == 0;
            std::ofstream out(
                dir->filePath(QStringLiteral("design-%1.vnt").arg(i, 5, 10, QLatin1Char('0'))).toStdString(),
                std::ios::binary);
            out << DesignFileBytes(ctx.design);
        }
    }
    return dir->path();
}

struct Run {
    double ms = -1;
    long maxRssKiB = -1;
};

// The program's --list of the folder, its output thrown away: wall time and peak resident memory.
Run ListOnce(const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {VANTREL_EXE, "--list", folder.c_str(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VANTREL_EXE, &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return {};
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

}  // namespace

// `vantrel --list` of 1,000 and 10,000 designs: under 2 s for 10,000, and the same memory for both.
static void BM_ListCommand(benchmark::State& state) {
    const std::string folder = DesignFolder(static_cast<int>(state.range(0))).toStdString();
    if (ListOnce(folder).ms < 0) return state.SkipWithError("--list failed");  // the page cache filled
    for (auto _ : state) {
        const Run run = ListOnce(folder);
        if (run.ms < 0) return state.SkipWithError("--list failed");
        state.SetIterationTime(run.ms / 1000.0);
        state.counters["max_rss_MiB"] = static_cast<double>(run.maxRssKiB) / 1024.0;
    }
}
BENCHMARK(BM_ListCommand)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The library window over 10,000 designs: time to the first rows on show, to the whole table read,
// and the heap the rows hold.
static void BM_LibraryWindow(benchmark::State& state) {
    const QString folder = DesignFolder(static_cast<int>(state.range(0)));
    const CatalogRef& catalog = ShippedCatalog();
    QTemporaryDir settingsDir;
    for (auto _ : state) {
        SettingsStore settings(settingsDir.filePath(QStringLiteral("settings.ini")));
        test::FakeDialogs dialogs;
        NullPlatform platform;
        const std::size_t heapBefore = mallinfo2().uordblks;
        auto library = std::make_unique<DesignLibraryForm>(catalog, settings, dialogs, platform,
                                                           DesignLibraryForm::Commands{});
        library->show();
        auto* view = library->findChild<QTableView*>();
        const auto start = std::chrono::steady_clock::now();
        library->SetFolder(folder);
        double firstMs = -1;
        while (library->Reading()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            if (firstMs < 0 && view->model()->rowCount() > 0) {
                view->repaint();
                firstMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                              .count();
            }
        }
        QCoreApplication::processEvents();
        view->repaint();
        const double fullMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (view->model()->rowCount() != state.range(0)) return state.SkipWithError("rows missing");
        state.SetIterationTime(fullMs / 1000.0);
        state.counters["first_rows_ms"] = firstMs;
        state.counters["full_table_ms"] = fullMs;
        state.counters["heap_MiB"] =
            static_cast<double>(mallinfo2().uordblks - heapBefore) / (1024.0 * 1024.0);
        library.reset();
    }
}
BENCHMARK(BM_LibraryWindow)->Arg(10000)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace vantrel::bench
