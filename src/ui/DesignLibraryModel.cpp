#include "ui/DesignLibraryModel.h"

#include "rules/Tables.h"

#include <QBrush>
#include <QColor>
#include <QDir>

#include <charconv>
#include <climits>
#include <unordered_set>

namespace vantrel {

namespace {

const char* const kCaptions[kDesignColumnCount] = {
    "File",       "Name",    "Model",    "Chassis",          "Weight Class", "Tech Base",
    "Ground MP",  "Jump MP", "VTOL MP",  "UMU MP",           "Armor Type",   "Armor Points",
    "Current Kg", "Free Kg", "Max Heat", "Heat Dissipation", "Free CSlots",  "Estimated BV",
    "Cost",       "Errors",  "Warnings", "Problem",
};

const QColor kProblemColour(192, 0, 0);

int64_t Number(const std::string& text) {
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : LLONG_MIN;
}

// Unreadable rows sort before every design; weight classes sort by size, not by name.
void MakeKeys(LibraryEntry& e) {
    for (int c = 0; c < kDesignColumnCount; ++c) {
        if (IsNumericColumn(c)) e.keys[c] = Number(e.row[c]);
    }
    e.keys[kColWeightClass] = -1;
    for (int i = 0; i < kWeightClassCount; ++i)
        if (std::string(kWeightClassNames[i]).rfind(e.row[kColWeightClass] + " - ", 0) == 0 &&
            !e.row[kColWeightClass].empty())
            e.keys[kColWeightClass] = i;
}

}  // namespace

QString ProblemReason(const DesignRow& row) {
    const std::string& problem = row[kColProblem];
    const std::string named = row[kColFile] + ": ";
    const auto at = problem.find(named);
    return QString::fromStdString(at == std::string::npos ? problem : problem.substr(at + named.size()));
}

QString ColumnCaption(int column) { return QString::fromLatin1(kCaptions[column]); }

DesignLibraryModel::DesignLibraryModel(QObject* parent) : QAbstractTableModel(parent) {}

int DesignLibraryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int DesignLibraryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDesignColumnCount;
}

QVariant DesignLibraryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const LibraryEntry& e = entries_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: {
            const QString cell = QString::fromStdString(e.row[column]);
            // The problem column is far to the right; the empty name says why as well.
            if (column == kColName && !e.row.Readable()) return ProblemReason(e.row);
            if (column != kColFile || folder_.isEmpty()) return cell;
            return QDir(folder_).relativeFilePath(cell);
        }
        case kCellRole: return QString::fromStdString(e.row[column]);
        case kSortRole:
            if (IsNumericColumn(column) || column == kColWeightClass)
                return QVariant::fromValue<qlonglong>(e.keys[column]);
            return QString::fromStdString(e.row[column]).toCaseFolded();
        case Qt::ToolTipRole:
            return e.row.Readable() ? QVariant() : QString::fromStdString(e.row[kColProblem]);
        case Qt::ForegroundRole: return e.row.Readable() ? QVariant() : QBrush(kProblemColour);
        case Qt::TextAlignmentRole:
            return IsNumericColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default: return {};
    }
}

QVariant DesignLibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kDesignColumnCount) return {};
    if (role == Qt::DisplayRole) return ColumnCaption(section);
    return {};
}

void DesignLibraryModel::SetFolder(const QString& folder) {
    folder_ = folder;
    if (!entries_.empty()) emit dataChanged(index(0, kColFile), index(rowCount() - 1, kColFile));
}

void DesignLibraryModel::Clear() {
    beginResetModel();
    entries_.clear();
    rowOfPath_.clear();
    endResetModel();
}

