// The name and model boxes, and the close request handed to the file commands.

#include "model/Context.h"
#include "platform/SettingsStore.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/StorableText.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace vantrel {

namespace {

// What a design file cannot carry (a double quote, a character outside its code page) is taken out
// of the box.
QString WithoutQuotes(QLineEdit* box) {
    int cursor = box->cursorPosition();
    QString text = StorableText(box->text(), cursor);
    if (text == box->text()) return text;
    const QSignalBlocker block(box);
    box->setText(text);
    box->setCursorPosition(cursor);
    return text;
}

}  // namespace

void MainForm::closeEvent(QCloseEvent* e) {
    if (files_->Form_QueryUnload()) {
        SaveWindowGeometry();
        e->accept();
    } else {
        e->ignore();
    }
}

void MainForm::SaveWindowGeometry() {
    settings_.Write(kKeyWindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
}

void MainForm::RestoreWindowGeometry() {
    const QString stored = settings_.Read(kKeyWindowGeometry, QString());
    // A size below today's minimum (a larger desktop font since) is raised to it by the window.
    if (!stored.isEmpty()) restoreGeometry(QByteArray::fromBase64(stored.toLatin1()));
}

void MainForm::TextMechName_Change() {
    const GestureScope gesture(*gestures_, "Name", GestureKind::Continues);
    ctx_.design.MechName = WithoutQuotes(TextMechName).toStdString();
}

void MainForm::TextModel_Change() {
    const GestureScope gesture(*gestures_, "Model", GestureKind::Continues);
    ctx_.design.Model = WithoutQuotes(TextModel).toStdString();
}

}  // namespace vantrel
