#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

namespace vantrel {

// The operating-system services the main window needs: registering the design file type with the
// desktop and opening a document with the user's default program. Tests pass recorders.
class Platform {
public:
    virtual ~Platform() = default;
    virtual void RegisterFileType(const QString& ext, const QString& programPath,
                                  const QString& typeName) = 0;
    // Takes back a per-user registration of the type; the installed files serve instead.
    virtual void UnregisterFileType(const QString& typeName) { (void)typeName; }
    // True when the program at programPath is an installed one (see IsInstalledProgram).
    virtual bool IsInstalled(const QString& programPath);
    // Opens the file with its default program; false when none could be started.
    virtual bool ShellDef(const QString& fileName) = 0;
    // Shows the folder holding the file in the desktop's file manager; false when none could be started.
    virtual bool ShowInFolder(const QString& fileName) {
        return ShellDef(QFileInfo(fileName).absolutePath());
    }
    // Full path of the running program, as the file-type registration names it.
    virtual QString ProgramPath() { return QCoreApplication::applicationFilePath(); }
};

// Does nothing: for tests and for builds without desktop integration.
class NullPlatform : public Platform {
public:
    void RegisterFileType(const QString&, const QString&, const QString&) override {}
    bool ShellDef(const QString&) override { return true; }
    bool IsInstalled(const QString&) override { return false; }
};

}  // namespace vantrel
