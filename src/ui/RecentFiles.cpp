#include "ui/RecentFiles.h"

#include "platform/SettingsStore.h"
#include "sheet/QtText.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QTimer>

namespace vantrel {

namespace {

// The same file reached by another spelling of its path is the same entry.
QString Normalized(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// A name whose bytes are not UTF-8 cannot be a JSON text: it is kept as a file URL of its bytes
// ("file:///home/me/%FF.vnt"). The stored paths are absolute, so a plain one never starts so.
const QString kBytesPrefix = QStringLiteral("file://");

QString Stored(const QString& path) {
    const QByteArray bytes = FileNameBytes(path);
    if (bytes == path.toUtf8()) return path;
    return kBytesPrefix + QString::fromLatin1(bytes.toPercentEncoding("/"));
}

QString FromStored(const QString& entry) {
    if (!entry.startsWith(kBytesPrefix)) return entry;
    return FileNameFromBytes(QByteArray::fromPercentEncoding(entry.mid(kBytesPrefix.size()).toLatin1()));
}

// A path may hold any character but NUL, so the list is kept as a JSON array of texts.
QStringList Parse(const QString& text) {
    QStringList out;
    const QJsonArray array = QJsonDocument::fromJson(text.toUtf8()).array();
    for (const auto& v : array) {
        const QString path = FromStored(v.toString());
        if (!path.isEmpty() && !out.contains(path)) out << path;
        if (out.size() == RecentFiles::kMaxEntries) break;
    }
    return out;
}

QString EntryText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    // The access keys 1 to 9, then 0 for the tenth.
    const QString number = index < 9 ? QLatin1Char('&') + QString::number(index + 1) : QStringLiteral("1&0");
    return number + QLatin1Char(' ') + shown;
}

}  // namespace

RecentList::RecentList(SettingsStore& settings, QObject* parent)
    : QObject(parent),
      settings_(settings),
      entries_(Parse(settings.Read(kKeyRecentFiles, QString()))),
      writeTimer_(new QTimer(this)) {
    writeTimer_->setSingleShot(true);
    writeTimer_->setInterval(1000);
    connect(writeTimer_, &QTimer::timeout, this, &RecentList::Flush);
}

RecentList::~RecentList() { Flush(); }

void RecentList::Flush() {
    if (!writeTimer_->isActive()) return;
    writeTimer_->stop();
    QStringList stored;
    for (const QString& entry : entries_) stored << Stored(entry);
    settings_.Write(
        kKeyRecentFiles,
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(stored)).toJson(QJsonDocument::Compact)));
}

void RecentList::Add(const QString& path) {
    const QString entry = Normalized(path);
    QStringList entries = Entries();
    if (!entries.isEmpty() && entries.front() == entry) return;  // every save of the same file
    entries.removeAll(entry);
    entries.prepend(entry);
    while (entries.size() > kMaxEntries) entries.removeLast();
    Store(entries);
}

void RecentList::Remove(const QString& path) {
    QStringList entries = Entries();
    if (entries.removeAll(Normalized(path)) + entries.removeAll(path) > 0) Store(entries);
}

void RecentList::Clear() { Store({}); }

void RecentList::Store(const QStringList& entries) {
    entries_ = entries;
    writeTimer_->start();
    emit changed();
}

RecentFiles::RecentFiles(SettingsStore& settings, QObject* parent) : QObject(parent), own_(settings) {
    listChanged_ = connect(&own_, &RecentList::changed, this, &RecentFiles::Rebuild);
}

void RecentFiles::Share(RecentList& shared) {
    own_.Flush();
    disconnect(listChanged_);
    list_ = &shared;
    listChanged_ = connect(list_, &RecentList::changed, this, &RecentFiles::Rebuild);
    Rebuild();
}

void RecentFiles::Attach(QMenu* menu) {
    menu_ = menu;
    Rebuild();
}

void RecentFiles::Rebuild() {
    if (!menu_) return;
    menu_->clear();
    const QStringList entries = Entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString& path = entries[i];
        QAction* action = menu_->addAction(EntryText(i, path));
        action->setToolTip(QDir::toNativeSeparators(path));
        // Queued: the entry's menu has closed and the action is not deleted under its own signal
        // when the open rebuilds the list.
        connect(
            action, &QAction::triggered, this, [this, path] { emit chosen(path); }, Qt::QueuedConnection);
    }
    if (!entries.isEmpty()) menu_->addSeparator();
    QAction* clear = menu_->addAction(QStringLiteral("Clear Recent Files"));
    clear->setEnabled(!entries.isEmpty());
    connect(clear, &QAction::triggered, list_, &RecentList::Clear, Qt::QueuedConnection);
}

}  // namespace vantrel
