#pragma once

#include <QString>

namespace vantrel {

// The four values a registration of the design-file type stands for, as the Windows shell keeps
// them: the type name (default value of the type key), the extension key naming that type, the
// open command and the icon.
struct FileTypeValues {
    QString typeName;      // "Vantrel"
    QString extensionKey;  // "." + extension: ".VNT"
    QString openCommand;   // program path, a blank, then "%1" in double quotes
    QString icon;          // program path followed by ",0"

    bool operator==(const FileTypeValues&) const = default;
};

FileTypeValues MakeFileTypeValues(const QString& ext, const QString& programPath, const QString& typeName);

// MIME type name for the type: "application/x-" + lower-case type name.
QString MimeTypeName(const QString& typeName);

// The shared-mime-info package declaring the type for "*.<ext>" in any letter case.
QString MimePackageXml(const FileTypeValues& values);

// The desktop entry whose command opens a document with the program at programPath.
QString DesktopEntry(const FileTypeValues& values, const QString& programPath);

// One argument of a desktop entry's Exec key, quoted and escaped so that any path survives.
QString DesktopExecArgument(const QString& arg);

// Writes the per-user registration under dataDir (the user's data folder, ~/.local/share):
// mime/packages/<type>.xml, applications/<type>.desktop and, when iconSource exists,
// icons/hicolor/256x256/apps/<type>.png. Then refreshes the desktop's databases when their
// tools exist. Failures are ignored: a missing registration only costs a file-manager nicety.
void RegisterPerUser(const QString& dataDir, const FileTypeValues& values, const QString& programPath,
                     const QString& iconSource, bool runTools);

// Removes the three files RegisterPerUser writes for the type, then refreshes the databases.
void UnregisterPerUser(const QString& dataDir, const QString& typeName, bool runTools);

// True for an installed program: <prefix>/lib/vantrel/<program> with the installed desktop entry
// <prefix>/share/applications/vantrel.desktop beside it, whose files make a per-user registration needless.
bool IsInstalledProgram(const QString& programPath);

// What start-up does about the per-user registration.
enum class RegistrationStep {
    None,      // the registration in force serves the running program
    Register,  // none yet, or it names another program (moved or rebuilt elsewhere)
    TakeBack,  // the installed program runs and a per-user registration would hide the installed files
};
// fileAssoc: the numeric "FileAssoc" setting; registeredPath: the program the registration serves,
// as recorded at the last registration (empty when none was recorded).
RegistrationStep NextRegistrationStep(int fileAssoc, const QString& registeredPath,
                                      const QString& programPath, bool installed);

}  // namespace vantrel
