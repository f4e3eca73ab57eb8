// The name and model boxes, and the close request handed to the file commands.

#include "model/Context.h"
#include "platform/SettingsStore.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/StorableText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

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
    KeepOnScreen();
}

// A stored place off every screen or a size beyond the screen (a damaged entry, a screen since
// removed) comes back onto the screen the window is nearest to, and within it.
void MainForm::KeepOnScreen() {
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize border = frame.size() - size();
    QSize inner = size().boundedTo(room.size() - border).expandedTo(minimumSize());
    if (inner != size()) resize(inner);
    const QSize outer = inner + border;
    // The top left corner first: the title bar stays reachable when the window is larger than the room.
    const int x = std::max(room.left(), std::min(frame.left(), room.right() + 1 - outer.width()));
    const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != frame.topLeft()) move(x, y);
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
