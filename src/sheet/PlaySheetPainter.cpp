#include "sheet/PlaySheetPainter.h"

#include "sheet/QtText.h"
#include "sheet/SheetInk.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr double kPad = 1.5;    // inside the frame
constexpr double kPip = 3.2;    // diameter: large enough to tick with a pencil
constexpr double kPitch = 4.0;  // pip to pip
constexpr double kBox = 3.0;    // ammunition tick box
constexpr double kBoxPitch = 3.8;
constexpr double kBodyPt = 7.5;
constexpr double kTablePt = 7;
constexpr double kTitlePt = 10;
constexpr int kMaxPipRows = 4;   // per trooper; beyond that the rest is counted
constexpr int kMaxAmmoRows = 2;  // beyond that the shots are counted, not boxed
constexpr int kNameLines = 2;
const QColor kShade(225, 225, 225);

// Columns right of the weapon's name: damage, minimum, short, medium, long, to-hit modifier.
struct Column {
    const char* title;
    double width;
};
const Column kColumns[] = {
    {"Dmg",    8 },
    {"Min",    7 },
    {"S",      6 },
    {"M",      6 },
    {"L",      6 },
    {"To-Hit", 11}
};
constexpr int kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);

QString Q(const std::string& s) { return ToQString(s); }

// "2 x Name" for more than one, else the name alone.
QString Counted(int count, const std::string& name) {
    return (count > 1 ? QString::number(count) + QStringLiteral(" x ") : QString()) + Q(name);
}

QString OrDash(const std::string& s) { return s.empty() ? QStringLiteral("-") : Q(s); }

QString Plural(int n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QString::fromLatin1(n == 1 ? one : many);
}

// One pass over the block: measures it, and paints it when `draw` is set. The right column's
// entries past `shown` are left out and counted.
class Block {
public:
    Block(QPainter& p, const PlaySheet& s, const QRectF& r, bool draw, int shown)
        : ink_(p), s_(s), r_(r), draw_(draw), shown_(shown) {}

    double Run() {
        const double titleH = Title();
        const double bodyTop = r_.y() + titleH + 1;
        const double innerW = r_.width() - 2 * kPad;
        leftW_ = std::min(innerW * 0.44, 95.0);
        const double left = Left(r_.x() + kPad, bodyTop, leftW_);
        const double rightX = r_.x() + kPad + leftW_ + 3;
        const double right = Right(rightX, bodyTop, r_.right() - kPad - rightX);
        double y = std::max(left, right) + 0.8;
        y = Errors(y);
        const double bottom = y + kPad - 0.8;
        if (draw_) ink_.Frame(QRectF(r_.x(), r_.y(), r_.width(), bottom - r_.y()), 0.35);
        return bottom - r_.y();
    }

    PlayBlockLayout layout;

private:
    void Put(const QString& what, const QRectF& rect) {
        if (draw_) layout.pieces.push_back({what, rect});
    }
    void Text(const QString& what, const QRectF& rect, const QString& text, const QFont& f,
              int align = Qt::AlignLeft) {
        if (!draw_) return;
        ink_.Text(rect, text, f, align);
        Put(what, rect);
    }

    double Title() {
        const QFont bvFont = MmPainter::Font(kBodyPt, true);
        const double h = ink_.LineHeight(MmPainter::Font(kTitlePt, true)) + 1.2;
        const QString bv = QStringLiteral("BV %1 per trooper, %2 per squad of %3")
                               .arg(s_.bvPerTrooper)
                               .arg(s_.bvSquad)
                               .arg(s_.troopers);
        const double bvW = std::min(ink_.Width(bvFont, bv) + 0.5, r_.width() * 0.4);
        const double nameW = r_.width() - 2 * kPad - bvW - 3;
        QString name = Q(s_.name);
        if (!s_.model.empty()) name += QStringLiteral("  ") + Q(s_.model);
        double pt = kTitlePt;
        while (pt > kBodyPt && ink_.Width(MmPainter::Font(pt, true), name) > nameW) pt -= 0.5;
        if (draw_) ink_.Fill(QRectF(r_.x(), r_.y(), r_.width(), h), kShade);
        Text(QStringLiteral("name"), QRectF(r_.x() + kPad, r_.y(), nameW, h), name,
             MmPainter::Font(pt, true));
        Text(QStringLiteral("bv"), QRectF(r_.right() - kPad - bvW, r_.y(), bvW, h), bv, bvFont,
             Qt::AlignRight);
        return h;
    }

