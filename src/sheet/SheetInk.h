#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace vantrel {

// Drawing in millimetres on a device of any resolution, in black on white: what prints the same
// on any grey scale.
class MmPainter {
public:
    explicit MmPainter(QPainter& p) : p_(p), k_(p.device()->logicalDpiY() / 25.4) {}

    static QFont Font(double pt, bool bold = false) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(pt);
        f.setBold(bold);
        return f;
    }
    double Width(const QFont& f, const QString& text) const {
        return QFontMetricsF(f, p_.device()).horizontalAdvance(text) / k_;
    }
    double LineHeight(const QFont& f) const { return QFontMetricsF(f, p_.device()).height() / k_; }
    QString Elide(const QFont& f, const QString& text, double width) const {
        return QFontMetricsF(f, p_.device()).elidedText(text, Qt::ElideRight, width * k_);
    }
    void Text(const QRectF& r, const QString& text, const QFont& f, int align = Qt::AlignLeft) {
        p_.setFont(f);
        p_.setPen(Qt::black);
        p_.drawText(Px(r), align | Qt::AlignVCenter | Qt::TextSingleLine, Elide(f, text, r.width()));
    }
    void Frame(const QRectF& r, double line, const QColor& fill = Qt::transparent) {
        p_.setPen(QPen(Qt::black, line * k_));
        p_.setBrush(fill == Qt::transparent ? QBrush(Qt::NoBrush) : QBrush(fill));
        p_.drawRect(Px(r));
    }
    void Fill(const QRectF& r, const QColor& fill) { p_.fillRect(Px(r), fill); }
    void Circle(const QRectF& r, double line) {
        p_.setPen(QPen(Qt::black, line * k_));
        p_.setBrush(Qt::white);
        p_.drawEllipse(Px(r));
    }
    QRectF Px(const QRectF& r) const { return {r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_}; }

    // Greedy word wrap; a word wider than the line is cut where it fills the line. No more than
    // `limit` lines: the last one then ends in "...".
    QStringList Wrap(const QFont& f, const QString& text, double width, int limit) const {
        QStringList lines;
        QString line;
        auto push = [&](const QString& l) { lines << l; };
        for (const QString& word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (Width(f, joined) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty()) push(line);
            line = word;
            while (line.size() > 1 && Width(f, line) > width && lines.size() <= limit) {
                int fits = 1;
                while (fits < line.size() && Width(f, line.left(fits + 1)) <= width) ++fits;
                push(line.left(fits));
                line = line.mid(fits);
            }
            if (lines.size() > limit) break;
        }
        if (!line.isEmpty()) push(line);
        if (lines.size() > limit) {
            lines = lines.mid(0, std::max(1, limit));
            lines.back() = Elide(f, lines.back() + QStringLiteral(" ..."), width);
            if (!lines.back().endsWith(QStringLiteral("..."))) lines.back() += QStringLiteral("...");
        }
        return lines;
    }

private:
    QPainter& p_;
    double k_;
};

}  // namespace vantrel
