#pragma once

#include "files/MegaMekNames.h"

#include <QDialog>
#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace vantrel {

struct BlkReportLine;
struct Context;
class Dialogs;
class EditCommands;
class FileCommands;
class GestureTracker;
class SettingsStore;

// What an import of a MegaMek unit could not carry over, one line each with the file's line
// number; read-only, left open beside the design.
class BlkReportForm : public QDialog {
    Q_OBJECT
public:
    explicit BlkReportForm(QWidget* parent);
    void Show(const QString& fileName, const std::vector<BlkReportLine>& report);
    QString Text() const;

private:
    QPlainTextEdit* TextReport;
};

// File > Export MegaMek Unit... and Import MegaMek Unit..., Edit > Copy Readout and Copy Readout
// for Chat. The menu entries are made here and put into the window's menus by AddTo.
class BlkCommands : public QObject {
    Q_OBJECT
public:
    BlkCommands(Context& ctx, GestureTracker& gestures, Dialogs& dialogs, SettingsStore& settings,
                FileCommands& files, EditCommands& edits, QWidget* window);
    // The two file entries go before `before` in `file`; the two copy entries at the end of `edit`.
    void AddTo(QMenu* file, QAction* before, QMenu* edit);

    void MExportBlk_Click();
    void MImportBlk_Click();
    // The same import of a unit file already chosen (a row of the design library), with the
    // unsaved-changes question first.
    void ImportFile(const QString& path);
    void MCopyReadout_Click();
    void MCopyReadoutChat_Click();

    BlkReportForm* ReportForm() const { return report_; }
    // The readout of the design as it stands, and inside a Markdown code block.
    QString ReadoutText() const;
    QString ChatText() const;

private:
    bool Names(MegaMekNameTable& out);
    void Import(const QString& path, const MegaMekNameTable& names);
    void Warn(const QString& text);
    Context& ctx_;
    GestureTracker& gestures_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    FileCommands& files_;
    EditCommands& edits_;
    QWidget* window_;
    BlkReportForm* report_ = nullptr;
};

}  // namespace vantrel
