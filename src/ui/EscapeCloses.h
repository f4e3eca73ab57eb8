#pragma once

#include <functional>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace vantrel {

// Escape in `window` runs `cancel`, as a dialog's Cancel would.
void CancelOnEscape(QWidget* window, std::function<void()> cancel);

// A row at the end of `layout` with a "Close" button on the right that closes `window`.
QPushButton* AddCloseRow(QWidget* window, QBoxLayout* layout);

}  // namespace vantrel
