// The name and model boxes, and the close request handed to the file commands.

#include "model/Context.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace vantrel {

namespace {

// The texts cannot carry a double quote in a design file: the character is taken out of the box.
QString WithoutQuotes(QLineEdit* box) {
    QString text = box->text();
    if (!text.contains(QLatin1Char('"'))) return text;
    const int cursor = box->cursorPosition();
    const int removedBefore = box->text().left(cursor).count(QLatin1Char('"'));
    text.remove(QLatin1Char('"'));
    const QSignalBlocker block(box);
    box->setText(text);
    box->setCursorPosition(cursor - removedBefore);
    return text;
}

}  // namespace

void MainForm::closeEvent(QCloseEvent* e) {
    if (files_->Form_QueryUnload())
        e->accept();
    else
        e->ignore();
}

void MainForm::TextMechName_Change() {
    const GestureScope gesture(*gestures_, "Name");
    ctx_.design.MechName = WithoutQuotes(TextMechName).toStdString();
}

void MainForm::TextModel_Change() {
    const GestureScope gesture(*gestures_, "Model");
    ctx_.design.Model = WithoutQuotes(TextModel).toStdString();
}

}  // namespace vantrel
