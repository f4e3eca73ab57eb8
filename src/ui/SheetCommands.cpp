#include "ui/SheetCommands.h"

#include "model/Context.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "rules/MainCalc.h"
#include "sheet/QtText.h"
#include "sheet/RecordSheet.h"
#include "sheet/SheetPdf.h"
#include "sheet/SheetPdfBytes.h"
#include "ui/Gesture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QWidget>

#include <memory>
#include <utility>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
const QString kPdfExt = QStringLiteral("pdf");
const QString kLetter = QStringLiteral("Letter");
const QString kA4 = QStringLiteral("A4");

// The design's name as a file name: a separator in it would name another folder.
QString ProposedName(const std::string& name) {
    QString out = ToQString(name).trimmed();
    out.replace(QLatin1Char('/'), QLatin1Char('-'));
    out.replace(QLatin1Char('\\'), QLatin1Char('-'));
    return (out.isEmpty() ? QStringLiteral("Record Sheet") : out) + QStringLiteral(".pdf");
}

}  // namespace

SheetCommands::SheetCommands(Context& ctx, GestureTracker& gestures, Dialogs& dialogs,
                             SettingsStore& settings, Platform& platform,
                             std::function<QString()> saveAsFolder, QWidget* window)
    : QObject(window),
      ctx_(ctx),
      gestures_(gestures),
      dialogs_(dialogs),
      settings_(settings),
      platform_(platform),
      saveAsFolder_(std::move(saveAsFolder)),
      window_(window) {}

void SheetCommands::Warn(const QString& text) {
    dialogs_.Message(window_, text, kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

Dialogs::SheetOptions SheetCommands::Remembered() const {
    Dialogs::SheetOptions options;
    const int troopers = settings_.ReadNumber(kKeySheetTroopers, 0);
    options.troopers = troopers >= kMinTroopers && troopers <= kMaxTroopers ? troopers : 0;
    options.paper = settings_.Read(kKeySheetPaper, kA4).trimmed().compare(kLetter, Qt::CaseInsensitive) == 0
                        ? Paper::Letter
                        : Paper::A4;
    return options;
}

void SheetCommands::Remember(const Dialogs::SheetOptions& options) {
    settings_.Write(kKeySheetTroopers, QString::number(options.troopers));
    settings_.Write(kKeySheetPaper, options.paper == Paper::Letter ? kLetter : kA4);
}

bool SheetCommands::AskOptions(Dialogs::SheetOptions& options) {
    options = Remembered();
    if (!dialogs_.AskSheetOptions(window_, options, DefaultTroopers(ctx_.design))) return false;
    if (options.troopers < kMinTroopers || options.troopers > kMaxTroopers) options.troopers = 0;
    return true;
}

// The command line's steps on a copy: the totals worked out afresh, then the sheet. The window's
// own state stays as it is, down to the figures MainCalc would write back.
RecordSheet SheetCommands::Sheet(const Dialogs::SheetOptions& options) const {
    auto copy = std::make_unique<Context>(ctx_);
    MainCalc(*copy);
    return BuildRecordSheet(*copy, options.troopers);
}

void SheetCommands::MPrintSheet_Click() {
    const GestureScope gesture(gestures_, "Print Record Sheet");
    Dialogs::SheetOptions options;
    if (!AskOptions(options)) return;
    const RecordSheet sheet = Sheet(options);

    QPrinter printer(QPrinter::HighResolution);
    // The PDF export's resolution: the layout rounds to the same device units on paper.
    printer.setResolution(600);
    printer.setPageLayout(
        QPageLayout(QPageSize(options.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(ToQString(sheet.name));
    printer.setCreator(QStringLiteral("Vantrel"));
    if (!dialogs_.Print(window_, printer, [&sheet](QPrinter& p) { PrintRecordSheet(p, sheet); })) return;
    Remember(options);
    if (printer.printerState() == QPrinter::Error)
        Warn(QStringLiteral("Could not print the record sheet of ") + ToQString(ctx_.design.MechName) +
             QStringLiteral(": the printer refused the page."));
}

void SheetCommands::MExportSheet_Click() {
    const GestureScope gesture(gestures_, "Export Record Sheet");
    Dialogs::SheetOptions options;
    if (!AskOptions(options)) return;

    // Beside the design, or where Save As starts when it has no file yet.
    const QString folder = ctx_.DesignFile.empty()
                               ? saveAsFolder_()
                               : QFileInfo(FileNameFromSystem(ctx_.DesignFile)).absolutePath();
    Dialogs::FileRequest request;
    request.save = true;
    request.folder = folder;
    request.fileName = QDir(folder).filePath(ProposedName(ctx_.design.MechName));
    request.filter = kPdfFilter;
    request.defaultSuffix = kPdfExt;
    const QString path = dialogs_.File(window_, request);
    if (path.isEmpty()) return;
    Remember(options);

    std::string error;
    if (!WriteRecordSheetPdf(QFile::encodeName(path).toStdString(), Sheet(options), options.paper, error)) {
        Warn(QStringLiteral("Could not save ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") +
             ToQString(error) + QLatin1Char('.'));
        return;
    }
    // As with the readout: without a viewer the user would see nothing, so say where it went.
    if (!platform_.ShellDef(path))
        dialogs_.Message(window_,
                         QStringLiteral("The record sheet was written to ") + QDir::toNativeSeparators(path) +
                             QStringLiteral(", but no program could be started to show it."),
                         kTitle, Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

}  // namespace vantrel
