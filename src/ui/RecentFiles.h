#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;
class QTimer;

namespace vantrel {

class SettingsStore;

// The designs last opened or saved, newest first, at most ten, kept in the settings store. One list
// serves every window of the program.
class RecentList : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 10;

    explicit RecentList(SettingsStore& settings, QObject* parent = nullptr);
    ~RecentList() override;

    QStringList Entries() const { return entries_; }
    // Puts the file at the top; an entry already in the list moves up instead of showing twice.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();
    // Writes a change not yet written. Writing the settings file takes tens of milliseconds of
    // waiting, so a change is written a second later, once for a burst of changes, and at the end.
    void Flush();

signals:
    void changed();

private:
    void Store(const QStringList& entries);

    SettingsStore& settings_;
    QStringList entries_;
    QTimer* writeTimer_;
};

// A window's File menu "Recent Files" submenu over the list: its own list until it is given the
// program's one to share.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = RecentList::kMaxEntries;

    explicit RecentFiles(SettingsStore& settings, QObject* parent = nullptr);

    // From now on the menu shows `shared`, and every change goes to it.
    void Share(RecentList& shared);

    QStringList Entries() const { return list_->Entries(); }
    void Add(const QString& path) { list_->Add(path); }
    void Remove(const QString& path) { list_->Remove(path); }
    void Clear() { list_->Clear(); }
    void Flush() { list_->Flush(); }

    // Fills `menu` with the entries and "Clear Recent Files", now and whenever it opens or the list
    // changes. A chosen entry is handed on by `chosen`.
    void Attach(QMenu* menu);

signals:
    void chosen(const QString& path);

private:
    void Rebuild();

    RecentList own_;
    RecentList* list_ = &own_;
    QMetaObject::Connection listChanged_;
    QMenu* menu_ = nullptr;
};

}  // namespace vantrel
