#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;
class QTimer;

namespace vantrel {

class SettingsStore;

// The designs last opened or saved, newest first, at most ten, kept in the settings store; and the
// File menu's "Recent Files" submenu that shows them.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 10;

    explicit RecentFiles(SettingsStore& settings, QObject* parent = nullptr);
    ~RecentFiles() override;

    QStringList Entries() const;
    // Puts the file at the top; an entry already in the list moves up instead of showing twice.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();
    // Writes a change not yet written. Writing the settings file takes tens of milliseconds of
    // waiting, so a change is written a second later, once for a burst of changes, and at the end.
    void Flush();

    // Fills `menu` with the entries and "Clear Recent Files", now and whenever it opens or the list
    // changes. A chosen entry is handed on by `chosen`.
    void Attach(QMenu* menu);

signals:
    void chosen(const QString& path);

private:
    void Store(const QStringList& entries);
    void Rebuild();

    SettingsStore& settings_;
    QStringList entries_;
    QTimer* writeTimer_;
    QMenu* menu_ = nullptr;
};

}  // namespace vantrel
