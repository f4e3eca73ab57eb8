#include "ui/FindEquipmentForm.h"

#include "equipment/Availability.h"
#include "equipment/EquipmentSearch.h"
#include "model/Context.h"
#include "sheet/QtText.h"
#include "ui/CachedTextDelegate.h"
#include "ui/EscapeCloses.h"
#include "ui/Gesture.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

namespace {

enum Column {
    kName,
    kCategory,
    kTechnology,
    kWeight,
    kSlots,
    kDamage,
    kMinimum,
    kShort,
    kMedium,
    kLong,
    kHeat,
    kBattleValue,
    kPrice,
    kAmmoWeight,
    kShots,
    kReason,
    kColumns
};

const char* const kHeaders[kColumns] = {"Name",
                                        "Category",
                                        "Technology",
                                        "Weight (kg)",
                                        "Slots",
                                        "Damage",
                                        "Minimum",
                                        "Short",
                                        "Medium",
                                        "Long",
                                        "Heat",
                                        "Battle Value",
                                        "Price (C-Bills)",
                                        "Ammo (kg)",
                                        "Shots",
                                        "Not Offered Because"};

bool Numeric(int column) { return column >= kWeight && column <= kShots; }

constexpr double kNone = -std::numeric_limits<double>::infinity();

// A cell's text and what a numeric column sorts by; none sorts lowest.
struct Cell {
    QString text = QStringLiteral("-");
    double number = kNone;
};

}  // namespace

// The rows of the finder: every entry of the catalog with its figures, of which the rows shown are
// those the search and the filters let through, in the order of the sorted column.
class EquipmentTableModel : public QAbstractTableModel {
public:
    struct Row {
        CatalogEntry entry;
        QString text;
        int category = 0;
        std::array<Cell, kReason> cells;
        std::string lowered;  // what the search looks in: name, category and technology
        EntryFigures figures;
        QString reason;  // empty when the design can take it
    };

