#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace vantrel {

// The per-user settings of application "Quillmoor", section "Vantrel". Values are stored as
// texts; a missing value reads as its default.
class SettingsStore {
public:
    // The user's real store.
    SettingsStore();
    // A store kept in the given INI file (tests).
    explicit SettingsStore(const QString& iniFile);

    QString Read(const QString& key, const QString& defaultValue) const;
    // The numeric value of the stored text; non-numeric text counts as 0.
    int ReadNumber(const QString& key, int defaultValue) const;
    void Write(const QString& key, const QString& value);

private:
    std::unique_ptr<QSettings> settings_;
};

// Keys and defaults.
inline const QString kKeySplash = QStringLiteral("Splash");        // default 1
inline const QString kKeyFileAssoc = QStringLiteral("FileAssoc");  // default 0
inline const QString kKeyBiped = QStringLiteral("Biped");          // default 0
// The program path the per-user file-type registration serves (the installed program's path once the
// installed files serve); default empty.
inline const QString kKeyFileAssocPath = QStringLiteral("FileAssocPath");
// The designs last opened or saved, newest first (a JSON array of paths); default empty.
inline const QString kKeyRecentFiles = QStringLiteral("RecentFiles");
// The folder of the last file chosen in the Open or Save As dialog; default empty.
inline const QString kKeyLastFolder = QStringLiteral("LastFolder");
// The record sheet's squad size: 1..6, or 0 for the squad of the design's technology base.
inline const QString kKeySheetTroopers = QStringLiteral("SheetTroopers");  // default 0
// The record sheet's paper: "A4" or "Letter".
inline const QString kKeySheetPaper = QStringLiteral("SheetPaper");  // default A4
// The record sheet's kind: "Play" (squads for the table) or "Design" (slots, figure and notes).
inline const QString kKeySheetKind = QStringLiteral("SheetKind");  // default Play
// The year written into MegaMek unit files (the unit's introduction year there).
inline const QString kKeyMegaMekYear = QStringLiteral("MegaMekYear");  // default 3075
// The main window's place and size when it was last closed (Qt's saved geometry, base 64).
inline const QString kKeyWindowGeometry = QStringLiteral("MainWindowGeometry");  // default empty

// The folder the design library showed last; default empty (the dialogs' folder).
inline const QString kKeyLibraryFolder = QStringLiteral("LibraryFolder");
// The design library's column widths and sort order (the header's saved state, base 64).
inline const QString kKeyLibraryColumns = QStringLiteral("LibraryColumns");  // default empty

}  // namespace vantrel
