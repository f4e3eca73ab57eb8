#include "app/Cli.h"
#include "model/Catalog.h"
#include "platform/AppPaths.h"
#include "platform/LinuxPlatform.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"
#include "sheet/QtText.h"
#include "ui/Dialogs.h"
#include "ui/DibSection.h"
#include "ui/MainForm.h"
#include "ui/SplashForm.h"
#include "ui/WindowSet.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace {

// The windows ask for Arial; machines without it get a face of the same metrics where one exists.
void SubstituteArial() {
    QFont::insertSubstitutions(
        QStringLiteral("Arial"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
         QStringLiteral("Nimbus Sans L"), QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
}

}  // namespace

int main(int argc, char** argv) {
    // The command-line tools need no display: they run before any window exists.
    if (const int status = vantrel::RunCommandLine(argc, argv); status != vantrel::kNotACommand)
        return status;

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    vantrel::InitArtwork();
    SubstituteArial();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));

    vantrel::SettingsStore settings;
    vantrel::QtDialogs dialogs;
    vantrel::LinuxPlatform platform;
    vantrel::CatalogRef catalog;  // read by the splash screen, or by the first window with it off
    // From the bytes (the toolkit's arguments lose a file name that is not valid UTF-8); the toolkit's
    // own options are gone from argv by now.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << vantrel::FileNameFromBytes(QByteArray(argv[i]));

    // Between the splash closing and the main window showing no window is open; the program must not
    // end there. Ending on the last window closed starts with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    int endStatus = -1;  // set when start-up ends without the main window
    auto endStartUp = [&endStatus](int status) {
        endStatus = status;
        QCoreApplication::exit(status);  // nothing to do before the event loop runs
    };

    std::unique_ptr<vantrel::WindowSet> windows;
    // A logout or shutdown ends the session: the unsaved design is kept as the recovery copy and
    // the program ends without a question nobody would answer.
    vantrel::TerminationSignals terminationSignals;
    bool terminated = false;
    QObject::connect(&terminationSignals, &vantrel::TerminationSignals::received, &app, [&] {
        terminated = true;
        if (windows)
            windows->EndSession();
        else
            QCoreApplication::exit(0);
    });
    vantrel::SplashForm splash(catalog, settings, dialogs, vantrel::CatalogPath());
    splash.onStop = endStartUp;
    splash.onDone = [&] {
        windows = std::make_unique<vantrel::WindowSet>(catalog, settings, dialogs, platform);
        // The pages after the first are built once a window has been drawn.
        windows->pagesAtStart = vantrel::MainForm::PagesAtStart::First;
        vantrel::MainForm* first = windows->Start(args);
        if (first == nullptr) {
            endStartUp(1);
            return;
        }
        QApplication::setQuitOnLastWindowClosed(true);
        // Start-up probe of the benchmarks: end as soon as the main window is up, or with "pages" once
        // the pages left for later are built as well.
        if (qEnvironmentVariableIsSet("VANTREL_QUIT_WHEN_SHOWN")) {
            const bool pages = qgetenv("VANTREL_QUIT_WHEN_SHOWN") == "pages";
            QTimer::singleShot(0, qApp, [first, pages] {
                if (pages) first->BuildPages();
                QCoreApplication::quit();
            });
        }
    };
    splash.Form_Load();
    if (endStatus >= 0) return endStatus;
    // Ended while a start-up question was open, before the main loop ran.
    if (terminated) return 0;

    const int status = QApplication::exec();
    return endStatus >= 0 ? endStatus : status;
}
