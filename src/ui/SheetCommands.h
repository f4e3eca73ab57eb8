#pragma once

#include "ui/Dialogs.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace vantrel {

struct Context;
struct RecordSheet;
struct SheetBook;
class GestureTracker;
class Platform;
class SettingsStore;

// The File menu's record sheet: printed, or exported to a PDF. Both draw the sheet the command line
// writes, from a copy of the state, so the design and its undo steps are left alone.
class SheetCommands : public QObject {
    Q_OBJECT
public:
    // `saveAsFolder` names where Save As starts: the export of a design without a file starts there.
    SheetCommands(Context& ctx, GestureTracker& gestures, Dialogs& dialogs, SettingsStore& settings,
                  Platform& platform, std::function<QString()> saveAsFolder, QWidget* window);

    void MPrintSheet_Click();
    void MExportSheet_Click();
    // The sheets of design files chosen in a file dialog, in one PDF.
    void MSheetsOfSeveral_Click();
    // The sheet question, the PDF's name, then the sheets of `designs` in one PDF (the library's
    // "Record Sheets of Selected" starts here).
    void SheetsOf(const QStringList& designs);

    // The kind, squad size and paper last chosen (a squad of 0 follows the technology base).
    Dialogs::SheetOptions Remembered() const;

private:
    bool AskOptions(Dialogs::SheetOptions& options);
    void Remember(const Dialogs::SheetOptions& options);
    RecordSheet Sheet(const Dialogs::SheetOptions& options) const;
    SheetBook Book(const Dialogs::SheetOptions& options) const;
    void Warn(const QString& text);
    void Show(const QString& path);

    Context& ctx_;
    GestureTracker& gestures_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    Platform& platform_;
    std::function<QString()> saveAsFolder_;
    QWidget* window_;
};

}  // namespace vantrel