    EquipmentTableModel(const Catalog& catalog, QObject* parent) : QAbstractTableModel(parent) {
        for (const CatalogEntry& e : CatalogEntries(catalog)) rows_.push_back(MakeRow(catalog, e));
        sorted_.resize(rows_.size());
        std::iota(sorted_.begin(), sorted_.end(), 0);
        shown_ = sorted_;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const Row& r = At(index.row());
        const int column = index.column();
        switch (role) {
            case Qt::DisplayRole: return column == kReason ? r.reason : r.cells[column].text;
            case Qt::ToolTipRole: return r.reason.isEmpty() ? QVariant() : QVariant(r.reason);
            case Qt::ForegroundRole: return r.reason.isEmpty() ? QVariant() : QVariant(QBrush(grey_));
            case Qt::TextAlignmentRole:
                return static_cast<int>(Numeric(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
            default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
        if (role == Qt::DisplayRole) return QString::fromLatin1(kHeaders[section]);
        if (role == Qt::TextAlignmentRole && Numeric(section))
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    // The view's header asks for this; column -1 is the catalog's order. Equal figures keep it too.
    void sort(int column, Qt::SortOrder order) override {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        std::vector<int> rowsBefore;
        for (const QModelIndex& i : before) rowsBefore.push_back(i.isValid() ? shown_[i.row()] : -1);
        std::iota(sorted_.begin(), sorted_.end(), 0);
        if (column >= 0 && column < kColumns) {
            const auto less = [this, column](int a, int b) {
                const Row& x = rows_[a];
                const Row& y = rows_[b];
                if (Numeric(column)) return x.cells[column].number < y.cells[column].number;
                const QString& s = column == kReason ? x.reason : x.cells[column].text;
                const QString& t = column == kReason ? y.reason : y.cells[column].text;
                return s.compare(t, Qt::CaseInsensitive) < 0;
            };
            if (order == Qt::AscendingOrder)
                std::stable_sort(sorted_.begin(), sorted_.end(), less);
            else
                std::stable_sort(sorted_.begin(), sorted_.end(), [&](int a, int b) { return less(b, a); });
        }
        std::vector<char> wasShown(rows_.size(), 0);
        for (int r : shown_) wasShown[static_cast<std::size_t>(r)] = 1;
        shown_.clear();
        for (int r : sorted_)
            if (wasShown[static_cast<std::size_t>(r)]) shown_.push_back(r);
        QModelIndexList after;
        for (qsizetype k = 0; k < before.size(); ++k) {
            const int at = ShownRow(rowsBefore[static_cast<std::size_t>(k)]);
            after << (at < 0 ? QModelIndex() : index(at, before[k].column()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    // The rows the search (lower-cased words), the category (-1 any) and the offered-only box let through.
    void SetFilter(SearchQuery query, int category, bool offeredOnly) {
        query_ = std::move(query);
        category_ = category;
        offeredOnly_ = offeredOnly;
        Refilter();
    }

    // The design's reasons, one per row in catalog-entry order; true when any changed.
    bool SetReasons(const std::vector<std::string>& reasons) {
        bool changed = false;
        for (std::size_t k = 0; k < rows_.size() && k < reasons.size(); ++k) {
            const QString reason = ToQString(reasons[k]);
            if (rows_[k].reason == reason) continue;
            rows_[k].reason = reason;
            changed = true;
        }
        if (!changed) return false;
        if (offeredOnly_)
            Refilter();
        else if (!shown_.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
        return true;
    }

    void SetGrey(const QColor& grey) { grey_ = grey; }
    const Row& At(int row) const { return rows_[shown_[row]]; }
    int Total() const { return static_cast<int>(rows_.size()); }
    std::vector<CatalogEntry> Entries() const {
        std::vector<CatalogEntry> out;
        for (const Row& r : rows_) out.push_back(r.entry);
        return out;
    }
    // The row showing `entry`, -1 when it is filtered out.
    int RowOf(const CatalogEntry& entry) const {
        for (std::size_t k = 0; k < shown_.size(); ++k)
            if (rows_[shown_[k]].entry == entry) return static_cast<int>(k);
        return -1;
    }

private:
    static Row MakeRow(const Catalog& catalog, const CatalogEntry& e) {
        const CatalogItem& item = catalog[e.index];
        Row r;
        r.entry = e;
        r.text = ToQString(EntryText(catalog, e));
        r.category = EntryCategory(catalog, e);
        const char* technology = TechnologyOf(item.Name);
        r.cells[kName] = {r.text, kNone};
        r.cells[kCategory] = {QString::fromLatin1(kCategoryNames[r.category]), kNone};
        r.cells[kTechnology] = {QString::fromLatin1(technology), kNone};
        r.figures = FiguresOf(catalog, e);
        for (int f = 0; f < kFigureCount; ++f) {
            const EntryFigure& figure = r.figures[static_cast<std::size_t>(f)];
            r.cells[kWeight + f] = {ToQString(figure.text), figure.none ? kNone : figure.value};
        }
        r.lowered = LowerAscii(EntryText(catalog, e) + ' ' + kCategoryNames[r.category] + ' ' + technology);
        return r;
    }

    void Refilter() {
        beginResetModel();
        shown_.clear();
        for (int k : sorted_) {
            const Row& r = rows_[k];
            if (category_ >= 0 && r.category != category_) continue;
            if (offeredOnly_ && !r.reason.isEmpty()) continue;
            if (!Matches(query_, r.lowered, r.figures)) continue;
            shown_.push_back(k);
        }
        endResetModel();
    }

    int ShownRow(int rowIndex) const {
        if (rowIndex < 0) return -1;
        const auto at = std::find(shown_.begin(), shown_.end(), rowIndex);
        return at == shown_.end() ? -1 : static_cast<int>(at - shown_.begin());
    }

    std::vector<Row> rows_;
    std::vector<int> sorted_;  // every row, in the sorted order
    std::vector<int> shown_;   // the rows let through, in that order
    SearchQuery query_;
    int category_ = -1;
    bool offeredOnly_ = false;
    QColor grey_{128, 128, 128};
};

FindEquipmentForm::FindEquipmentForm(const Context& ctx, GestureTracker& gestures, AddEntry add,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), add_(std::move(add)) {
    setWindowTitle(QStringLiteral("Find Equipment"));
    model_ = new EquipmentTableModel(ctx.catalog, this);
    model_->SetGrey(palette().color(QPalette::Disabled, QPalette::Text));

    LabSearch = new QLabel(QStringLiteral("&Search:"), this);
    TextSearch = new QLineEdit(this);
    TextSearch->setPlaceholderText(
        QStringLiteral("words of the name in any order; figures as long>=6 weight<300"));
    TextSearch->setToolTip(QStringLiteral(
        "Words of the name, category or technology, in any order. A figure compared with a number narrows "
        "further: weight, slots, damage, min, short, medium, long, heat, bv, price, ammo or shots, then "
        "<, <=, =, >= or >, then the number (long>=6)."));
    TextSearch->setClearButtonEnabled(true);
    LabCategory = new QLabel(QStringLiteral("Ca&tegory:"), this);
    ComboCategory = new QComboBox(this);
    ComboCategory->addItem(QStringLiteral("All Categories"));
    for (const char* name : kCategoryNames) ComboCategory->addItem(QString::fromLatin1(name));
    ChkOffered = new QCheckBox(QStringLiteral("&Offered to this design only"), this);

    GridEquipment = new QTableView(this);
    GridEquipment->setModel(model_);
    GridEquipment->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridEquipment->setSelectionMode(QAbstractItemView::SingleSelection);
    GridEquipment->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridEquipment->setWordWrap(false);
    GridEquipment->setShowGrid(false);
    GridEquipment->setItemDelegate(new CachedTextDelegate(GridEquipment));
    GridEquipment->verticalHeader()->hide();
    // A scroll bar that came and went as the search narrowed the rows resized the table and made the
    // whole window paint again at such a keystroke.
    GridEquipment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GridEquipment->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = GridEquipment->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setSortIndicatorShown(true);
    // Fixed widths from the texts: sizing columns to their contents measures every cell.
    const QFontMetrics metrics(font());
    for (int c = 0; c < kColumns; ++c) {
        const char* widest = c == kName
                                 ? "(C) Advanced SRM 6 (1-shot) Ammo"
                                 : (c == kReason ? "Clan item: the design is Inner Sphere" : kHeaders[c]);
        GridEquipment->setColumnWidth(c, metrics.horizontalAdvance(QLatin1String(widest)) + 24);
    }
    header->setSortIndicator(-1, Qt::AscendingOrder);  // the catalog's order until a header is clicked
    GridEquipment->setSortingEnabled(true);

    LabShown = new QLabel(this);
    // Wide enough for any count, so that a keystroke changing it lays nothing out anew.
    LabShown->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("8888 of 8888 entries")) +
                              4);
    LabReason = new QLabel(this);
    LabReason->setTextFormat(Qt::PlainText);
    LabCount = new QLabel(QStringLiteral("Cou&nt:"), this);
    SpinCount = new QSpinBox(this);
    SpinCount->setRange(1, 100);
    SpinCount->setValue(1);
    ComAddFound = new QPushButton(QStringLiteral("&Add"), this);
    ComClose = new QPushButton(QStringLiteral("&Close"), this);

    auto* filters = new QHBoxLayout;
    filters->addWidget(LabSearch);
    filters->addWidget(TextSearch, 1);
    filters->addSpacing(8);
    filters->addWidget(LabCategory);
    filters->addWidget(ComboCategory);
    filters->addSpacing(8);
    filters->addWidget(ChkOffered);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabShown);
    buttons->addSpacing(12);
    buttons->addWidget(LabReason, 1);
    buttons->addWidget(LabCount);
    buttons->addWidget(SpinCount);
    buttons->addWidget(ComAddFound);
    buttons->addSpacing(12);
    buttons->addWidget(ComClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(GridEquipment, 1);
    layout->addLayout(buttons);

    connect(TextSearch, &QLineEdit::textChanged, this, [this] { Refilter(); });
    connect(ComboCategory, &QComboBox::currentIndexChanged, this, [this] { Refilter(); });
    connect(ChkOffered, &QCheckBox::toggled, this, [this] { Refilter(); });
    connect(GridEquipment->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShowReason(); });
    connect(GridEquipment, &QAbstractItemView::doubleClicked, this, [this] { AddCurrent(); });
    connect(ComAddFound, &QPushButton::clicked, this, [this] { AddCurrent(); });
    connect(ComClose, &QPushButton::clicked, this, &QWidget::close);
    connect(&gestures, &GestureTracker::gestureEnded, this, [this] { FollowDesign(); });
    GridEquipment->installEventFilter(this);
    TextSearch->installEventFilter(this);
    CancelOnEscape(this, [this] { close(); });
    resize(1180, 540);
    ShowCount();
    TextSearch->setFocus();
}

void FindEquipmentForm::Form_Load() {
    model_->SetReasons(WhyNotOffered(ctx_, model_->Entries()));
    ShowCount();
}

void FindEquipmentForm::FollowDesign() {
    // Read once the gesture has ended, before anything is painted, however many gestures came in one
    // turn of the event loop; a closed or minimised window is read again when it shows.
    if (reloadPosted_ || !isVisible() || isMinimized()) return;
    reloadPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            reloadPosted_ = false;
            if (isVisible() && !isMinimized()) Form_Load();
        },
        Qt::QueuedConnection);
}

void FindEquipmentForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && isVisible() && !isMinimized()) Form_Load();
}

void FindEquipmentForm::Refilter() {
    // The current entry stays current when the search still shows it.
    const QModelIndex current = GridEquipment->currentIndex();
    const bool had = current.isValid();
    const CatalogEntry entry = had ? model_->At(current.row()).entry : CatalogEntry{};
    const int category = ComboCategory->currentIndex() - 1;
    model_->SetFilter(ParseSearch(TextSearch->text().toStdString()), category, ChkOffered->isChecked());
    if (had) {
        const int row = model_->RowOf(entry);
        if (row >= 0) GridEquipment->setCurrentIndex(model_->index(row, 0));
    }
    ShowCount();
}

void FindEquipmentForm::ShowCount() {
    const int shown = model_->rowCount();
    LabShown->setText(QStringLiteral("%1 of %2 entries").arg(shown).arg(model_->Total()));
    ShowReason();
}

void FindEquipmentForm::ShowReason() {
    const QModelIndex current = GridEquipment->currentIndex();
    QString text;
    if (current.isValid() && !model_->At(current.row()).reason.isEmpty())
        text = model_->At(current.row()).text + QStringLiteral(" is not offered: ") +
               model_->At(current.row()).reason;
    if (LabReason->text() != text) LabReason->setText(text);
}

void FindEquipmentForm::AddCurrent() {
    const QModelIndex current = GridEquipment->currentIndex();
    if (!current.isValid()) return;
    const EquipmentTableModel::Row& row = model_->At(current.row());
    if (!row.reason.isEmpty()) {
        QApplication::beep();
        return;
    }
    const QString text = row.text;  // the row may be gone once the design has changed
    if (add_) add_(text, SpinCount->value());
}

bool FindEquipmentForm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (watched == GridEquipment && enter) {
        AddCurrent();
        return true;
    }
    // From the search box, Enter or Down goes to the rows it found.
    if (watched == TextSearch && (enter || key->key() == Qt::Key_Down) && model_->rowCount() > 0) {
        if (!GridEquipment->currentIndex().isValid()) GridEquipment->setCurrentIndex(model_->index(0, 0));
        GridEquipment->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace vantrel
