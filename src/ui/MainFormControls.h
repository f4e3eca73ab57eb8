#pragma once

#include "model/Context.h"
#include "ui/EntryList.h"

#include <QCheckBox>
#include <QSlider>
#include <QStringList>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;

namespace vantrel {

// A slider that reports the release of a mouse button pressed anywhere on it (handle or track),
// wherever the pointer is then, and the release of a key while it has the focus. Qt's own
// sliderReleased only covers a drag of the handle.
class ReleaseSlider : public QSlider {
    Q_OBJECT
public:
    explicit ReleaseSlider(QWidget* parent = nullptr);

    // Where the handle is drawn now, in the slider's coordinates.
    QRect HandleRect() const;

signals:
    void mouseReleased();
    void keyReleased();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    bool pressed_ = false;
};

// A check box whose tick is written only by the program: a click never toggles it by itself, and a
// mouse button released after a press on it is reported so that the handler changes the design
// state and the refresh writes the tick from it.
class MouseUpCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit MouseUpCheckBox(const QString& text, QWidget* parent = nullptr);

signals:
    void mouseUp();

protected:
    void nextCheckState() override {}
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

// Keeps the mouse wheel from changing a list the user has not clicked into: rolling the wheel over
// the page must not pick another weight class (which empties the design's equipment) by accident.
class WheelGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// Lets the menu's Ctrl shortcuts win over a text box's own use of the same keys
// (Ctrl+A select all, Ctrl+E end of line), so Save As and Export work while typing a name.
class MenuKeysFirst : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// A caption beside a control, left-aligned.
QLabel* CaptionLabel(const QString& text, QWidget* parent);

// A fixed-entry list that starts with no selection, so the first refresh that selects an entry
// runs the list's handler as it does for every later change.
QComboBox* FixedList(const QStringList& entries, QWidget* parent);

// Runs `handler` when the list's index really changes (by the user or a refresh), never for "no
// selection".
void OnSelect(QComboBox* box, QObject* context, std::function<void()> handler);

// Range changes must not let the slider's old position overwrite the design state through the
// value-change handler; the positions are written from the state afterwards. No count a design
// holds goes higher than a thousand; a range of millions (a stored total from a file) takes a
// slider for ever to paint its ticks. The maximum stays between the minimum and that bound, so it
// never drags the minimum along.
void SetMaximumQuietly(QSlider* slider, int maximum);

// The owned lines of the equipment and slot pages as the lists take them: one run per kind, so a
// refill costs the same for a thousand units of a kind as for one.
std::vector<EntryRun> OwnedEntryRuns(const Context& ctx);

}  // namespace vantrel
