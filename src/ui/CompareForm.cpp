#include "ui/CompareForm.h"

#include "files/DesignFile.h"
#include "files/DesignList.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "sheet/QtText.h"
#include "ui/CachedTextDelegate.h"
#include "ui/EscapeCloses.h"
#include "ui/Gesture.h"

#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

const QColor kDiffersBack(255, 236, 179);

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CompareForm::CompareForm(const Context& open, GestureTracker& gestures, QWidget* parent)
    : QWidget(parent, Qt::Window), open_(open) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Compare"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    LabHint = new QLabel(
        QStringLiteral("Marked rows differ; numbers show the difference to the first design."), this);
    ChkDifferences = new QCheckBox(QStringLiteral("&Differences only"), this);
    top->addWidget(LabHint, 1);
    top->addWidget(ChkDifferences);
    layout->addLayout(top);
    GridCompare = new QTableWidget(0, 1, this);
    SetUpReadOnlyGrid(GridCompare);
    GridCompare->setTabKeyNavigation(false);
    layout->addWidget(GridCompare, 1);
    ComClose = AddCloseRow(this, layout);
    connect(ChkDifferences, &QCheckBox::toggled, this, [this] { ShowRows(); });
    connect(&gestures, &GestureTracker::gestureEnded, this, &CompareForm::FollowOpenDesign);
    CancelOnEscape(this, [this] { close(); });
    resize(640, 560);
}

CompareForm::~CompareForm() = default;

bool CompareForm::SetDesigns(const QStringList& sources, QString& problem) {
    std::vector<std::unique_ptr<Context>> read;
    for (const QString& source : sources) {
        if (source.isEmpty()) {
            read.emplace_back();
            continue;
        }
        auto ctx = std::make_unique<Context>();
        ctx->catalog = open_.catalog;
        // Design files and MegaMek unit files alike, through the listing's readers.
        const std::string path = FileSystemName(source);
        const DesignReader* reader = ReaderFor(path);
        std::string error;
        int badRecord = 0;
        if (reader == nullptr && !DoOpen(path, ctx->design, error, badRecord)) {
            problem = Text(FormatOpenError(QDir::toNativeSeparators(source).toStdString(), badRecord, error));
            return false;
        }
        if (reader != nullptr && !reader->read(ctx->catalog, path, ctx->design, error)) {
            problem = Text(error);
            return false;
        }
        ctx->armorList = ArmorListFor(ctx->design);
        MainCalc(*ctx);
        read.push_back(std::move(ctx));
    }
    sources_ = sources;
    read_ = std::move(read);
    Form_Load();
    return true;
}

void CompareForm::Form_Load() {
    std::vector<const Context*> designs;
    designs.reserve(read_.size());
    for (const auto& ctx : read_) designs.push_back(ctx ? ctx.get() : &open_);
    rows_ = CompareDesigns(designs);
    ShowRows();
}

QStringList CompareForm::Headers() const {
    QStringList headers{QString()};
    for (int i = 0; i < sources_.size(); ++i) {
        const Context* c = read_[static_cast<std::size_t>(i)].get();
        QString file = sources_[i];
        if (c == nullptr) {
            c = &open_;
            file = open_.DesignFile.empty() ? QStringLiteral("open design") : Text(open_.DesignFile);
        }
        headers << Text(c->design.MechName) + QLatin1Char('\n') + QFileInfo(file).fileName();
    }
    return headers;
}

void CompareForm::ShowCell(int r, int c, const ComparisonRow& row) {
    const QString text =
        c == 0 ? Text(row.label) : Text(ComparisonCell(row, static_cast<std::size_t>(c - 1)));
    QTableWidgetItem* item = GridCompare->item(r, c);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        GridCompare->setItem(r, c, item);
    }
    if (item->text() != text) item->setText(text);
    QFont font = item->font();
    font.setBold(row.differs && c == 0);
    item->setFont(font);
    item->setBackground(row.differs ? QBrush(kDiffersBack) : QBrush());
    item->setData(Qt::AccessibleDescriptionRole, row.differs ? QStringLiteral("differs") : QString());
    item->setTextAlignment(row.numeric && c > 0 ? Qt::AlignRight | Qt::AlignVCenter
                                                : Qt::AlignLeft | Qt::AlignVCenter);
}

void CompareForm::ShowRows() {
    const QStringList headers = Headers();
    const bool onlyDifferences = ChkDifferences->isChecked();
    const auto shown = std::count_if(rows_.begin(), rows_.end(), [&](const ComparisonRow& row) {
        return !onlyDifferences || row.differs;
    });
    GridCompare->setColumnCount(static_cast<int>(headers.size()));
    GridCompare->setHorizontalHeaderLabels(headers);
    GridCompare->setRowCount(static_cast<int>(shown));
    int r = 0;
    for (const ComparisonRow& row : rows_) {
        if (onlyDifferences && !row.differs) continue;
        for (int c = 0; c < headers.size(); ++c) ShowCell(r, c, row);
        ++r;
    }
    GridCompare->setColumnWidth(0, 170);
    for (int c = 1; c < headers.size(); ++c)
        GridCompare->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
}

void CompareForm::FollowOpenDesign() {
    if (reloadPosted_ || !sources_.contains(QString()) || !isVisible() || isMinimized()) return;
    // Once per turn of the event loop, after the gesture's handler has returned.
    reloadPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            reloadPosted_ = false;
            Form_Load();
        },
        Qt::QueuedConnection);
}

void CompareForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && isVisible() && !isMinimized() &&
        sources_.contains(QString()))
        Form_Load();
}

}  // namespace vantrel
