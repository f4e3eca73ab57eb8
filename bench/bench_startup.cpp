// Start-up: from process start to the main window shown (catalog read, splash screen off), against two
// yardsticks: a program that only opens an empty Qt main window, and one whose window lays out a label and
// a status-bar text (so it pays for the font set-up as Vantrel does). The three run in turn in the same
// process so all see the same machine load. Each quits as soon as its window is shown; the time is spawn
// to exit.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vantrel::bench {

namespace {

// The environment of the children: ours, with a private settings folder ("Splash" 0, the file type
// already registered), a private data folder, no display and the quit probe on.
class StartUpEnvironment {
public:
    StartUpEnvironment() {
        const QString config = dir_.filePath(QStringLiteral("config"));
        const QString data = dir_.filePath(QStringLiteral("data"));
        QDir().mkpath(config + QStringLiteral("/Quillmoor"));
        QDir().mkpath(data);
        QFile conf(config + QStringLiteral("/Quillmoor/Quillmoor.conf"));
        ok_ = conf.open(QIODevice::WriteOnly) && conf.write("[Vantrel]\nSplash=0\nFileAssoc=1\n") > 0;
        conf.close();

        const std::vector<std::string> replaced = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM",
                                                   "VANTREL_QUIT_WHEN_SHOWN"};
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const std::string key = entry.substr(0, entry.find('='));
            if (std::find(replaced.begin(), replaced.end(), key) == replaced.end()) entries_.push_back(entry);
        }
        entries_.push_back("XDG_CONFIG_HOME=" + config.toStdString());
        entries_.push_back("XDG_DATA_HOME=" + data.toStdString());
        entries_.push_back("QT_QPA_PLATFORM=offscreen");
        entries_.push_back("VANTREL_QUIT_WHEN_SHOWN=1");
        for (std::string& s : entries_) envp_.push_back(s.data());
        envp_.push_back(nullptr);
    }
    bool ok() const { return ok_ && dir_.isValid(); }
    char** envp() { return envp_.data(); }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
    std::vector<std::string> entries_;
    std::vector<char*> envp_;
};

// Milliseconds from spawn to exit; negative when the program could not run or did not end well.
double RunOnce(const char* program, char** envp) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

// One iteration is `runs` runs of each program, in turn; the figures are the medians.
static void BM_StartUp(benchmark::State& state) {
    StartUpEnvironment env;
    if (!env.ok()) return state.SkipWithError("settings folder");
    const int runs = static_cast<int>(state.range(0));
    const char* const programs[] = {VANTREL_EMPTY_EXE, VANTREL_TEXT_EXE, VANTREL_EXE};
    constexpr int kPrograms = 3;
    // One untimed run of each: the page cache and the font cache filled for all alike.
    for (const char* program : programs)
        if (RunOnce(program, env.envp()) < 0) return state.SkipWithError("a program did not start and quit");
    for (auto _ : state) {
        std::vector<double> times[kPrograms];
        for (int i = 0; i < runs; ++i) {
            // Rotate which goes first, so none always follows the same one.
            for (int k = 0; k < kPrograms; ++k) {
                const int p = (i + k) % kPrograms;
                const double ms = RunOnce(programs[p], env.envp());
                if (ms < 0) return state.SkipWithError("a program did not start and quit");
                times[p].push_back(ms);
            }
        }
        const double e = Median(times[0]), t = Median(times[1]), v = Median(times[2]);
        state.SetIterationTime(v / 1000.0);
        state.counters["empty_ms"] = e;
        state.counters["text_ms"] = t;
        state.counters["vantrel_ms"] = v;
        state.counters["ratio_empty"] = v / e;
        state.counters["ratio_text"] = v / t;
    }
}
BENCHMARK(BM_StartUp)
    ->ArgName("runs")
    ->Arg(15)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace vantrel::bench
