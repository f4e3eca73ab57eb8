#pragma once

#include <QString>

namespace vantrel {

// Takes out what a design file cannot carry: the double quote and characters outside Windows-1252
// (written as '?', they would differ from what the box showed). `cursor`, a position in `text`,
// moves to the same place in the result.
QString StorableText(const QString& text, int& cursor);

}  // namespace vantrel
