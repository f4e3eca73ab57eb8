#pragma once

// The core keeps its texts as UTF-8 in std::string; the windows and the sheet speak QString.

#include <QFile>
#include <QString>

#include <string>

namespace vantrel {

inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QString ToQString(const char* utf8) { return QString::fromUtf8(utf8); }

// File names are bytes; most are UTF-8, but not all. A name read from bytes keeps each byte that is
// not part of valid UTF-8 as the lone surrogate U+DC80 + (byte - 0x80), which no valid text holds, so
// the name goes back to the very same bytes (the toolkit's own conversion makes such bytes U+FFFD and
// the file cannot be found again). Shown in a message, such a byte appears as a replacement mark.
QString FileNameFromBytes(const QByteArray& bytes);
QByteArray FileNameBytes(const QString& name);

// A path as the file functions of the core take it: in the file system's own encoding.
// The design's name as a file name proposed in a save dialog: a separator in it would name another
// folder, and an empty name takes `fallback`.
inline QString ProposedFileName(const std::string& name, const QString& fallback, const QString& extension) {
    QString out = ToQString(name).trimmed();
    out.replace(QLatin1Char('/'), QLatin1Char('-'));
    out.replace(QLatin1Char('\\'), QLatin1Char('-'));
    return (out.isEmpty() ? fallback : out) + extension;
}

inline std::string FileSystemName(const QString& path) { return FileNameBytes(path).toStdString(); }
// A path the core holds (DesignFile) as a name the windows pass around.
inline QString FileNameFromSystem(const std::string& bytes) {
    return FileNameFromBytes(QByteArray::fromStdString(bytes));
}

}  // namespace vantrel
