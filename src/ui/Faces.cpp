#include "ui/Faces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// The desktop size the fixed texts were laid out at (the classic desktop's 9 points).
constexpr qreal kLayoutPoints = 9.0;
// A desktop font outside this range is taken as a mistake of the desktop rather than a wish.
constexpr qreal kMinScale = 0.5;
constexpr qreal kMaxScale = 4.0;

}  // namespace

qreal DesktopFontScale() {
    const QFont desktop = QGuiApplication::font();
    // A desktop font given in pixels has no point size of its own; the font system converts it.
    const qreal points = desktop.pointSizeF() > 0 ? desktop.pointSizeF() : QFontInfo(desktop).pointSizeF();
    if (!(points > 0)) return 1.0;
    return std::clamp(points / kLayoutPoints, kMinScale, kMaxScale);
}

int ScaledPx(int px) { return static_cast<int>(std::lround(px * DesktopFontScale())); }

// Where Arial is missing the metric-compatible Liberation Sans (or its twin Arimo) keeps every
// caption the width it was laid out for. The face is picked once from those installed: naming a
// missing family made the font system search its fallbacks three times over at start-up.
QFont FixedFace(qreal points) {
    static const QStringList faces = [] {
        QStringList wanted{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("Arimo")};
        QFont::insertSubstitutions(wanted.first(), wanted.mid(1));
        // A face installed under its own name first: asking for a name resolves the desktop's aliases,
        // a search of its own for each name.
        const QStringList installed = QFontDatabase::families();
        for (const QString& face : wanted)
            if (installed.contains(face, Qt::CaseInsensitive)) return QStringList{face};
        for (const QString& face : wanted)
            if (QFontDatabase::hasFamily(face)) return QStringList{face};
        return wanted;
    }();
    QFont f(faces.first());
    f.setPointSizeF(points * DesktopFontScale());
    f.setFamilies(faces);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QPixmap ForRatio(const QImage& picture, qreal ratio) {
    if (picture.isNull() || !(ratio > 1.0)) return QPixmap::fromImage(picture);
    const bool whole = std::abs(ratio - std::round(ratio)) < 0.01;
    const QSize size(static_cast<int>(std::lround(picture.width() * ratio)),
                     static_cast<int>(std::lround(picture.height() * ratio)));
    QPixmap out = QPixmap::fromImage(picture.scaled(
        size, Qt::IgnoreAspectRatio, whole ? Qt::FastTransformation : Qt::SmoothTransformation));
    out.setDevicePixelRatio(ratio);
    return out;
}

}  // namespace vantrel