    // Wrapped lines of body text from `y`; returns the height used.
    double Lines(const QString& what, double x, double y, double w, const QString& text, const QFont& f,
                 int limit = 4) {
        const double lh = ink_.LineHeight(f);
        const QStringList lines = ink_.Wrap(f, text, w, limit);
        for (int i = 0; i < lines.size(); ++i) Text(what, QRectF(x, y + i * lh, w, lh), lines[i], f);
        return lines.size() * lh;
    }

    double Left(double x, double y, double w) {
        const QFont f = MmPainter::Font(kBodyPt);
        y += Lines(QStringLiteral("chassis"), x, y, w,
                   Q(s_.chassis) + QStringLiteral(", ") + Q(s_.weightClass) + QStringLiteral(", ") +
                       Q(s_.technology),
                   f);
        QString move = QStringLiteral("Movement:");
        for (const PlayMovement& m : s_.movement)
            move += QLatin1Char(' ') + Q(m.kind) + QLatin1Char(' ') + QString::number(m.points) +
                    QStringLiteral(" MP") + (&m == &s_.movement.back() ? QString() : QStringLiteral(","));
        y += Lines(QStringLiteral("movement"), x, y, w, move, f);
        auto skill = [](const std::string& v) { return v.empty() ? QStringLiteral("_____") : Q(v); };
        const double lh = ink_.LineHeight(f);
        Text(QStringLiteral("gunnery"), QRectF(x, y, w * 0.45, lh),
             QStringLiteral("Gunnery: ") + skill(s_.skills.gunnery), f);
        Text(QStringLiteral("anti-mech"), QRectF(x + w * 0.45, y, w * 0.55, lh),
             QStringLiteral("Anti-'Mech: ") + skill(s_.skills.antiMech), f);
        y += lh;
        y += 0.8;
        const QFont head = MmPainter::Font(kTablePt, true);
        y += Lines(QStringLiteral("troopers"), x, y, w,
                   QStringLiteral("Troopers: a circle per armor point, the square for the trooper"), head, 2);
        y += 0.4;
        for (int t = 0; t < s_.troopers; ++t) y += Trooper(t, x, y, w);
        return y;
    }

    // One trooper's row: number, armor circles, then the square of the trooper.
    double Trooper(int t, double x, double y, double w) {
        const QFont f = MmPainter::Font(kBodyPt, true);
        const double numberW = 4;
        const double areaX = x + numberW + 0.5;
        const int perRow = std::max(2, static_cast<int>((w - numberW - 0.5) / kPitch));
        const int total = s_.armorPips + 1;
        const int capacity = perRow * kMaxPipRows;
        const int rows = std::min(kMaxPipRows, (total + perRow - 1) / perRow);
        // When the pips do not all fit, the last places say how many armor points are not drawn.
        const int armorDrawn = total <= capacity ? s_.armorPips : capacity - 4;
        Text(QStringLiteral("trooper %1").arg(t + 1), QRectF(x, y, numberW, kPitch), QString::number(t + 1),
             f);
        layout.pipMm = kPip;
        auto cell = [&](int i) {
            const int row = i / perRow;  // whole rows
            return QRectF(areaX + (i % perRow) * kPitch + (kPitch - kPip) / 2,
                          y + row * kPitch + (kPitch - kPip) / 2, kPip, kPip);
        };
        if (draw_) {
            const double line = 0.25;
            for (int i = 0; i < armorDrawn; ++i) {
                ink_.Circle(cell(i), line);
                Put(QStringLiteral("pip"), cell(i));
            }
            int at = armorDrawn;
            if (armorDrawn < s_.armorPips) {
                const QRectF more(cell(at).x(), cell(at).y(), 3 * kPitch - 0.6, kPip);
                Text(QStringLiteral("more pips"), more, QStringLiteral("+%1").arg(s_.armorPips - armorDrawn),
                     MmPainter::Font(kTablePt));
                at += 3;
            }
            // The trooper: a square with a heavier line, told apart from the armor even in grey.
            const QRectF square = cell(at);
            ink_.Frame(square, 0.5, kShade);
            Put(QStringLiteral("trooper pip"), square);
        }
        return rows * kPitch + 0.3;
    }

