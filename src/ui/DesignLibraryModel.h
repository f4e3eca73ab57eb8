#pragma once

#include "files/AtomicFile.h"
#include "files/DesignList.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel {

// What a listed file looked like when its row was read; a different stamp means read it again, and
// a file that could not be looked at has none.
using LibraryStamp = std::optional<FileStamp>;

// A row of the library with the sort keys worked out once.
struct LibraryEntry {
    DesignRow row;
    LibraryStamp stamp;
    std::array<int64_t, kDesignColumnCount> keys{};
};

// The rows of the library, one a design file, in the order they arrived (the view sorts). Rows are
// kept by path: a row read again replaces the old one.
class DesignLibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole;      // a number for numeric columns and the class
    static constexpr int kCellRole = Qt::UserRole + 1;  // the cell as --list writes it

    explicit DesignLibraryModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The folder the file column is shown relative to.
    void SetFolder(const QString& folder);
    void Clear();
    // Adds or replaces the rows of these files.
    void Put(std::vector<DesignRow>& rows, const std::vector<LibraryStamp>& stamps);
    // Drops every row whose file is not among `present`.
    void KeepOnly(const std::vector<std::string>& present);

    const LibraryEntry& Entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    // The stamps of the rows as read, by path.
    QHash<QString, LibraryStamp> Stamps() const;

private:
    QString folder_;
    std::vector<LibraryEntry> entries_;
    QHash<QString, int> rowOfPath_;
};

// The filters of the library over the model: a text in the name or the model, the chassis, the
// weight class, the technology base (empty: any), and designs with errors (or unreadable) only.
class DesignLibraryFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit DesignLibraryFilter(QObject* parent = nullptr);

    void SetText(const QString& text);
    void SetColumnValue(int column, const QString& value);
    void SetErrorsOnly(bool on);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString text_;
    QHash<int, QString> values_;
    bool errorsOnly_ = false;
};

// Why the row's file cannot be read, without the path the row names already: "record 623, ...".
QString ProblemReason(const DesignRow& row);

// The caption of a column in the window's header: "File", "Name", ... "Problem".
QString ColumnCaption(int column);

}  // namespace vantrel
