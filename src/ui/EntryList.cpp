#include "ui/EntryList.h"

#include "ui/CachedTextDelegate.h"

#include <QEvent>
#include <QHoverEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace vantrel {

// ---------------------------------------------------------------------------------------------
// EntryModel

int EntryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || ends_.empty() ? 0 : ends_.back();
}

QVariant EntryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return Text(index.row());
}

Qt::ItemFlags EntryModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void EntryModel::Normalise(std::vector<EntryRun>& runs) {
    std::vector<EntryRun> out;
    out.reserve(runs.size());
    for (EntryRun& run : runs) {
        if (run.count <= 0) continue;
        if (!out.empty() && out.back().text == run.text)
            out.back().count += run.count;
        else
            out.push_back(std::move(run));
    }
    runs = std::move(out);
}

void EntryModel::Index() {
    ends_.resize(runs_.size());
    int end = 0;
    for (std::size_t i = 0; i < runs_.size(); ++i) ends_[i] = end += runs_[i].count;
}

bool EntryModel::SetRuns(std::vector<EntryRun> runs) {
    Normalise(runs);
    if (runs == runs_) return false;
    beginResetModel();
    runs_ = std::move(runs);
    Index();
    endResetModel();
    return true;
}

int EntryModel::RunOf(int row) const {
    return static_cast<int>(std::upper_bound(ends_.begin(), ends_.end(), row) - ends_.begin());
}

QString EntryModel::Text(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return runs_[static_cast<std::size_t>(RunOf(row))].text;
}

void EntryModel::Append(const QString& text) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    if (!runs_.empty() && runs_.back().text == text) {
        ++runs_.back().count;
        ++ends_.back();
    } else {
        runs_.push_back({text, 1});
        ends_.push_back(row + 1);
    }
    endInsertRows();
}

void EntryModel::Take(int first, int count) {
    first = std::max(first, 0);
    count = std::min(count, rowCount() - first);
    if (count <= 0) return;
    beginRemoveRows({}, first, first + count - 1);
    auto run = static_cast<std::size_t>(RunOf(first));
    int offset = first - RunStart(static_cast<int>(run));
    for (int left = count; left > 0; ++run, offset = 0) {
        const int taken = std::min(left, runs_[run].count - offset);
        runs_[run].count -= taken;
        left -= taken;
    }
    Normalise(runs_);
    Index();
    endRemoveRows();
}

// ---------------------------------------------------------------------------------------------
// EntryList

EntryList::EntryList(QWidget* parent) : QAbstractItemView(parent), entries_(new EntryModel(this)) {
    setModel(entries_);
    setSelectionMode(SingleSelection);
    setItemDelegate(new CachedTextDelegate(this));
    // Rows take the height and width of the first one, which may have changed.
    // The toolkit's view repaints nothing of its own when rows come or go (only a reset does): the
    // scroll range and the rows on show are laid out and painted again here.
    const auto changed = [this] {
        rowSize_ = QSize();
        scheduleDelayedItemsLayout();
        viewport()->update();
    };
    connect(entries_, &QAbstractItemModel::rowsInserted, this, changed);
    connect(entries_, &QAbstractItemModel::rowsRemoved, this, changed);
}

QStringList EntryList::Lines() const {
    QStringList out;
    out.reserve(count());
    for (const EntryRun& run : entries_->Runs())
        for (int i = 0; i < run.count; ++i) out << run.text;
    return out;
}

int EntryList::FindRow(const QString& text) const {
    const std::vector<EntryRun>& runs = entries_->Runs();
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (runs[i].text == text) return entries_->RunStart(static_cast<int>(i));
    return -1;
}

void EntryList::SetEntries(std::vector<EntryRun> runs) {
    selectionModel()->clear();
    if (entries_->SetRuns(std::move(runs))) {
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
}

void EntryList::SetEntries(const QStringList& lines) {
    std::vector<EntryRun> runs;
    runs.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) runs.push_back({line, 1});
    SetEntries(std::move(runs));
}

