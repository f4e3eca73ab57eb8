#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace vantrel {

QString ProgramDirectory() { return QCoreApplication::applicationDirPath(); }

QString CatalogPath() { return QDir(ProgramDirectory()).filePath(QStringLiteral("stuff.plb")); }

}  // namespace vantrel
