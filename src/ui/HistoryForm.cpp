#include "ui/HistoryForm.h"

#include "model/Context.h"
#include "ui/EscapeCloses.h"
#include "ui/Gesture.h"
#include "ui/StorableText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <optional>

namespace vantrel {

namespace {

// The design keeps line breaks as CR LF (as the file holds them); the box works with LF.
QString ToBox(const std::string& notes) {
    QString text = QString::fromStdString(notes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string FromBox(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace

NoQuoteTextEdit::NoQuoteTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] { RemoveQuotes(); });
}

void NoQuoteTextEdit::RemoveQuotes() {
    // One replacement of the whole text: removing quote by quote re-laid the text out each time,
    // which made pasting many quotes take seconds.
    if (removing_) return;
    const QString text = toPlainText();
    int position = textCursor().position();
    const QString kept = StorableText(text, position);
    if (kept == text) return;
    removing_ = true;
    QTextCursor all(document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(kept);
    all.endEditBlock();
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    removing_ = false;
}

HistoryForm::HistoryForm(Context& ctx, QWidget* parent, GestureTracker* gestures)
    : QWidget(parent, Qt::Window), ctx_(ctx), gestures_(gestures) {
    TextHistory = new NoQuoteTextEdit(this);
    TextHistory->setTabChangesFocus(true);
    ComChange = new QPushButton(QStringLiteral("Change"), this);
    ComCancel = new QPushButton(QStringLiteral("Cancel"), this);
    // A focused button takes Enter as a dialog's does (a plain window's buttons take only Space).
    ComChange->setAutoDefault(true);
    ComCancel->setAutoDefault(true);
    connect(TextHistory, &QPlainTextEdit::textChanged, this, &HistoryForm::notesEdited);
    connect(ComChange, &QPushButton::clicked, this, [this] { ComChange_Click(); });
    connect(ComCancel, &QPushButton::clicked, this, [this] { ComCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ComChange);
    buttons->addWidget(ComCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextHistory, 1);
    layout->addLayout(buttons);
    resize(420, 280);
    CancelOnEscape(this, [this] { ComCancel_Click(); });
}

void HistoryForm::Form_Load() {
    setWindowTitle(QStringLiteral("History - ") + QString::fromStdString(ctx_.design.MechName));
    TextHistory->setPlainText(ToBox(ctx_.design.History));
    // Typing goes into the notes, not into the buttons (a blank would press Change).
    TextHistory->setFocus(Qt::OtherFocusReason);
}

void HistoryForm::ComChange_Click() {
    std::optional<GestureScope> gesture;
    if (gestures_) gesture.emplace(*gestures_, "History Notes");
    // No refresh: nothing the pages show depends on the notes.
    ctx_.design.History = FromBox(TextHistory->toPlainText());
    close();
}

void HistoryForm::ComCancel_Click() { close(); }

std::string HistoryForm::Notes() const { return FromBox(TextHistory->toPlainText()); }

bool HistoryForm::NotesPending() const { return isVisible() && Notes() != ctx_.design.History; }

}  // namespace vantrel
