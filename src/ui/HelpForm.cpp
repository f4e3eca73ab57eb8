#include "ui/HelpForm.h"

#include "ui/EscapeCloses.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantrel {

HelpForm::HelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Vantrel Help"));
    TextGuide = new QTextBrowser(this);
    TextGuide->setOpenLinks(false);  // the guide has no links; nothing leaves the window
    TextGuide->setSource(QUrl(QStringLiteral("qrc:/help/guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextGuide);
    CancelOnEscape(this, [this] { close(); });
    resize(700, 580);  // the command lines of the guide fit without a sideways scroll
}

void HelpForm::Form_Load() {
    TextGuide->verticalScrollBar()->setValue(0);
    TextGuide->setFocus(Qt::OtherFocusReason);  // the arrows and PgDown scroll the guide at once
}

}  // namespace vantrel