    double Right(double x, double y, double w) {
        const QFont head = MmPainter::Font(kTablePt, true);
        const QFont f = MmPainter::Font(kTablePt);
        const double rh = std::max(ink_.LineHeight(f) * 1.05, 3.3);
        double fixed = 0;
        for (const Column& c : kColumns) fixed += c.width;
        const double nameW = std::max(10.0, w - fixed);
        double cx[kColumnCount + 1];
        cx[0] = x + nameW;
        for (int i = 0; i < kColumnCount; ++i) cx[i + 1] = cx[i] + kColumns[i].width;
        auto cells = [&](const QString& what, double yy, const QStringList& texts, const QFont& font) {
            for (int i = 0; i < kColumnCount; ++i)
                Text(what, QRectF(cx[i] + 0.3, yy, kColumns[i].width - 0.6, rh), texts[i], font,
                     Qt::AlignRight);
        };

        const int total = static_cast<int>(s_.weapons.size() + s_.equipment.size());
        const int shown = std::min(shown_, total);
        int entry = 0;
        Text(QStringLiteral("weapons heading"), QRectF(x, y, nameW - 0.6, rh), QStringLiteral("Weapons"),
             head);
        QStringList heading;
        for (const Column& c : kColumns) heading << QString::fromLatin1(c.title);
        cells(QStringLiteral("weapons heading"), y, heading, head);
        if (draw_) ink_.Fill(QRectF(x, y + rh - 0.1, w, 0.2), Qt::black);
        y += rh + 0.3;
        if (s_.weapons.empty()) {
            Text(QStringLiteral("weapon"), QRectF(x, y, nameW, rh), QStringLiteral("None"), f);
            y += rh;
        }
        for (const PlayWeapon& wpn : s_.weapons) {
            if (entry++ >= shown) break;
            const QStringList lines = ink_.Wrap(f, Counted(wpn.count, wpn.name), nameW - 0.6, kNameLines);
            for (int i = 0; i < lines.size(); ++i)
                Text(QStringLiteral("weapon"), QRectF(x, y + i * rh, nameW - 0.6, rh), lines[i], f);
            cells(QStringLiteral("weapon figures"), y,
                  {Q(wpn.damage), Q(wpn.minRange), Q(wpn.shortRange), Q(wpn.mediumRange), Q(wpn.longRange),
                   OrDash(wpn.toHit)},
                  f);
            y += lines.size() * rh;
            if (wpn.usesAmmo) y += Ammo(wpn, x + 2, y, w - 2, f);
        }
        if (!s_.equipment.empty() && entry < shown) {
            y += 0.6;
            Text(QStringLiteral("equipment heading"), QRectF(x, y, w, rh), QStringLiteral("Equipment"), head);
            if (draw_) ink_.Fill(QRectF(x, y + rh - 0.1, w, 0.2), Qt::black);
            y += rh + 0.3;
        }
        const double lh = ink_.LineHeight(f);
        for (const PlayEquipment& e : s_.equipment) {
            if (entry++ >= shown) break;
            QString text = Counted(e.count, e.name);
            if (!e.effect.empty()) text += QStringLiteral(": ") + Q(e.effect);
            y += Lines(QStringLiteral("equipment"), x, y, w, text, f, 3);
        }
        if (shown < total) {
            Text(QStringLiteral("left out"), QRectF(x, y, w, lh),
                 QStringLiteral("... and %1 more").arg(total - shown), head);
            y += lh;
        }
        layout.linesShown = shown;
        layout.linesLeftOut = total - shown;
        return y;
    }

