#include "ui/BlkCommands.h"

#include "files/BlkFile.h"
#include "files/Readout.h"
#include "model/Context.h"
#include "platform/SettingsStore.h"
#include "rules/MainCalc.h"
#include "sheet/QtText.h"
#include "ui/Dialogs.h"
#include "ui/EditCommands.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <memory>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
const QString kBlkFilter = QStringLiteral("MegaMek Unit Files (*.blk)|*.blk|All Files (*.*)|*.*");
const QString kBlkExt = QStringLiteral("blk");

}  // namespace

BlkReportForm::BlkReportForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BlkReportForm"));
    setWindowTitle(QStringLiteral("MegaMek Unit Import"));
    auto* layout = new QVBoxLayout(this);
    TextReport = new QPlainTextEdit(this);
    TextReport->setObjectName(QStringLiteral("TextReport"));
    TextReport->setAccessibleName(QStringLiteral("Import report"));
    TextReport->setReadOnly(true);
    // Long names wrap rather than hide behind a scroll bar.
    TextReport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(TextReport, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("ReportButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(720, 320);
}

void BlkReportForm::Show(const QString& fileName, const std::vector<BlkReportLine>& report) {
    QString text = QStringLiteral("Imported %1\n\n").arg(fileName);
    if (report.empty()) {
        text += QStringLiteral("Everything was carried over.\n");
    } else {
        text += QStringLiteral("What could not be carried over, with the lines of the file:\n\n");
        text += ToQString(BlkReportText(QFileInfo(fileName).fileName().toStdString(), report));
    }
    TextReport->setPlainText(text);
    show();
    raise();
}

QString BlkReportForm::Text() const { return TextReport->toPlainText(); }

BlkCommands::BlkCommands(Context& ctx, GestureTracker& gestures, Dialogs& dialogs, SettingsStore& settings,
                         FileCommands& files, EditCommands& edits, QWidget* window)
    : QObject(window),
      ctx_(ctx),
      gestures_(gestures),
      dialogs_(dialogs),
      settings_(settings),
      files_(files),
      edits_(edits),
      window_(window) {
    // The squad read from a unit file belongs to that design only.
    connect(&files_, &FileCommands::designReplaced, this, [this] { ctx_.Troopers = 0; });
}

void BlkCommands::AddTo(QMenu* file, QAction* before, QMenu* edit) {
    const auto make = [this](const char* name, const char* text, void (BlkCommands::*slot)()) {
        auto* action = new QAction(QString::fromUtf8(text), window_);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    file->insertAction(before, make("MExportBlk", "Export &MegaMek Unit...", &BlkCommands::MExportBlk_Click));
    file->insertAction(before, make("MImportBlk", "&Import MegaMek Unit...", &BlkCommands::MImportBlk_Click));
    edit->addSeparator();
    edit->addAction(make("MCopyReadout", "&Copy Readout", &BlkCommands::MCopyReadout_Click));
    edit->addAction(make("MCopyReadoutChat", "Copy Readout for C&hat", &BlkCommands::MCopyReadoutChat_Click));
}

void BlkCommands::Warn(const QString& text) {
    dialogs_.Message(window_, text, kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

bool BlkCommands::Names(MegaMekNameTable& out) {
    std::string error;
    int line = 0;
    if (ParseMegaMekNames(MegaMekNamesText(), ctx_.catalog, out, error, line)) return true;
    Warn(QStringLiteral("The catalog does not fit the MegaMek name table: ") + ToQString(error) +
         QLatin1Char('.'));
    return false;
}

void BlkCommands::MExportBlk_Click() {
    const GestureScope gesture(gestures_, "Export MegaMek Unit");
    MegaMekNameTable names;
    if (!Names(names)) return;
    const int techTroopers = TroopersByTechBase(ctx_.design.TechBase);
    int troopers = ctx_.Troopers >= 1 && ctx_.Troopers <= 6 ? ctx_.Troopers : techTroopers;
    if (!dialogs_.AskTroopers(window_, troopers, techTroopers)) return;

    Dialogs::FileRequest request;
    request.save = true;
    request.folder = files_.DialogFolder();
    request.fileName = QDir(request.folder)
                           .filePath(ProposedFileName(ctx_.design.MechName, QStringLiteral("Battle Armor"),
                                                      QStringLiteral(".blk")));
    request.filter = kBlkFilter;
    request.defaultSuffix = kBlkExt;
    const QString path = dialogs_.File(window_, request);
    if (path.isEmpty()) return;

    BlkExportOptions options;
    options.troopers = troopers;
    const int year = settings_.ReadNumber(kKeyMegaMekYear, kDefaultUnitYear);
    options.year = year >= 1 && year <= 9999 ? year : kDefaultUnitYear;
    auto copy = std::make_unique<Context>(ctx_);
    MainCalc(*copy);
    std::string error;
    if (!WriteBlkFile(FileSystemName(path), BlkFileBytes(*copy, names, options), error))
        Warn(CouldNotSave(path, ToQString(error)));
}

void BlkCommands::MImportBlk_Click() {
    const GestureScope gesture(gestures_, "Import MegaMek Unit");
    if (!files_.UnsavedChangesCheck()) return;
    MegaMekNameTable names;
    if (!Names(names)) return;
    Dialogs::FileRequest request;
    request.save = false;
    request.folder = files_.DialogFolder();
    request.filter = kBlkFilter;
    request.defaultSuffix = kBlkExt;
    const QString path = dialogs_.File(window_, request);
    if (!path.isEmpty()) Import(path, names);
}

void BlkCommands::ImportFile(const QString& path) {
    const GestureScope gesture(gestures_, "Import MegaMek Unit");
    if (!files_.UnsavedChangesCheck()) return;
    MegaMekNameTable names;
    if (Names(names)) Import(path, names);
}

void BlkCommands::Import(const QString& path, const MegaMekNameTable& names) {
    BlkImport imported;
    BlkRefusal refusal;
    if (!ReadBlkFile(FileSystemName(path), ctx_.catalog, names, imported, refusal)) {
        Warn(ToQString(
            FormatBlkLine(QDir::toNativeSeparators(path).toStdString(), refusal.line, refusal.problem)));
        return;
    }
    // A new design that has never been saved: no file, and changed against nothing on disk.
    files_.LoadUnsaved(imported.design);
    edits_.StartFrom(std::nullopt);
    ctx_.Troopers = imported.troopers;
    if (!report_) report_ = new BlkReportForm(window_);
    report_->Show(QDir::toNativeSeparators(path), imported.report);
}

QString BlkCommands::ReadoutText() const {
    auto copy = std::make_unique<Context>(ctx_);
    MainCalc(*copy);
    QString text = ToQString(Readout(*copy));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString BlkCommands::ChatText() const {
    QString text = ReadoutText();
    if (!text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    return QStringLiteral("```\n") + text + QStringLiteral("```\n");
}

void BlkCommands::MCopyReadout_Click() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ReadoutText());
}

void BlkCommands::MCopyReadoutChat_Click() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ChatText());
}

}  // namespace vantrel
