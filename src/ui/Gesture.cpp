#include "ui/Gesture.h"

#include <utility>

namespace vantrel {

void GestureTracker::Open(const char* name, GestureKind kind) {
    if (depth_++ > 0) return;
    ++count_;
    name_ = QString::fromUtf8(name);
    kind_ = kind;
    emit gestureStarted(name_);
}

void GestureTracker::Close() {
    if (depth_ == 0 || --depth_ > 0) return;
    // The name is cleared first, so a listener that starts a gesture of its own starts it afresh.
    const QString name = std::exchange(name_, QString());
    emit gestureEnded(name);
    kind_ = GestureKind::Whole;
}

}  // namespace vantrel
