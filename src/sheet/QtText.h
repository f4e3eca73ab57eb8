#pragma once

// The core keeps its texts as UTF-8 in std::string; the windows and the sheet speak QString.

#include <QFile>
#include <QString>

#include <string>

namespace vantrel {

inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QString ToQString(const char* utf8) { return QString::fromUtf8(utf8); }

// A path as the file functions of the core take it: in the file system's own encoding.
inline std::string FileSystemName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace vantrel
