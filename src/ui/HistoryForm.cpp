#include "ui/HistoryForm.h"

#include "model/Context.h"
#include "ui/Gesture.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <optional>

namespace vantrel {

namespace {

const QString kQuote = QStringLiteral("\"");

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
    if (removing_) return;
    removing_ = true;
    QTextCursor found = document()->find(kQuote);
    while (!found.isNull()) {
        found.removeSelectedText();
        found = document()->find(kQuote, found);
    }
    removing_ = false;
}

HistoryForm::HistoryForm(Context& ctx, QWidget* parent, GestureTracker* gestures)
    : QWidget(parent, Qt::Window), ctx_(ctx), gestures_(gestures) {
    TextHistory = new NoQuoteTextEdit(this);
    TextHistory->setTabChangesFocus(true);
    ComChange = new QPushButton(QStringLiteral("Change"), this);
    ComCancel = new QPushButton(QStringLiteral("Cancel"), this);
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
}

void HistoryForm::Form_Load() {
    setWindowTitle(QStringLiteral("History - ") + QString::fromStdString(ctx_.design.MechName));
    TextHistory->setPlainText(ToBox(ctx_.design.History));
}

void HistoryForm::ComChange_Click() {
    std::optional<GestureScope> gesture;
    if (gestures_) gesture.emplace(*gestures_, "History Notes");
    // The notes alone are not a change of the design: no refresh, Saved untouched.
    ctx_.design.History = FromBox(TextHistory->toPlainText());
    close();
}

void HistoryForm::ComCancel_Click() { close(); }

}  // namespace vantrel
