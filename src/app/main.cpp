// The model first: its field names must not meet the toolkit's keyword macros.
#include "model/Catalog.h"
#include "model/Design.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <memory>

#include "app/Cli.h"
#include "platform/AppPaths.h"
#include "platform/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/MainForm.h"

#if __has_include("platform/LinuxPlatform.h")
#include "platform/LinuxPlatform.h"
using DesktopPlatform = vantrel::LinuxPlatform;
#else
#include "platform/Platform.h"
using DesktopPlatform = vantrel::NullPlatform;
#endif

int main(int argc, char** argv) {
    // The command-line tools need no display: they run before any window exists.
    if (const int status = vantrel::RunCommandLine(argc, argv); status != vantrel::kNotACommand) return status;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());

    auto ctx = std::make_unique<vantrel::Context>();
    vantrel::SettingsStore settings;
    vantrel::QtDialogs dialogs;
    DesktopPlatform platform;

    // Until the splash screen takes this over, the catalog is read here when the splash setting
    // says the splash would have read it; with "Splash" 0 the main window reads it itself.
    if (settings.ReadNumber(vantrel::kKeySplash, 1) != 0) {
        const QString path = vantrel::CatalogPath();
        vantrel::CatalogError error;
        if (!vantrel::LoadCatalog(QFile::encodeName(path).toStdString(), ctx->catalog, error)) {
            dialogs.Message(nullptr,
                            QString::fromStdString(vantrel::FormatCatalogError(QDir::toNativeSeparators(path).toStdString(), error)),
                            QStringLiteral("Vantrel"), vantrel::Dialogs::Icon::Critical, vantrel::Dialogs::Buttons::Ok);
            return 1;
        }
    }

    vantrel::MainForm form(*ctx, settings, dialogs, platform);
    if (!form.Form_Load(QCoreApplication::arguments().mid(1))) return 1;
    form.show();
    return app.exec();
}
