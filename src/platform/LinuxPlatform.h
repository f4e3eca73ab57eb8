#pragma once

#include "platform/FileAssociation.h"
#include "platform/Platform.h"

namespace vantrel {

// The desktop services on Linux: the design-file type is registered per user the freedesktop way
// (shared-mime-info package, desktop entry, icon) and documents open through the desktop's handler.
class LinuxPlatform : public Platform {
public:
    // dataDir: the user's data folder; empty means QStandardPaths::GenericDataLocation
    // (~/.local/share, or XDG_DATA_HOME, or the test-mode folder).
    explicit LinuxPlatform(QString dataDir = {}) : dataDir_(std::move(dataDir)) {}

    // The icon is read from the program's resources, which start-up registers.
    void RegisterFileType(const QString& ext, const QString& programPath, const QString& typeName) override;
    void UnregisterFileType(const QString& typeName) override;
    bool ShellDef(const QString& fileName) override;

    // The four values of the last registration (empty before one).
    const FileTypeValues& Registered() const { return registered_; }

private:
    QString DataDir() const;

    QString dataDir_;
    FileTypeValues registered_;
};

}  // namespace vantrel
