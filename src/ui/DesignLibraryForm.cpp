#include "ui/DesignLibraryForm.h"

#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "rules/Tables.h"
#include "ui/DesignLibraryModel.h"
#include "ui/Dialogs.h"
#include "ui/EscapeCloses.h"
#include "ui/LibraryReader.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace vantrel {

namespace {

constexpr int kRescanDelayMs = 250;

// Rows of the selection as the model holds them, in the order the table shows them.
std::vector<int> SelectedSourceRows(const QTableView& view, const DesignLibraryFilter& filter) {
    std::set<int> viewRows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows()) viewRows.insert(index.row());
    std::vector<int> rows;
    rows.reserve(viewRows.size());
    for (int r : viewRows) rows.push_back(filter.mapToSource(filter.index(r, 0)).row());
    return rows;
}

}  // namespace

DesignLibraryForm::DesignLibraryForm(const CatalogRef& catalog, SettingsStore& settings, Dialogs& dialogs,
                                     Platform& platform, Commands commands, QWidget* parent)
    : QWidget(parent, Qt::Window),
      settings_(settings),
      dialogs_(dialogs),
      platform_(platform),
      commands_(std::move(commands)),
      model_(new DesignLibraryModel(this)),
      filter_(new DesignLibraryFilter(this)) {
    setWindowTitle(QStringLiteral("Design Library"));
    filter_->setSourceModel(model_);
    LibraryReader::Handlers handlers;
    handlers.listed = [this](const std::vector<std::string>& present, int toRead) {
        problem_.clear();
        model_->KeepOnly(present);
        toRead_ = toRead;
        read_ = 0;
        ProgressRead->setRange(0, std::max(1, toRead));
        ProgressRead->setValue(0);
        ProgressRead->setVisible(toRead > 0);
        UpdateCount();
    };
    handlers.rows = [this](std::vector<DesignRow>& rows, const std::vector<LibraryStamp>& stamps) {
        read_ += static_cast<int>(rows.size());
        model_->Put(rows, stamps);
        ProgressRead->setValue(read_);
        UpdateCount();
    };
    handlers.done = [this] {
        ProgressRead->hide();
        UpdateCount();
    };
    handlers.failed = [this](const QString& problem) {
        model_->Clear();
        problem_ = problem;
        ProgressRead->hide();
        UpdateCount();
    };
    reader_ = new LibraryReader(catalog, std::move(handlers), this);

    auto* layout = new QVBoxLayout(this);
    auto* folderRow = new QHBoxLayout;
    LabFolder = new QLabel(QStringLiteral("Folder:"), this);
    TextFolder = new QLineEdit(this);
    TextFolder->setReadOnly(true);
    ComFolder = new QPushButton(QStringLiteral("&Folder..."), this);
    folderRow->addWidget(LabFolder);
    folderRow->addWidget(TextFolder, 1);
    folderRow->addWidget(ComFolder);
    layout->addLayout(folderRow);

    auto* filterRow = new QHBoxLayout;
    LabFind = new QLabel(QStringLiteral("F&ind:"), this);
    TextFind = new QLineEdit(this);
    TextFind->setPlaceholderText(QStringLiteral("Name or model"));
    TextFind->setClearButtonEnabled(true);
    LabFind->setBuddy(TextFind);
    filterRow->addWidget(LabFind);
    filterRow->addWidget(TextFind, 1);
    BuildFilters();
    filterRow->addWidget(ComboChassis);
    filterRow->addWidget(ComboClass);
    filterRow->addWidget(ComboTech);
    ChkErrors = new QCheckBox(QStringLiteral("&Errors only"), this);
    filterRow->addWidget(ChkErrors);
    layout->addLayout(filterRow);

    GridDesigns = new QTableView(this);
    GridDesigns->setModel(filter_);
    GridDesigns->setSortingEnabled(true);
    GridDesigns->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridDesigns->setSelectionMode(QAbstractItemView::ExtendedSelection);
    GridDesigns->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridDesigns->setWordWrap(false);
    GridDesigns->setTabKeyNavigation(false);
    GridDesigns->setContextMenuPolicy(Qt::CustomContextMenu);
    GridDesigns->verticalHeader()->hide();
    GridDesigns->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    GridDesigns->horizontalHeader()->setSectionsMovable(false);
    GridDesigns->horizontalHeader()->setHighlightSections(false);
    layout->addWidget(GridDesigns, 1);

    auto* bottom = new QHBoxLayout;
    LabCount = new QLabel(this);
    ProgressRead = new QProgressBar(this);
    ProgressRead->setTextVisible(true);
    ProgressRead->hide();
    ComOpen = new QPushButton(QStringLiteral("&Open"), this);
    ComCompare = new QPushButton(QStringLiteral("&Compare"), this);
    ComClose = new QPushButton(QStringLiteral("Close"), this);
    bottom->addWidget(LabCount);
    bottom->addWidget(ProgressRead, 1);
    bottom->addStretch(0);
    bottom->addWidget(ComOpen);
    bottom->addWidget(ComCompare);
    bottom->addWidget(ComClose);
    layout->addLayout(bottom);

    ActOpen = new QAction(QStringLiteral("&Open"), this);
    ActOpenNew = new QAction(QStringLiteral("Open in &New Window"), this);
    ActCompare = new QAction(QStringLiteral("&Compare"), this);
    ActShowInFolder = new QAction(QStringLiteral("Show in &Folder"), this);
    ActSheets = new QAction(QStringLiteral("Record &Sheets of Selected..."), this);
    ActCopy = new QAction(QStringLiteral("Copy"), this);
    ActCopy->setShortcut(QKeySequence::Copy);
    ActCopy->setShortcutContext(Qt::WidgetShortcut);  // shown in the menu; the key goes to eventFilter

    connect(ComFolder, &QPushButton::clicked, this, &DesignLibraryForm::ComFolder_Click);
    connect(TextFind, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->SetText(text);
        UpdateCount();
    });
    connect(ChkErrors, &QCheckBox::toggled, this, [this](bool on) {
        filter_->SetErrorsOnly(on);
        UpdateCount();
    });
    connect(GridDesigns, &QTableView::activated, this, [this] { OpenCurrent(); });
    connect(GridDesigns, &QWidget::customContextMenuRequested, this, &DesignLibraryForm::ShowContextMenu);
    connect(GridDesigns->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DesignLibraryForm::UpdateActions);
    connect(GridDesigns->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DesignLibraryForm::UpdateActions);
    // The table's own Ctrl+C copies one cell; the rows are wanted.
    GridDesigns->installEventFilter(this);
    connect(ComOpen, &QPushButton::clicked, this, &DesignLibraryForm::OpenCurrent);
    connect(ActOpen, &QAction::triggered, this, &DesignLibraryForm::OpenCurrent);
    connect(ActOpenNew, &QAction::triggered, this, [this] {
        const QString file = CurrentFile();
        if (!file.isEmpty() && commands_.openInNewWindow) commands_.openInNewWindow(file);
    });
    connect(ComCompare, &QPushButton::clicked, this, &DesignLibraryForm::CompareSelected);
    connect(ActCompare, &QAction::triggered, this, &DesignLibraryForm::CompareSelected);
    connect(ActShowInFolder, &QAction::triggered, this, &DesignLibraryForm::ShowInFolder);
    connect(ActCopy, &QAction::triggered, this, &DesignLibraryForm::CopySelected);
    connect(ActSheets, &QAction::triggered, this, [this] {
        const QStringList files = SelectedFiles();
        if (!files.isEmpty() && commands_.sheets) commands_.sheets(files);
    });
    connect(ComClose, &QPushButton::clicked, this, &QWidget::close);
    connect(filter_, &QAbstractItemModel::rowsRemoved, this, &DesignLibraryForm::UpdateActions);
    connect(filter_, &QAbstractItemModel::modelReset, this, &DesignLibraryForm::UpdateActions);
    CancelOnEscape(this, [this] { close(); });

    rescanTimer_.setSingleShot(true);
    rescanTimer_.setInterval(kRescanDelayMs);
    connect(&rescanTimer_, &QTimer::timeout, this, &DesignLibraryForm::Rescan);
    // A file written into the folder, renamed, removed; a save replaces the file by a rename.
    // A closed window looks again when it is opened.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (isVisible()) rescanTimer_.start();
    });

    RestoreColumns();
    UpdateActions();
    resize(980, 520);
}

