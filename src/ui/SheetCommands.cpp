#include "ui/SheetCommands.h"

#include "files/AtomicFile.h"
#include "model/Context.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "rules/MainCalc.h"
#include "sheet/QtText.h"
#include "sheet/RecordSheet.h"
#include "sheet/SheetBook.h"
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
#include <vector>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
const QString kPdfExt = QStringLiteral("pdf");
const QString kPlay = QStringLiteral("Play");
const QString kDesign = QStringLiteral("Design");
const QString kDesignFilter = QStringLiteral("Vantrel Files (*.vnt)|*.vnt|All Files (*.*)|*.*");

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
    // A squad read with the design (from a unit file) comes first.
    if (ctx_.Troopers >= kMinTroopers && ctx_.Troopers <= kMaxTroopers) options.troopers = ctx_.Troopers;
    options.paper =
        PaperNamed(settings_.Read(kKeySheetPaper, QString()).trimmed().toStdString()).value_or(Paper::A4);
    options.kind = settings_.Read(kKeySheetKind, kPlay).trimmed().compare(kDesign, Qt::CaseInsensitive) == 0
                       ? SheetKind::Design
                       : SheetKind::Play;
    return options;
}

void SheetCommands::Remember(const Dialogs::SheetOptions& options) {
    settings_.Write(kKeySheetTroopers, QString::number(options.troopers));
    settings_.Write(kKeySheetPaper, ToQString(PaperName(options.paper)));
    settings_.Write(kKeySheetKind, options.kind == SheetKind::Design ? kDesign : kPlay);
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

SheetBook SheetCommands::Book(const Dialogs::SheetOptions& options) const {
    auto copy = std::make_unique<Context>(ctx_);
    MainCalc(*copy);
    SheetBook book;
    book.kind = SheetKind::Play;
    book.plays.push_back(BuildPlaySheet(*copy, LoadPlayTables(), options.troopers));
    return book;
}

void SheetCommands::MPrintSheet_Click() {
    const GestureScope gesture(gestures_, "Print Record Sheet");
    Dialogs::SheetOptions options;
    if (!AskOptions(options)) return;
    const bool play = options.kind == SheetKind::Play;
    const RecordSheet sheet = play ? RecordSheet{} : Sheet(options);
    const SheetBook book = play ? Book(options) : SheetBook{};

    QPrinter printer(QPrinter::HighResolution);
    // The PDF export's resolution: the layout rounds to the same device units on paper.
    printer.setResolution(600);
    printer.setPageLayout(QPageLayout(PageSize(options.paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(ToQString(ctx_.design.MechName));
    printer.setCreator(QStringLiteral("Vantrel"));
    if (!dialogs_.Print(window_, printer, [&](QPrinter& p) {
            if (play)
                PrintSheetBook(p, book);
            else
                PrintRecordSheet(p, sheet);
        }))
        return;
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
    request.fileName = QDir(folder).filePath(
        ProposedFileName(ctx_.design.MechName, QStringLiteral("Record Sheet"), QStringLiteral(".pdf")));
    request.filter = kPdfFilter;
    request.defaultSuffix = kPdfExt;
    const QString path = dialogs_.File(window_, request);
    if (path.isEmpty()) return;
    Remember(options);

    std::string error;
    const std::string file = FileSystemName(path);
    // The design's own file chosen by mistake would lose the design for a picture of it.
    bool written = false;
    if (SameFile(file, FileSystemName(ToQString(ctx_.DesignFile))))
        error = kTargetIsTheDesign;
    else
        written = options.kind == SheetKind::Play
                      ? WriteSheetBookPdf(file, Book(options), options.paper, error)
                      : WriteRecordSheetPdf(file, Sheet(options), options.paper, error);
    if (!written) {
        Warn(CouldNotSave(path, ToQString(error)));
        return;
    }
    Show(path);
}

// As with the readout: without a viewer the user would see nothing, so say where it went.
void SheetCommands::Show(const QString& path) {
    if (!platform_.ShellDef(path))
        dialogs_.Message(window_,
                         QStringLiteral("The record sheet was written to ") + QDir::toNativeSeparators(path) +
                             QStringLiteral(", but no program could be started to show it."),
                         kTitle, Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void SheetCommands::MSheetsOfSeveral_Click() {
    const GestureScope gesture(gestures_, "Record Sheets of Several Designs");
    Dialogs::FileRequest open;
    open.folder =
        ctx_.DesignFile.empty() ? saveAsFolder_() : QFileInfo(ToQString(ctx_.DesignFile)).absolutePath();
    open.filter = kDesignFilter;
    const QStringList designs = dialogs_.Files(window_, open);
    if (!designs.isEmpty()) SheetsOf(designs);
}

void SheetCommands::SheetsOf(const QStringList& designs) {
    const GestureScope gesture(gestures_, "Record Sheets of Several Designs");
    Dialogs::SheetOptions options;
    if (!AskOptions(options)) return;

    const QString folder = QFileInfo(designs.front()).absolutePath();
    Dialogs::FileRequest save;
    save.save = true;
    save.folder = folder;
    save.fileName = QDir(folder).filePath(QStringLiteral("Record Sheets.pdf"));
    save.filter = kPdfFilter;
    save.defaultSuffix = kPdfExt;
    const QString path = dialogs_.File(window_, save);
    if (path.isEmpty()) return;
    Remember(options);

    // The sheets must not take the place of a design they are drawn from.
    const QString target = QFileInfo(path).canonicalFilePath();  // empty while the file is not there
    for (const QString& design : designs) {
        if (!target.isEmpty() && QFileInfo(design).canonicalFilePath() == target) {
            Warn(CouldNotSave(path, QStringLiteral("it is one of the designs to draw")));
            return;
        }
    }
    SheetBook book;
    book.kind = options.kind;
    std::vector<std::string> files;
    for (const QString& design : designs) files.push_back(FileSystemName(design));
    const PlayTables tables = options.kind == SheetKind::Play ? LoadPlayTables() : PlayTables{};
    const std::vector<std::string> failed =
        AddDesignFiles(book, ctx_.catalog, files, options.troopers, tables);
    QString unread;
    for (const std::string& line : failed) unread += QLatin1Char('\n') + ToQString(line);
    if (book.Count() == 0) {
        Warn(QStringLiteral("No record sheet was written: none of the designs could be read.") + unread);
        return;
    }
    std::string error;
    if (!WriteSheetBookPdf(FileSystemName(path), book, options.paper, error)) {
        Warn(CouldNotSave(path, ToQString(error)));
        return;
    }
    if (!failed.empty())
        Warn(QStringLiteral("The record sheets were written to ") + QDir::toNativeSeparators(path) +
             QStringLiteral(" without the designs that could not be read:") + unread);
    Show(path);
}

}  // namespace vantrel
