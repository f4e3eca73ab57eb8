// The design library and the comparison windows.

#include "ui/BlkCommands.h"
#include "ui/CompareForm.h"
#include "ui/ControlNames.h"
#include "ui/DesignLibraryForm.h"
#include "ui/Dialogs.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/SheetCommands.h"

#include <QDir>

namespace vantrel {

void MainForm::MLibrary_Click() {
    const GestureScope gesture(*gestures_, "Design Library");
    const bool created = libraryForm_ == nullptr;
    if (created) {
        DesignLibraryForm::Commands commands;
        commands.open = [this](const QString& path) {
            // Queued, as a dropped file is: the question and any refusal come after the key or click.
            QMetaObject::invokeMethod(
                this, [this, path] { OpenOrImport(path); }, Qt::QueuedConnection);
        };
        if (windowCommands_.openInNewWindow) {
            commands.openInNewWindow = [this](const QString& path) {
                QMetaObject::invokeMethod(
                    this, [open = windowCommands_.openInNewWindow, path] { open(path); },
                    Qt::QueuedConnection);
            };
        }
        commands.compare = [this](const QStringList& paths) { OpenCompare(paths); };
        commands.sheets = [this](const QStringList& paths) { sheets_->SheetsOf(paths); };
        libraryForm_ =
            new DesignLibraryForm(ctx_.catalog, settings_, dialogs_, platform_, std::move(commands), this);
        NameControls(*libraryForm_);
        libraryForm_->move(frameGeometry().center() -
                           QPoint(libraryForm_->width() / 2, libraryForm_->height() / 2));
    }
    if (created || !libraryForm_->isVisible()) libraryForm_->Form_Load(files_->DialogFolder());
    if (libraryForm_->isMinimized()) libraryForm_->showNormal();
    libraryForm_->show();
    libraryForm_->raise();
    libraryForm_->activateWindow();
}

void MainForm::OpenOrImport(const QString& path) {
    // A MegaMek unit file is imported; a design file opens.
    if (path.endsWith(QStringLiteral(".blk"), Qt::CaseInsensitive))
        blk_->ImportFile(path);
    else
        files_->OpenDropped(path);
}

void MainForm::MCompare_Click() {
    const GestureScope gesture(*gestures_, "Compare With");
    const QString path = files_->AskDesignFile();
    if (!path.isEmpty()) OpenCompare({QString(), path});
}

void MainForm::OpenCompare(const QStringList& sources) {
    // The open design's own file stands for the open design, which the window follows live.
    QStringList designs;
    const QString openFile = QString::fromStdString(ctx_.DesignFile);
    for (const QString& source : sources) {
        const bool open =
            !openFile.isEmpty() && !source.isEmpty() &&
            QDir::cleanPath(QDir(source).absolutePath()) == QDir::cleanPath(QDir(openFile).absolutePath());
        designs << (open ? QString() : source);
    }
    auto* form = new CompareForm(ctx_, *gestures_, this);
    QString problem;
    if (!form->SetDesigns(designs, problem)) {
        delete form;
        dialogs_.Message(this, problem, QStringLiteral("Vantrel"), Dialogs::Icon::Exclamation,
                         Dialogs::Buttons::Ok);
        return;
    }
    NameControls(*form);
    form->move(frameGeometry().center() - QPoint(form->width() / 2, form->height() / 2));
    form->show();
    form->raise();
    form->activateWindow();
}

}  // namespace vantrel