DesignLibraryForm::~DesignLibraryForm() { reader_->Stop(); }

void DesignLibraryForm::BuildFilters() {
    ComboChassis = new QComboBox(this);
    ComboChassis->addItem(QStringLiteral("Any chassis"));
    for (const char* name : kChassisNames) ComboChassis->addItem(QString::fromLatin1(name));
    ComboClass = new QComboBox(this);
    ComboClass->addItem(QStringLiteral("Any weight class"));
    for (const char* caption : kWeightClassNames) {
        const QString text = QString::fromLatin1(caption);
        ComboClass->addItem(text.left(text.indexOf(QStringLiteral(" - "))));
    }
    ComboTech = new QComboBox(this);
    ComboTech->addItem(QStringLiteral("Any technology base"));
    for (const char* name : kTechBaseNames) ComboTech->addItem(QString::fromLatin1(name));
    for (const auto& [combo, column] : {
             std::pair{ComboChassis, int{kColChassis}    },
             std::pair{ComboClass,   int{kColWeightClass}},
             std::pair{ComboTech,    int{kColTechBase}   }
    }) {
        QComboBox* box = combo;
        const int col = column;
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, col](int index) {
            filter_->SetColumnValue(col, index > 0 ? box->currentText() : QString());
            UpdateCount();
        });
    }
}