bool EntryList::IsSelected(int row) const { return selectionModel()->isSelected(Index(row)); }

void EntryList::SetSelected(int row, bool selected) {
    selectionModel()->select(Index(row),
                             selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void EntryList::setCurrentRow(int row) {
    QItemSelectionModel::SelectionFlags command = QItemSelectionModel::SelectCurrent;
    if (selectionMode() == SingleSelection)
        command = QItemSelectionModel::ClearAndSelect;
    else if (selectionMode() == NoSelection)
        command = QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(Index(row), command);
}

bool EntryList::HasSelection() const { return selectionModel()->hasSelection(); }

std::vector<EntryList::Span> EntryList::SelectedSpans() const {
    std::vector<std::pair<int, int>> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid()) rows.emplace_back(range.top(), std::min(range.bottom(), count() - 1));
    std::sort(rows.begin(), rows.end());
    // Ranges may overlap or touch: joined first, so a span ends only where the text changes.
    std::vector<std::pair<int, int>> joined;
    for (const auto& r : rows) {
        if (!joined.empty() && r.first <= joined.back().second + 1)
            joined.back().second = std::max(joined.back().second, r.second);
        else
            joined.push_back(r);
    }
    std::vector<Span> out;
    const std::vector<EntryRun>& runs = entries_->Runs();
    for (const auto& [top, bottom] : joined) {
        for (int row = top; row <= bottom;) {
            const int run = entries_->RunOf(row);
            const EntryRun& at = runs[static_cast<std::size_t>(run)];
            const int last = std::min(bottom, entries_->RunStart(run) + at.count - 1);
            out.push_back({row, last - row + 1, at.text});
            row = last + 1;
        }
    }
    return out;
}

QSize EntryList::RowSize() const {
    if (!rowSize_.isValid()) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex first = Index(0);
        rowSize_ =
            first.isValid() ? itemDelegate()->sizeHint(option, first) : QSize(0, fontMetrics().height());
        rowSize_.setHeight(std::max(rowSize_.height(), 1));
    }
    return rowSize_;
}

int EntryList::RowWidth() const { return std::max(RowSize().width(), viewport()->width()); }

int EntryList::RowsShown() const { return std::max(1, viewport()->height() / RowHeight()); }

int EntryList::RowAtY(int y) const {
    const int h = RowHeight();
    const int at = PerItem() ? y : y + verticalScrollBar()->value();
    const int rows = at >= 0 ? at / h : -((-at + h - 1) / h);
    return PerItem() ? verticalScrollBar()->value() + rows : rows;
}

int EntryList::horizontalOffset() const { return horizontalScrollBar()->value(); }

int EntryList::verticalOffset() const {
    return PerItem() ? verticalScrollBar()->value() * RowHeight() : verticalScrollBar()->value();
}

QRect EntryList::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != entries_ || index.row() >= count()) return {};
    const int h = RowHeight();
    return {-horizontalOffset(), index.row() * h - verticalOffset(), RowWidth(), h};
}

QModelIndex EntryList::indexAt(const QPoint& point) const {
    const int row = RowAtY(point.y());
    const int x = point.x() + horizontalOffset();
    if (row < 0 || row >= count() || x < 0 || x >= RowWidth()) return {};
    return Index(row);
}

void EntryList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.row() >= count()) return;
    executeDelayedItemsLayout();  // the scroll range of rows just written
    QScrollBar* bar = verticalScrollBar();
    const int h = RowHeight();
    // In rows or in pixels, as the scroll bar counts.
    const int at = PerItem() ? index.row() : index.row() * h;
    const int size = PerItem() ? 1 : h;
    const int shown = PerItem() ? RowsShown() : viewport()->height();
    switch (hint) {
        case PositionAtTop: bar->setValue(at); break;
        case PositionAtBottom: bar->setValue(at + size - shown); break;
        case PositionAtCenter: bar->setValue(at - (shown - size) / 2); break;
        case EnsureVisible:
            if (at < bar->value())
                bar->setValue(at);
            else if (at + size > bar->value() + shown)
                bar->setValue(at + size - shown);
            break;
    }
}

