#include "ui/DesignCheckForm.h"

#include "model/Context.h"
#include "ui/CachedTextDelegate.h"
#include "ui/EscapeCloses.h"

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

const char* const kKindNames[] = {"error", "warning", "note"};
const QColor kKindColours[] = {QColor(192, 0, 0), QColor(176, 96, 0), QColor(96, 96, 96)};

QString Counted(int n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

}  // namespace

// A tool window of the main window: it stays above it while the design is worked on.
DesignCheckForm::DesignCheckForm(const Context& ctx, QWidget* parent) : QWidget(parent, Qt::Tool), ctx_(ctx) {
    setWindowTitle(QStringLiteral("Design Check"));
    auto* layout = new QVBoxLayout(this);
    LabSummary = new QLabel(this);
    layout->addWidget(LabSummary);
    GridFindings = new QTableWidget(0, 2, this);
    GridFindings->setHorizontalHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Finding")});
    SetUpReadOnlyGrid(GridFindings);
    // Fixed widths: sizing columns to their contents measured every cell on every change.
    GridFindings->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridFindings->horizontalHeader()->setStretchLastSection(true);
    GridFindings->setColumnWidth(0, QFontMetrics(font()).horizontalAdvance(QStringLiteral("warning")) + 16);
    layout->addWidget(GridFindings, 1);
    ComClose = AddCloseRow(this, layout);
    CancelOnEscape(this, [this] { close(); });
    resize(520, 300);
}

void DesignCheckForm::SetCell(int row, int column, const QString& text, const QColor& colour) {
    QTableWidgetItem* item = GridFindings->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem(text);
        item->setForeground(QBrush(colour));
        GridFindings->setItem(row, column, item);
        return;
    }
    if (item->text() != text) item->setText(text);
    if (item->foreground().color() != colour) item->setForeground(QBrush(colour));
}

void DesignCheckForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // A minimised window is not kept up to date.
    if (e->type() == QEvent::WindowStateChange && isVisible() && !isMinimized()) Form_Load();
}

void DesignCheckForm::Form_Load() {
    std::vector<Finding> findings = CheckDesign(ctx_);
    if (loaded_ && findings == findings_) return;
    const std::vector<Finding> before = std::exchange(findings_, std::move(findings));
    // Rows are kept and only changed cells rewritten: a new item per cell cost a millisecond. A row
    // that shows the same finding as before is not even compared.
    const std::size_t kept = loaded_ ? std::min(before.size(), findings_.size()) : 0;
    loaded_ = true;
    int counts[3] = {0, 0, 0};
    const int rows = static_cast<int>(findings_.size());
    if (GridFindings->rowCount() != rows) GridFindings->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const auto at = static_cast<std::size_t>(row);
        const Finding& f = findings_[at];
        const int kind = static_cast<int>(f.kind);
        ++counts[kind];
        if (at < kept && f == before[at]) continue;
        SetCell(row, 0, QLatin1String(kKindNames[kind]), kKindColours[kind]);
        SetCell(row, 1, QString::fromStdString(f.text), palette().color(QPalette::Text));
    }
    if (findings_.empty()) {
        LabSummary->setText(
            QStringLiteral("Nothing to report: the design is within its limits and every entry is placed."));
    } else {
        LabSummary->setText(Counted(counts[0], "error", "errors") + QStringLiteral(", ") +
                            Counted(counts[1], "warning", "warnings") + QStringLiteral(", ") +
                            Counted(counts[2], "note", "notes"));
    }
}

}  // namespace vantrel