void DesignLibraryForm::RestoreColumns() {
    QHeaderView* header = GridDesigns->horizontalHeader();
    const QFontMetrics metrics(font());
    for (int c = 0; c < kDesignColumnCount; ++c) {
        int width = metrics.horizontalAdvance(ColumnCaption(c)) + 24;
        if (c == kColFile || c == kColName || c == kColProblem) width = std::max(width, 160);
        if (c == kColModel || c == kColArmorType) width = std::max(width, 110);
        header->resizeSection(c, width);
    }
    const QByteArray state = QByteArray::fromBase64(settings_.Read(kKeyLibraryColumns, QString()).toLatin1());
    if (state.isEmpty() || !header->restoreState(state) || header->count() != kDesignColumnCount) {
        GridDesigns->sortByColumn(kColFile, Qt::AscendingOrder);
        return;
    }
    GridDesigns->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void DesignLibraryForm::SaveColumns() {
    settings_.Write(kKeyLibraryColumns,
                    QString::fromLatin1(GridDesigns->horizontalHeader()->saveState().toBase64()));
}

void DesignLibraryForm::Form_Load(const QString& fallback) {
    if (!folder_.isEmpty()) {
        Rescan();
        return;
    }
    const QString last = settings_.Read(kKeyLibraryFolder, QString());
    SetFolder(!last.isEmpty() && QFileInfo(last).isDir() ? last : fallback);
}

void DesignLibraryForm::SetFolder(const QString& folder) {
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    folder_ = folder;
    TextFolder->setText(QDir::toNativeSeparators(folder));
    settings_.Write(kKeyLibraryFolder, folder);
    reader_->Stop();
    model_->Clear();
    model_->SetFolder(folder);
    if (QFileInfo(folder).isDir()) watcher_.addPath(folder);
    Rescan();
}

bool DesignLibraryForm::Reading() const { return reader_->Busy() || rescanTimer_.isActive(); }

void DesignLibraryForm::Rescan() {
    rescanTimer_.stop();
    if (folder_.isEmpty()) return;
    // A folder removed and made again is watched again.
    if (watcher_.directories().isEmpty() && QFileInfo(folder_).isDir()) watcher_.addPath(folder_);
    reader_->Start(folder_, model_->Stamps());
}

void DesignLibraryForm::ComFolder_Click() {
    Dialogs::FileRequest request;
    request.folder = folder_;
    request.directory = true;
    const QString chosen = dialogs_.File(this, request);
    if (!chosen.isEmpty()) SetFolder(chosen);
}

QStringList DesignLibraryForm::SelectedFiles() const {
    QStringList files;
    for (int row : SelectedSourceRows(*GridDesigns, *filter_))
        files << QString::fromStdString(model_->Entry(row).row[kColFile]);
    return files;
}

QString DesignLibraryForm::CurrentFile() const {
    const QModelIndex current = GridDesigns->currentIndex();
    if (!current.isValid()) return {};
    return QString::fromStdString(model_->Entry(filter_->mapToSource(current).row()).row[kColFile]);
}

void DesignLibraryForm::OpenCurrent() {
    const QString file = CurrentFile();
    if (!file.isEmpty() && commands_.open) commands_.open(file);
}

void DesignLibraryForm::CompareSelected() {
    const QStringList files = SelectedFiles();
    if (files.size() < 2 || files.size() > 3 || !commands_.compare) return;
    commands_.compare(files);
}

void DesignLibraryForm::ShowInFolder() {
    const QModelIndex current = GridDesigns->currentIndex();
    if (!current.isValid()) return;
    const QString path =
        QString::fromStdString(model_->Entry(filter_->mapToSource(current).row()).row[kColFile]);
    if (!platform_.ShowInFolder(path))
        dialogs_.Message(
            this, QStringLiteral("No file manager could be started for ") + QDir::toNativeSeparators(path),
            windowTitle(), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void DesignLibraryForm::CopySelected() {
    QString text;
    for (int row : SelectedSourceRows(*GridDesigns, *filter_)) {
        const DesignRow& r = model_->Entry(row).row;
        text += QString::fromStdString(TsvLine({r.cells.begin(), r.cells.end()})) + QLatin1Char('\n');
    }
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void DesignLibraryForm::UpdateActions() {
    const std::vector<int> rows = SelectedSourceRows(*GridDesigns, *filter_);
    bool allReadable = true;
    for (int r : rows) allReadable = allReadable && model_->Entry(r).row.Readable();
    const bool one = GridDesigns->currentIndex().isValid() && !rows.empty();
    const bool compare = rows.size() >= 2 && rows.size() <= 3 && allReadable;
    ActOpen->setEnabled(one);
    ActOpenNew->setEnabled(one);
    ComOpen->setEnabled(one);
    ActShowInFolder->setEnabled(one);
    ActCompare->setEnabled(compare);
    ComCompare->setEnabled(compare);
    ActCopy->setEnabled(!rows.empty());
    ActSheets->setEnabled(!rows.empty() && allReadable);
}

void DesignLibraryForm::UpdateCount() {
    if (!problem_.isEmpty()) {
        LabCount->setText(problem_);
        return;
    }
    const int all = model_->rowCount();
    const int shown = filter_->rowCount();
    QString text = all == 1 ? QStringLiteral("1 design") : QStringLiteral("%1 designs").arg(all);
    if (shown != all) text += QStringLiteral(", %1 shown").arg(shown);
    if (ProgressRead->isVisible())
        ProgressRead->setFormat(QStringLiteral("Reading %1 of %2").arg(read_).arg(toRead_));
    LabCount->setText(text);
}

void DesignLibraryForm::ShowContextMenu(const QPoint& at) {
    UpdateActions();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("LibraryMenu"));
    menu.addAction(ActOpen);
    if (commands_.openInNewWindow) menu.addAction(ActOpenNew);
    menu.addAction(ActCompare);
    menu.addAction(ActShowInFolder);
    menu.addAction(ActSheets);
    menu.addSeparator();
    menu.addAction(ActCopy);
    menu.exec(GridDesigns->viewport()->mapToGlobal(at));
}

bool DesignLibraryForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == GridDesigns && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        e->accept();
        if (e->type() == QEvent::KeyPress) CopySelected();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void DesignLibraryForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // A file changed in place leaves its folder as it was; coming back to the window looks again.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !folder_.isEmpty() && !reader_->Busy())
        rescanTimer_.start();
}

void DesignLibraryForm::hideEvent(QHideEvent* e) {
    SaveColumns();
    QWidget::hideEvent(e);
}

}  // namespace vantrel