QModelIndex EntryList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int n = count();
    if (n == 0) return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return Index(0);
    int row = current.row();
    switch (cursorAction) {
        case MoveUp:
        case MovePrevious: --row; break;
        case MoveDown:
        case MoveNext: ++row; break;
        case MovePageUp: row -= RowsShown(); break;
        case MovePageDown: row += RowsShown(); break;
        case MoveHome: row = 0; break;
        case MoveEnd: row = n - 1; break;
        default: break;  // one column: nothing to the left or right
    }
    return Index(std::clamp(row, 0, n - 1));
}

void EntryList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const QRect r = rect.normalized();
    const int top = std::max(RowAtY(r.top()), 0);
    const int bottom = std::min(RowAtY(r.bottom()), count() - 1);
    const int left = r.left() + horizontalOffset(), right = r.right() + horizontalOffset();
    QItemSelection selection;
    if (top <= bottom && right >= 0 && left < RowWidth()) selection.select(Index(top), Index(bottom));
    selectionModel()->select(selection, command);
}

QRegion EntryList::visualRegionForSelection(const QItemSelection& selection) const {
    const int firstShown = std::max(RowAtY(0), 0);
    const int lastShown = std::min(RowAtY(viewport()->height()), count() - 1);
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), firstShown), bottom = std::min(range.bottom(), lastShown);
        if (top > bottom) continue;
        region += visualRect(Index(top)).united(visualRect(Index(bottom)));
    }
    return region;
}

void EntryList::updateGeometries() {
    const int n = count(), h = RowHeight();
    QScrollBar* v = verticalScrollBar();
    if (PerItem()) {
        v->setSingleStep(1);
        v->setPageStep(RowsShown());
        v->setRange(0, std::max(0, n - RowsShown()));
    } else {
        v->setSingleStep(h);
        v->setPageStep(viewport()->height());
        v->setRange(0, std::max(0, n * h - viewport()->height()));
    }
    QScrollBar* hb = horizontalScrollBar();
    hb->setSingleStep(h);
    hb->setPageStep(viewport()->width());
    hb->setRange(0, std::max(0, RowSize().width() - viewport()->width()));
    QAbstractItemView::updateGeometries();
}

void EntryList::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, PerItem() ? dy * RowHeight() : dy);
}

void EntryList::paintEvent(QPaintEvent* e) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const QStyle::State state = option.state;
    const bool enabled = state & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const int first = std::max(RowAtY(e->rect().top()), 0);
    const int last = std::min(RowAtY(e->rect().bottom()), count() - 1);
    QAbstractItemDelegate* delegate = itemDelegate();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = Index(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
        if (enabled) option.palette.setCurrentColorGroup(QPalette::Normal);
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState) option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover_);
        delegate->paint(&painter, option, index);
    }
}

bool EntryList::viewportEvent(QEvent* e) {
    switch (e->type()) {
        case QEvent::HoverEnter:
        case QEvent::HoverMove: hover_ = indexAt(static_cast<QHoverEvent*>(e)->position().toPoint()); break;
        case QEvent::HoverLeave:
        case QEvent::Leave: hover_ = QModelIndex(); break;
        default: break;
    }
    return QAbstractItemView::viewportEvent(e);
}

void EntryList::changeEvent(QEvent* e) {
    QAbstractItemView::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        rowSize_ = QSize();
        scheduleDelayedItemsLayout();
    }
}

void EntryList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    emit itemSelectionChanged();
}

void EntryList::reset() {
    rowSize_ = QSize();
    QAbstractItemView::reset();
}

}  // namespace vantrel
