#include "ui/EscapeCloses.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace vantrel {

namespace {

// Sees the Escape key that no control of the window took for itself.
class EscapeFilter : public QObject {
public:
    EscapeFilter(QWidget* window, std::function<void()> cancel)
        : QObject(window), cancel_(std::move(cancel)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                cancel_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> cancel_;
};

}  // namespace

void CancelOnEscape(QWidget* window, std::function<void()> cancel) {
    window->installEventFilter(new EscapeFilter(window, std::move(cancel)));
}

QPushButton* AddCloseRow(QWidget* window, QBoxLayout* layout) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), window);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    close->setAutoDefault(true);  // a focused button takes Enter as well as Space
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    return close;
}

}  // namespace vantrel
