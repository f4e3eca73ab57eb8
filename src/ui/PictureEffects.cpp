#include "ui/PictureEffects.h"

#include "ui/DibSection.h"
#include "ui/Faces.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace vantrel {

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        pressed_ = true;
        e->accept();
        return;
    }
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        e->accept();
        if (rect().contains(e->position().toPoint()) && onClick) onClick();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

namespace {

// Lets pending events run; with a frame time, also waits out the rest of the frame without spinning.
void LetEventsRun(int frameMs) {
    QCoreApplication::processEvents();
    if (frameMs <= 0) return;
    QEventLoop wait;
    QTimer::singleShot(frameMs, &wait, &QEventLoop::quit);
    wait.exec();
}

}  // namespace

bool FadePicture(QLabel& target, const QImage& picture, const FadeSteps& steps) {
    DibSection work;
    DibSection full;
    const bool ready = work.CreateFromPicture(picture) && full.Create(work.Width(), work.Height());
    if (ready) work.PaintPicture(full);
    if (steps.step == 0) return true;
    for (int level = steps.from; steps.step > 0 ? level <= steps.to : level >= steps.to;
         level += steps.step) {
        if (ready) {
            Fade(work, level);
            target.setPixmap(ForRatio(work.ToImage(), target.devicePixelRatioF()));
        }
        if (steps.onFrame) steps.onFrame(level);
        LetEventsRun(steps.frameMs);
        if (steps.keepGoing && !steps.keepGoing()) return false;
        if (ready) full.PaintPicture(work);
    }
    return true;
}

}  // namespace vantrel
