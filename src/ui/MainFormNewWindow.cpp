// File > New Window and Open in New Window: the program's set of windows makes the window, this one
// only asks for the file.

#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"

#include <QAction>

#include <utility>

namespace vantrel {

void MainForm::SetWindowCommands(WindowCommands commands) {
    windowCommands_ = std::move(commands);
    MNewWindow->setVisible(static_cast<bool>(windowCommands_.newWindow));
    MOpenNewWindow->setVisible(static_cast<bool>(windowCommands_.openInNewWindow));
}

void MainForm::MNewWindow_Click() {
    if (windowCommands_.newWindow) windowCommands_.newWindow();
}

void MainForm::MOpenNewWindow_Click() {
    if (!windowCommands_.openInNewWindow) return;
    QString path;
    {
        // The dialog belongs to this window; the design it names opens in the new one.
        const GestureScope gesture(*gestures_, "Open in New Window");
        path = files_->AskDesignFile();
    }
    if (!path.isEmpty()) windowCommands_.openInNewWindow(path);
}

}  // namespace vantrel