    // One tick box per shot, in rows under the weapon; too many to tick are counted instead.
    double Ammo(const PlayWeapon& wpn, double x, double y, double w, const QFont& f) {
        const double labelW = ink_.Width(f, QStringLiteral("Ammo")) + 1;
        const int perRow = std::max(1, static_cast<int>((w - labelW) / kBoxPitch));
        const double rowH = kBoxPitch;
        if (wpn.shots == 0 || wpn.shots > perRow * kMaxAmmoRows) {
            const QString text = wpn.shots == 0
                                     ? QStringLiteral("Ammo: none carried")
                                     : QStringLiteral("Ammo: ") + Plural(wpn.shots, "shot", "shots");
            Text(QStringLiteral("ammo"), QRectF(x, y, w, rowH), text, f);
            return rowH;
        }
        Text(QStringLiteral("ammo"), QRectF(x, y, labelW - 0.5, rowH), QStringLiteral("Ammo"), f);
        const int rows = (wpn.shots + perRow - 1) / perRow;
        if (draw_) {
            for (int i = 0; i < wpn.shots; ++i) {
                const int row = i / perRow;  // whole rows
                const QRectF box(x + labelW + (i % perRow) * kBoxPitch + (kBoxPitch - kBox) / 2,
                                 y + row * rowH + (rowH - kBox) / 2, kBox, kBox);
                ink_.Frame(box, 0.2, Qt::white);
                Put(QStringLiteral("shot"), box);
            }
        }
        return rows * rowH;
    }

    double Errors(double y) {
        if (s_.errors.empty()) return y;
        const QFont f = MmPainter::Font(kBodyPt, true);
        QString text = QStringLiteral("NOT LEGAL, do not play: ");
        for (size_t i = 0; i < s_.errors.size(); ++i)
            text += (i ? QStringLiteral("; ") : QString()) + Q(s_.errors[i]);
        const double w = r_.width() - 2 * kPad - 2;
        const double lh = ink_.LineHeight(f);
        const int n = static_cast<int>(ink_.Wrap(f, text, w, 4).size());
        const QRectF box(r_.x() + kPad, y, r_.width() - 2 * kPad, n * lh + 1);
        if (draw_) ink_.Frame(box, 0.6, kShade);
        Lines(QStringLiteral("errors"), box.x() + 1, y + 0.5, w, text, f, 4);
        return box.bottom() + 0.5;
    }

    MmPainter ink_;
    const PlaySheet& s_;
    QRectF r_;
    bool draw_;
    int shown_;
    double leftW_ = 0;
};

int Entries(const PlaySheet& s) { return static_cast<int>(s.weapons.size() + s.equipment.size()); }

}  // namespace

double PlayBlockHeight(QPainter& painter, const PlaySheet& sheet, double width) {
    return Block(painter, sheet, QRectF(0, 0, width, 1000), false, Entries(sheet)).Run();
}

PlayBlockLayout PaintPlayBlock(QPainter& painter, const PlaySheet& sheet, const QRectF& rect) {
    // The most entries that fit, found by halves; at least none but the heading.
    int shown = Entries(sheet);
    if (Block(painter, sheet, rect, false, shown).Run() > rect.height() + 0.01) {
        int fits = 0, wide = shown;
        while (wide - fits > 1) {
            const int mid = (fits + wide) / 2;
            (Block(painter, sheet, rect, false, mid).Run() <= rect.height() + 0.01 ? fits : wide) = mid;
        }
        shown = fits;
    }
    Block block(painter, sheet, rect, true, shown);
    const double h = block.Run();
    block.layout.rect = QRectF(rect.x(), rect.y(), rect.width(), h);
    return block.layout;
}

}  // namespace vantrel
