#include "platform/LinuxPlatform.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

namespace vantrel {

namespace {
const QString kIconResource = QStringLiteral(":/art/icon-256.png");
}

bool Platform::IsInstalled(const QString& programPath) { return IsInstalledProgram(programPath); }

QString LinuxPlatform::DataDir() const {
    return dataDir_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                              : dataDir_;
}

void LinuxPlatform::RegisterFileType(const QString& ext, const QString& programPath,
                                     const QString& typeName) {
    registered_ = MakeFileTypeValues(ext, programPath, typeName);
    RegisterPerUser(DataDir(), registered_, programPath, kIconResource, true);
}

void LinuxPlatform::UnregisterFileType(const QString& typeName) {
    registered_ = {};
    UnregisterPerUser(DataDir(), typeName, true);
}

bool LinuxPlatform::ShellDef(const QString& fileName) {
    // A local path, blanks and all, never a command line.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

}  // namespace vantrel
