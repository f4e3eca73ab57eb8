#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

#include <functional>

class QMouseEvent;

namespace vantrel {

// A label that reports a click: left button pressed and released over it.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

// Pause after each fade frame, so that 26 frames take the better part of a second whatever the
// machine's speed. Tests set the forms' frame time to 0.
constexpr int kFadeFrameMs = 30;

// How a fade runs: the levels from `from` towards `to` (both inclusive when reached) in steps of
// `step`, a pause after each frame, an observer of each frame, and a test asked after each frame
// whether to go on (false stops the fade early, e.g. when its window was closed meanwhile).
struct FadeSteps {
    int from = 0;
    int to = 250;
    int step = 10;
    int frameMs = kFadeFrameMs;
    std::function<void(int level)> onFrame;
    std::function<bool()> keepGoing;
};

// Shows `picture` on `target` darkened to each level of the fade, letting pending window events run
// after each frame so the window stays responsive. A working copy is faded and then restored from a
// full-brightness copy, so rounding never accumulates. Returns false when `keepGoing` stopped it.
bool FadePicture(QLabel& target, const QImage& picture, const FadeSteps& steps);

}  // namespace vantrel
