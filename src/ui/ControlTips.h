#pragma once

class QWidget;

namespace vantrel {

// Gives every control under `window` that has a tip (found by its name; an indexed control such as
// BodyCrit_3 by the name before its index) a tooltip saying what it sets and within what range.
void SetToolTips(QWidget& window);

}  // namespace vantrel
