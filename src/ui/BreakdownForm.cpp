#include "ui/BreakdownForm.h"

#include "model/Context.h"
#include "ui/CachedTextDelegate.h"
#include "ui/EscapeCloses.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

QString HowText(TermKind kind) {
    switch (kind) {
        case TermKind::Added: return QStringLiteral("added");
        case TermKind::Multiplier: return QStringLiteral("multiplier");
        case TermKind::Shown: return QStringLiteral("not counted");
    }
    return {};
}

bool SameTerm(const Term& a, const Term& b) {
    return a.name == b.name && a.value == b.value && a.kind == b.kind;
}

bool SameSection(const BreakdownSection& a, const BreakdownSection& b) {
    return a.total == b.total &&
           std::equal(a.terms.begin(), a.terms.end(), b.terms.begin(), b.terms.end(), SameTerm);
}

const BreakdownSection& SectionOf(const Breakdown& b, int index) {
    return index == BreakdownForm::kWeight        ? b.weight
           : index == BreakdownForm::kBattleValue ? b.battleValue
                                                  : b.cost;
}

}  // namespace

// A tool window of the main window: it stays above it while the design is worked on.
BreakdownForm::BreakdownForm(const Context& ctx, QWidget* parent) : QWidget(parent, Qt::Tool), ctx_(ctx) {
    setWindowTitle(QStringLiteral("Breakdown"));
    auto* layout = new QVBoxLayout(this);
    TabSections = new QTabBar(this);
    for (const char* title : {"Weight", "Battle Value", "Cost"}) TabSections->addTab(QLatin1String(title));
    TabSections->setExpanding(false);
    layout->addWidget(TabSections);
    GridTerms = new QTableWidget(0, 3, this);
    GridTerms->setHorizontalHeaderLabels(
        {QStringLiteral("Term"), QStringLiteral("Value"), QStringLiteral("How")});
    SetUpReadOnlyGrid(GridTerms);
    // Fixed widths: sizing columns to their contents measured every cell on every change.
    const QFontMetrics metrics(font());
    GridTerms->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridTerms->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    GridTerms->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("-88888888888.888")) + 12);
    GridTerms->setColumnWidth(2, metrics.horizontalAdvance(QStringLiteral("not counted")) + 16);
    layout->addWidget(GridTerms, 1);
    LabNote = new QLabel(
        QStringLiteral("Read from the top down, starting from 0: each value marked \"added\" is added, each "
                       "\"multiplier\" multiplies what has come so far; rows \"not counted\" only explain."),
        this);
    LabNote->setWordWrap(true);
    layout->addWidget(LabNote);
    connect(TabSections, &QTabBar::currentChanged, this, [this](int) { Fill(); });
    CancelOnEscape(this, [this] { close(); });
    resize(480, 520);
}

int BreakdownForm::CurrentSection() const { return TabSections->currentIndex(); }

void BreakdownForm::ShowSection(int section) {
    if (section == TabSections->currentIndex())
        Fill();
    else
        TabSections->setCurrentIndex(section);  // fills through currentChanged
}

void BreakdownForm::Form_Load() {
    Breakdown breakdown = MakeBreakdown(ctx_);
    if (loaded_ && SameSection(breakdown.weight, breakdown_.weight) &&
        SameSection(breakdown.battleValue, breakdown_.battleValue) &&
        SameSection(breakdown.cost, breakdown_.cost))
        return;
    const Breakdown before = std::exchange(breakdown_, std::move(breakdown));
    Fill(loaded_ ? &before : nullptr);
    loaded_ = true;
}

void BreakdownForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // A minimised window is not kept up to date.
    if (e->type() == QEvent::WindowStateChange && isVisible() && !isMinimized()) Form_Load();
}

void BreakdownForm::SetCell(int row, int column, const QString& text, bool bold) {
    QTableWidgetItem* item = GridTerms->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem(text);
        if (column == 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        GridTerms->setItem(row, column, item);
    } else if (item->text() != text) {
        item->setText(text);
    }
    if (item->font().bold() != bold) {
        QFont f = item->font();
        f.setBold(bold);
        item->setFont(f);
    }
}

void BreakdownForm::Fill(const Breakdown* before) {
    const int index = TabSections->currentIndex();
    if (index < 0 || index > 2) return;
    const BreakdownSection& section = SectionOf(breakdown_, index);
    const int rows = static_cast<int>(section.terms.size()) + 1;
    // Rows that show the same term as before are left alone: no text is made or compared for them.
    const bool same = before != nullptr && index == shownIndex_ && GridTerms->rowCount() == rows &&
                      SectionOf(*before, index).terms.size() == section.terms.size();
    const BreakdownSection* shown = same ? &SectionOf(*before, index) : nullptr;
    if (GridTerms->rowCount() != rows) GridTerms->setRowCount(rows);
    std::vector<std::string> values;
    for (int row = 0; row + 1 < rows; ++row) {
        const auto at = static_cast<std::size_t>(row);
        const Term& t = section.terms[at];
        if (shown != nullptr && SameTerm(t, shown->terms[at])) continue;
        if (values.empty()) values = ShownValues(section);
        SetCell(row, 0, QString::fromStdString(t.name));
        SetCell(row, 1, QString::fromStdString(values[at]));
        SetCell(row, 2, HowText(t.kind));
    }
    if (shown == nullptr || section.total != shown->total) {
        SetCell(rows - 1, 0, QStringLiteral("Total"), true);
        SetCell(rows - 1, 1, QString::number(section.total), true);
        SetCell(rows - 1, 2, QString(), true);
    }
    shownIndex_ = index;
}

}  // namespace vantrel
