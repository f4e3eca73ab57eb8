#pragma once

#include <functional>

class QWidget;

namespace vantrel {

// Escape in `window` runs `cancel`, as a dialog's Cancel would.
void CancelOnEscape(QWidget* window, std::function<void()> cancel);

}  // namespace vantrel
