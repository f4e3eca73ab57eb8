#pragma once

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QStringList>

#include <vector>

namespace vantrel {

// One text shown on `count` rows in a row.
struct EntryRun {
    QString text;
    int count = 0;
    bool operator==(const EntryRun&) const = default;
};

// The rows of an entry list, held as runs of equal texts: a design may own a thousand units of each
// of several hundred kinds, and one object per row made every refill of such a list cost a large
// fraction of a second. A row's text is found by a binary search over the runs' ends.
class EntryModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Replaces the rows; false, without a reset, when the rows are already these.
    bool SetRuns(std::vector<EntryRun> runs);
    const std::vector<EntryRun>& Runs() const { return runs_; }
    QString Text(int row) const;
    // The run that holds `row` (a valid row), and the first row of run `run`.
    int RunOf(int row) const;
    int RunStart(int run) const { return run == 0 ? 0 : ends_[static_cast<std::size_t>(run) - 1]; }

    void Append(const QString& text);
    // Takes out `count` rows from `first` on.
    void Take(int first, int count);

private:
    // No empty runs and no two neighbours with the same text, so equal rows mean equal runs.
    static void Normalise(std::vector<EntryRun>& runs);
    void Index();

    std::vector<EntryRun> runs_;
    std::vector<int> ends_;  // rows up to and including each run
};

// A one-column list of text entries over an EntryModel, drawn as a list widget draws them. Every row
// has the height of the first, so nothing depends on the number of rows but the scroll range: the
// toolkit's own list view lays out every row, which at 600,000 rows took a tenth of a second a refill.
class EntryList : public QAbstractItemView {
    Q_OBJECT
public:
    explicit EntryList(QWidget* parent = nullptr);

    EntryModel* Entries() const { return entries_; }
    int count() const { return entries_->rowCount(); }
    QString Text(int row) const { return entries_->Text(row); }
    QModelIndex Index(int row) const { return entries_->index(row, 0); }
    // Every row's text; for short lists and tests.
    QStringList Lines() const;
    // The first row showing exactly `text`, -1 when none does.
    int FindRow(const QString& text) const;

    // The list's refill: selection and current row cleared, the rows rebuilt (and the list scrolled
    // back to its start) only when they differ from `runs`.
    void SetEntries(std::vector<EntryRun> runs);
    void SetEntries(const QStringList& lines);

    bool IsSelected(int row) const;
    void SetSelected(int row, bool selected);
    int currentRow() const { return currentIndex().row(); }
    // As a list widget's: selects the row too unless several rows can be selected.
    void setCurrentRow(int row);
    bool HasSelection() const;

    // The selected rows in list order, cut into spans of one text each.
    struct Span {
        int first = 0;
        int count = 0;
        QString text;
    };
    std::vector<Span> SelectedSpans() const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

signals:
    // The selection changed, by the user or the program (as a list widget's signal of that name).
    void itemSelectionChanged();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void reset() override;

private:
    QSize RowSize() const;  // of the first row, as the toolkit's list takes it with uniform sizes
    int RowHeight() const { return RowSize().height(); }
    int RowWidth() const;
    int RowsShown() const;  // whole rows the viewport shows
    bool PerItem() const { return verticalScrollMode() == ScrollPerItem; }
    int RowAtY(int y) const;  // viewport y to row, unclamped

    EntryModel* entries_;
    mutable QSize rowSize_;  // invalid until asked for after a change of font, style or rows
    QPersistentModelIndex hover_;
};

}  // namespace vantrel
