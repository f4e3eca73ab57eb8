#pragma once

#include <QFont>
#include <QImage>
#include <QPixmap>

namespace vantrel {

// The desktop's font size against the 9 points the windows were laid out for: 1 on a desktop of
// 9 points, 4/3 on one of 12. Read from the application font, so a test sets it there.
qreal DesktopFontScale();

// A length in pixels of the 9-point layout, grown or shrunk with the desktop's font.
int ScaledPx(int px);

// Arial (or a face of its metrics) at `points` of the 9-point layout, scaled to the desktop.
QFont FixedFace(qreal points);

// `picture` ready for a widget of device pixel ratio `ratio`, drawn at its own size in logical
// pixels: whole ratios double the pixels exactly, others scale smoothly, so the picture is never
// smeared by the painter's own scaling. At ratio 1 the picture itself.
QPixmap ForRatio(const QImage& picture, qreal ratio);

}  // namespace vantrel