void DesignLibraryModel::Put(std::vector<DesignRow>& rows, const std::vector<LibraryStamp>& stamps) {
    std::vector<LibraryEntry> fresh;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LibraryEntry e{std::move(rows[i]), i < stamps.size() ? stamps[i] : LibraryStamp{}, {}};
        MakeKeys(e);
        const QString path = QString::fromStdString(e.row[kColFile]);
        if (const auto it = rowOfPath_.constFind(path); it != rowOfPath_.constEnd()) {
            entries_[static_cast<std::size_t>(*it)] = std::move(e);
            emit dataChanged(index(*it, 0), index(*it, kDesignColumnCount - 1));
        } else {
            fresh.push_back(std::move(e));
        }
    }
    if (fresh.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(fresh.size()) - 1);
    for (LibraryEntry& e : fresh) {
        rowOfPath_.insert(QString::fromStdString(e.row[kColFile]), static_cast<int>(entries_.size()));
        entries_.push_back(std::move(e));
    }
    endInsertRows();
}

void DesignLibraryModel::KeepOnly(const std::vector<std::string>& present) {
    const std::unordered_set<std::string> keep(present.begin(), present.end());
    // Removed from the end, so the rows before stay where they are.
    for (int r = rowCount() - 1; r >= 0; --r) {
        if (keep.count(entries_[static_cast<std::size_t>(r)].row[kColFile])) continue;
        beginRemoveRows({}, r, r);
        entries_.erase(entries_.begin() + r);
        endRemoveRows();
    }
    rowOfPath_.clear();
    for (int r = 0; r < rowCount(); ++r)
        rowOfPath_.insert(QString::fromStdString(entries_[static_cast<std::size_t>(r)].row[kColFile]), r);
}

QHash<QString, LibraryStamp> DesignLibraryModel::Stamps() const {
    QHash<QString, LibraryStamp> stamps;
    for (const LibraryEntry& e : entries_) stamps.insert(QString::fromStdString(e.row[kColFile]), e.stamp);
    return stamps;
}

DesignLibraryFilter::DesignLibraryFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(DesignLibraryModel::kSortRole);
    setDynamicSortFilter(true);
}

void DesignLibraryFilter::SetText(const QString& text) {
    text_ = text.trimmed();
    invalidateFilter();
}

void DesignLibraryFilter::SetColumnValue(int column, const QString& value) {
    if (value.isEmpty())
        values_.remove(column);
    else
        values_.insert(column, value);
    invalidateFilter();
}

void DesignLibraryFilter::SetErrorsOnly(bool on) {
    errorsOnly_ = on;
    invalidateFilter();
}

bool DesignLibraryFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto* model = static_cast<const DesignLibraryModel*>(sourceModel());
    const LibraryEntry& e = model->Entry(sourceRow);
    if (errorsOnly_ && e.row.Readable() && e.keys[kColErrors] <= 0) return false;
    for (auto it = values_.constBegin(); it != values_.constEnd(); ++it)
        if (QString::fromStdString(e.row[it.key()]) != it.value()) return false;
    if (text_.isEmpty()) return true;
    return QString::fromStdString(e.row[kColName]).contains(text_, Qt::CaseInsensitive) ||
           QString::fromStdString(e.row[kColModel]).contains(text_, Qt::CaseInsensitive);
}

bool DesignLibraryFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    // Read from the rows themselves: through data() a sort of 10,000 rows made a million texts.
    const auto* model = static_cast<const DesignLibraryModel*>(sourceModel());
    const LibraryEntry& a = model->Entry(left.row());
    const LibraryEntry& b = model->Entry(right.row());
    const int column = left.column();
    if (IsNumericColumn(column) || column == kColWeightClass) {
        if (a.keys[column] != b.keys[column]) return a.keys[column] < b.keys[column];
    } else if (const int order = QString::fromStdString(a.row[column])
                                     .compare(QString::fromStdString(b.row[column]), Qt::CaseInsensitive);
               order != 0) {
        return order < 0;
    }
    // Equal keys fall back on the path, so equal rows keep one order.
    return a.row[kColFile] < b.row[kColFile];
}

}  // namespace vantrel
