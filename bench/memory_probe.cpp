// Resident memory of Vantrel: the real program at rest on a new design; the main window (built as the
// program builds it, in this process) at rest, after every window and page has been opened and
// closed, and across repeated File, Open commands.
//
//   vantrel_memory [--opens N]      (default 1000)
//
// Figures come from /proc: VmRSS (resident now), VmHWM (peak resident), and the allocator's bytes in
// use (mallinfo2), the plainest sign of a leak.
#include "BenchDesign.h"
#include "BenchWindow.h"
#include "FindWidget.h"
#include "files/DesignFile.h"
#include "ui/AboutForm.h"
#include "ui/DibSection.h"
#include "ui/HistoryForm.h"
#include "ui/OptionsForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using vantrel::bench::Window;

struct Status {
    long rssKiB = -1, hwmKiB = -1;
};

Status ReadStatus(pid_t pid) {
    Status s;
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) s.rssKiB = std::atol(line.c_str() + 6);
        if (line.rfind("VmHWM:", 0) == 0) s.hwmKiB = std::atol(line.c_str() + 6);
    }
    return s;
}

// Allocated bytes, in the heap and in blocks of their own mapping.
long HeapInUseKiB() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long>((m.uordblks + m.hblkhd) / 1024);
}

double MiB(long kib) { return kib / 1024.0; }

void Print(const char* what, const Status& s) {
    std::printf("%-44s RSS %7.1f MiB   peak (VmHWM) %7.1f MiB   heap in use %7.1f MiB\n", what, MiB(s.rssKiB),
                MiB(s.hwmKiB), MiB(HeapInUseKiB()));
}

// The real program, started as a user starts it (splash screen off, file type registered), left
// alone until its resident size stops moving, then measured and ended.
bool MeasureProgram() {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/Quillmoor"));
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    QFile conf(config + QStringLiteral("/Quillmoor/Quillmoor.conf"));
    if (!conf.open(QIODevice::WriteOnly) || conf.write("[Vantrel]\nSplash=0\nFileAssoc=1\n") <= 0)
        return false;
    conf.close();

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('='));
        if (key != "XDG_CONFIG_HOME" && key != "XDG_DATA_HOME" && key != "QT_QPA_PLATFORM" &&
            key != "VANTREL_QUIT_WHEN_SHOWN")
            env.push_back(entry);
    }
    env.push_back("XDG_CONFIG_HOME=" + config.toStdString());
    env.push_back("XDG_DATA_HOME=" + dir.filePath(QStringLiteral("data")).toStdString());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(VANTREL_EXE), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VANTREL_EXE, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;

    // At rest: the same resident size over half a second, looked at every 100 ms (at most 10 s).
    Status last = ReadStatus(pid);
    int steady = 0;
    for (int i = 0; i < 100 && steady < 5; ++i) {
        QThread::msleep(100);
        const Status now = ReadStatus(pid);
        steady = now.rssKiB == last.rssKiB ? steady + 1 : 0;
        last = now;
    }
    std::printf("%-44s RSS %7.1f MiB   peak (VmHWM) %7.1f MiB\n", "program at rest on a new design",
                MiB(last.rssKiB), MiB(last.hwmKiB));
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return last.rssKiB > 0;
}

// Opens a window from its menu entry, lets it run, and closes it as the user does.
template <typename Form>
void OpenAndClose(Window& w, void (vantrel::MainForm::*open)(), Form* (vantrel::MainForm::*window)() const) {
    (w.form.*open)();
    w.Settle();
    if (Form* f = (w.form.*window)()) f->close();
    w.Settle();
}

}  // namespace

int main(int argc, char** argv) {
    int opens = 1000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--opens") == 0) opens = std::atoi(argv[i + 1]);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    // The windows keep their recovery copies here, never in the user's folder.
    const QTemporaryDir recoveryDir;
    qputenv("VANTREL_RECOVERY_DIR", recoveryDir.path().toLocal8Bit());

    if (!MeasureProgram()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }

    // The window as the program builds it: artwork, icon, the catalog read by the window itself.
    vantrel::InitArtwork();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    Window w(nullptr);
    if (!w.ok) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    const pid_t self = getpid();
    Print("main window at rest on a new design", ReadStatus(self));

    OpenAndClose(w, &vantrel::MainForm::MAbout_Click, &vantrel::MainForm::AboutWindow);
    OpenAndClose(w, &vantrel::MainForm::MPreferences_Click, &vantrel::MainForm::OptionsWindow);
    OpenAndClose(w, &vantrel::MainForm::MHistory_Click, &vantrel::MainForm::HistoryWindow);
    for (int page : {1, 2, 3, 0}) {
        vantrel::test::Find<QTabBar>(w.form, "TabStrip1")->setCurrentIndex(page);
        w.Settle();
    }
    Print("after every window and page, closed again", ReadStatus(self));

    // Repeated opens of two designs in turn; the first rounds fill the caches, then the count.
    const vantrel::Context full = vantrel::bench::FullDesign();
    vantrel::Design plain;
    vantrel::NewDesign(plain);
    plain.MechName = "Plain Suit";
    const QString paths[2] = {w.dir.filePath(QStringLiteral("busy.vnt")),
                              w.dir.filePath(QStringLiteral("plain.vnt"))};
    std::string error;
    if (!vantrel::DoSaveAs(full.design, paths[0].toStdString(), error) ||
        !vantrel::DoSaveAs(plain, paths[1].toStdString(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    auto openOnce = [&](int i) {
        w.dialogs.files.clear();  // the fake dialogs record every request: not the program's memory
        w.form.Edits().MarkSaved();
        w.dialogs.fileNames.push_back(paths[i % 2]);
        w.form.Files().MOpen_Click();
        w.Settle();
    };
    for (int i = 0; i < 20; ++i) openOnce(i);
    const Status before = ReadStatus(self);
    const long heapBefore = HeapInUseKiB();
    Print("after 20 opens (warm)", before);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < opens; ++i) openOnce(i);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Status after = ReadStatus(self);
    const long heapAfter = HeapInUseKiB();
    char what[64];
    std::snprintf(what, sizeof what, "after %d more opens", opens);
    Print(what, after);
    std::printf("growth over %d opens: RSS %+ld KiB, heap in use %+ld KiB (%.2f ms an open)\n", opens,
                after.rssKiB - before.rssKiB, heapAfter - heapBefore,
                seconds * 1000 / (opens > 0 ? opens : 1));
    if (!w.dialogs.messages.empty()) {
        std::fprintf(stderr, "an open was refused\n");
        return 1;
    }
    return 0;
}
