#include "ui/MainFormControls.h"

#include "equipment/SlotView.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <utility>

namespace vantrel {

ReleaseSlider::ReleaseSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(1);
}

QRect ReleaseSlider::HandleRect() const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
}

void ReleaseSlider::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    QSlider::mousePressEvent(e);
    // Whatever the style does with the button, the release belongs to this slider.
    e->accept();
}

void ReleaseSlider::mouseReleaseEvent(QMouseEvent* e) {
    QSlider::mouseReleaseEvent(e);
    if (!pressed_) return;
    pressed_ = false;
    emit mouseReleased();
}

void ReleaseSlider::keyReleaseEvent(QKeyEvent* e) {
    QSlider::keyReleaseEvent(e);
    // A held key repeats presses; only the real release counts.
    if (!e->isAutoRepeat()) emit keyReleased();
}

MouseUpCheckBox::MouseUpCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void MouseUpCheckBox::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    QCheckBox::mousePressEvent(e);
    e->accept();
}

void MouseUpCheckBox::mouseReleaseEvent(QMouseEvent* e) {
    QCheckBox::mouseReleaseEvent(e);
    if (!pressed_) return;
    pressed_ = false;
    emit mouseUp();
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::Wheel) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->hasFocus()) return false;
    e->ignore();  // let the page scroll or nothing happen, but leave the list as it is
    return true;
}

bool MenuKeysFirst::eventFilter(QObject*, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    // The design's undo and redo, not the box's own, so that typing undoes as one step with the rest.
    if (k->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) && k->key() == Qt::Key_Z) {
        e->ignore();
        return true;
    }
    if (k->modifiers() != Qt::ControlModifier) return false;
    switch (k->key()) {
        case Qt::Key_Z:
        case Qt::Key_Y:
        case Qt::Key_N:
        case Qt::Key_O:
        case Qt::Key_S:
        case Qt::Key_A:
        case Qt::Key_E:
        case Qt::Key_Q:
            e->ignore();  // not overridden: the shortcut runs
            return true;
        default: return false;
    }
}

QLabel* CaptionLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QComboBox* FixedList(const QStringList& entries, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(entries);
    box->setCurrentIndex(-1);
    // Sized to its entries when first shown (the default), which is sizing to them always while they
    // never change; following them would build the drop-down's view at once rather than when opened.
    return box;
}

void OnSelect(QComboBox* box, QObject* context, std::function<void()> handler) {
    QObject::connect(box, &QComboBox::currentIndexChanged, context,
                     [handler = std::move(handler)](int index) {
                         if (index >= 0) handler();
                     });
}

void SetMaximumQuietly(QSlider* slider, int maximum) {
    constexpr int kMaxSliderValue = 1000;
    const QSignalBlocker block(slider);
    slider->setMaximum(std::clamp(maximum, slider->minimum(), std::max(slider->minimum(), kMaxSliderValue)));
}

std::vector<EntryRun> OwnedEntryRuns(const Context& ctx) {
    std::vector<EntryRun> out;
    for (const OwnedRun& run : OwnedRuns(ctx)) out.push_back({QString::fromStdString(run.text), run.count});
    return out;
}

}  // namespace vantrel
