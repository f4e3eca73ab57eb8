#include "sheet/SheetPainter.h"

#include "sheet/QtText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

// The resource initialiser is declared at global scope by the macro.
static void RegisterSheetArt() { Q_INIT_RESOURCE(vantrel); }

namespace vantrel {

namespace {

constexpr double kMargin = 10;  // mm
constexpr double kGap = 3;      // between blocks
constexpr double kPad = 1.5;    // inside a box
const QColor kInk(0, 0, 0);
const QColor kShade(225, 225, 225);  // filled slots and headings: light enough to print on any grey scale

// Drawing in millimetres on a device of any resolution.
class Ink {
public:
    Ink(QPainter& p) : p_(p), k_(p.device()->logicalDpiY() / 25.4) {}

    QFont Font(double pt, bool bold = false) const {
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
    // One line in `r`, cut to its width.
    void Text(const QRectF& r, const QString& text, const QFont& f, int align = Qt::AlignLeft) {
        p_.setFont(f);
        p_.setPen(kInk);
        p_.drawText(Px(r), align | Qt::AlignVCenter | Qt::TextSingleLine, Elide(f, text, r.width()));
    }
    void Box(const QRectF& r, const QColor& fill = Qt::transparent, double line = 0.25) {
        p_.setPen(QPen(kInk, line * k_));
        p_.setBrush(fill == Qt::transparent ? QBrush(Qt::NoBrush) : QBrush(fill));
        p_.drawRect(Px(r));
    }
    void Fill(const QRectF& r, const QColor& fill) { p_.fillRect(Px(r), fill); }
    void Circle(const QRectF& r) {
        p_.setPen(QPen(kInk, std::min(0.25, r.width() / 8) * k_));
        p_.setBrush(Qt::white);
        p_.drawEllipse(Px(r));
    }
    void Image(const QRectF& r, const QImage& image) {
        p_.setRenderHint(QPainter::SmoothPixmapTransform);
        p_.drawImage(Px(r), image);
    }
    QRectF Px(const QRectF& r) const { return {r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_}; }

private:
    QPainter& p_;
    double k_;
};

// The largest size from `pt` down to `minPt` at which `text` fits `width`.
double FittingSize(const Ink& ink, const QString& text, double width, double pt, double minPt, bool bold) {
    while (pt > minPt && ink.Width(ink.Font(pt, bold), text) > width) pt -= 0.5;
    return std::max(pt, minPt);
}

// A titled box; returns the area under the title.
QRectF TitledBox(Ink& ink, const QRectF& r, const QString& title) {
    const QFont f = ink.Font(8.5, true);
    const double h = ink.LineHeight(f) + 0.6;
    ink.Fill(QRectF(r.x(), r.y(), r.width(), h), kShade);
    ink.Box(r);
    ink.Text(QRectF(r.x() + kPad, r.y(), r.width() - 2 * kPad, h), title, f);
    return QRectF(r.x() + kPad, r.y() + h + 0.5, r.width() - 2 * kPad, r.height() - h - 1);
}

double TitleHeight(const Ink& ink) { return ink.LineHeight(ink.Font(8.5, true)) + 0.6 + 1.5; }

// A word wider than the line is cut where it fills the line, the pieces going to `out`; what is
// left stays in `line`. The cut is searched by halves, since stepping back a character at a time
// took minutes on a long unbroken note. No line holds more characters than the narrowest one fits;
// only that much is measured.
void CutLongWord(const Ink& ink, const QFont& f, QString& line, double width, QStringList& out, int limit) {
    const int most = 2 + static_cast<int>(width / std::max(0.05, ink.Width(f, QStringLiteral("."))));
    auto tooWide = [&](const QString& text) {
        return ink.Width(f, text.left(most)) > width || (text.size() > most && ink.Width(f, text) > width);
    };
    while (line.size() > 1 && out.size() <= limit && tooWide(line)) {
        int fits = 1, wide = static_cast<int>(line.size());
        if (wide > most && ink.Width(f, line.left(most)) > width) wide = most;
        while (wide - fits > 1) {
            const int mid = fits + (wide - fits) / 2;
            (ink.Width(f, line.left(mid)) > width ? wide : fits) = mid;
        }
        out << line.left(fits);
        line = line.mid(fits);
    }
}

// Greedy word wrap of one paragraph; words longer than the width are broken where they must be.
void Wrap(const Ink& ink, const QFont& f, const QString& paragraph, double width, QStringList& out,
          int limit) {
    if (paragraph.isEmpty()) {
        out << QString();
        return;
    }
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
        if (out.size() > limit) return;
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (ink.Width(f, joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) out << line;
        line = word;
        CutLongWord(ink, f, line, width, out, limit);
    }
    out << line;
}

// At most `limit` + 1 lines are made: enough to tell that the text does not fit in `limit`.
QStringList WrapText(const Ink& ink, const QFont& f, const QString& text, double width,
                     int limit = std::numeric_limits<int>::max() - 1) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QLatin1Char('\t'), QLatin1Char(' '));
    QStringList lines;
    for (const QString& paragraph : t.split(QLatin1Char('\n'))) {
        if (lines.size() > limit) break;
        Wrap(ink, f, paragraph, width, lines, limit);
    }
    if (lines.size() > limit + 1) lines = lines.mid(0, limit + 1);
    while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// WrapText of notes of any length. Only what could reach the page is converted and laid out: at
// most `limit` + 2 lines of at most four times as many characters as the line holds of "." (the
// narrowest glyphs are wider than a quarter of it), each up to four bytes. Notes cut here that still
// wrap into no more than `limit` lines (zero-width characters) get one more line, "...", so the
// caller sees that not all of them fit.
QStringList WrapNotes(const Ink& ink, const QFont& f, const std::string& notes, double width, int limit) {
    const double perLine = 4 * (2 + width / std::max(0.05, ink.Width(f, QStringLiteral("."))));
    const double most = 4 * perLine * (static_cast<double>(limit) + 2);
    std::size_t kept = notes.size();
    if (static_cast<double>(kept) > most) {
        kept = static_cast<std::size_t>(most);
        // Not inside a UTF-8 sequence: its continuation bytes are 10xxxxxx.
        while (kept > 0 && (static_cast<unsigned char>(notes[kept]) & 0xC0) == 0x80) --kept;
    }
    QStringList lines =
        WrapText(ink, f, QString::fromUtf8(notes.data(), static_cast<qsizetype>(kept)), width, limit);
    if (kept < notes.size() && lines.size() <= limit) lines << QStringLiteral("...");
    return lines;
}

// ---------------------------------------------------------------------------------------------
// Blocks, each painted into the rectangle the layout gave it.

double HeaderHeight(const Ink& ink, const RecordSheet& s) {
    const double left =
        ink.LineHeight(ink.Font(16, true)) + (s.model.empty() ? 0 : ink.LineHeight(ink.Font(9)));
    const double right = 3 * ink.LineHeight(ink.Font(8.5));
    return std::max(left, right) + 1.5;
}

void PaintHeader(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const double leftW = r.width() * 0.58;
    const QString name = ToQString(s.name);
    const double pt = FittingSize(ink, name, leftW, 16, 9, true);
    const QFont nameFont = ink.Font(pt, true);
    const double nameH = ink.LineHeight(ink.Font(16, true));
    ink.Text(QRectF(r.x(), r.y(), leftW, nameH), name, nameFont);
    if (!s.model.empty()) {
        const QFont f = ink.Font(9);
        ink.Text(QRectF(r.x(), r.y() + nameH, leftW, ink.LineHeight(f)),
                 QStringLiteral("Model: ") + ToQString(s.model), f);
    }
    const QFont f = ink.Font(8.5);
    const double lh = ink.LineHeight(f);
    const QRectF right(r.x() + leftW + 2, r.y(), r.width() - leftW - 2, lh);
    ink.Text(right, ToQString(s.chassisLine), f, Qt::AlignRight);
    ink.Text(right.translated(0, lh), ToQString(s.techBaseLine), f, Qt::AlignRight);
    ink.Text(right.translated(0, 2 * lh), ToQString(s.techLevelLine), f, Qt::AlignRight);
    ink.Fill(QRectF(r.x(), r.bottom() - 0.5, r.width(), 0.5), kInk);
}

constexpr int kInfoRows = 4;

double InfoRowHeight(const Ink& ink) { return ink.LineHeight(ink.Font(8)) * 1.1; }

double InfoHeight(const Ink& ink, const RecordSheet& s) {
    const double rows = kInfoRows + (s.warning.empty() ? 0 : 2.3);
    return TitleHeight(ink) + rows * InfoRowHeight(ink) + 1;
}

void PaintMovement(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const QRectF in = TitledBox(ink, r, QStringLiteral("Movement"));
    const QFont f = ink.Font(8);
    const double rh = InfoRowHeight(ink);
    for (size_t i = 0; i < s.movement.size(); ++i) {
        const SheetMovement& m = s.movement[i];
        const QRectF row(in.x(), in.y() + i * rh, in.width(), rh);
        ink.Text(QRectF(row.x(), row.y(), row.width() * 0.45, rh), ToQString(m.label) + QLatin1Char(':'), f);
        ink.Text(QRectF(row.x() + row.width() * 0.45, row.y(), row.width() * 0.17, rh),
                 QString::number(m.points) + QStringLiteral(" MP"), f, Qt::AlignRight);
        ink.Text(QRectF(row.x() + row.width() * 0.64, row.y(), row.width() * 0.36, rh), ToQString(m.caption),
                 f, Qt::AlignRight);
    }
}

void PaintArmor(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const QRectF in = TitledBox(ink, r, QStringLiteral("Armor"));
    const QFont f = ink.Font(8);
    const double rh = InfoRowHeight(ink);
    const QString lines[3] = {
        QStringLiteral("Type: ") + ToQString(s.armorType),
        QStringLiteral("Points: ") + QString::number(s.armorPoints),
        QStringLiteral("Weight: ") + QString::number(s.armorWeight) + QStringLiteral("Kg")};
    for (int i = 0; i < 3; ++i) ink.Text(QRectF(in.x(), in.y() + i * rh, in.width(), rh), lines[i], f);
}

void PaintTotals(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const QRectF in = TitledBox(ink, r, QStringLiteral("Totals"));
    const QFont f = ink.Font(8);
    const double rh = InfoRowHeight(ink);
    // Weight and slots on the left, heat and value on the right.
    static const int kOrder[8] = {0, 1, 7, 4, 2, 3, 5, 6};
    for (int i = 0; i < 8 && i < static_cast<int>(s.totals.size()); ++i) {
        const int col = i / kInfoRows, row = i % kInfoRows;
        const double w = in.width() * 0.5;
        ink.Text(QRectF(in.x() + col * w, in.y() + row * rh, w - 1, rh), ToQString(s.totals[kOrder[i]]), f);
    }
    if (s.warning.empty()) return;
    const QFont bold = ink.Font(7.5, true);
    const QStringList lines = WrapText(ink, bold, ToQString(s.warning), in.width());
    const double lh = ink.LineHeight(bold);
    for (int i = 0; i < lines.size() && i < 2; ++i)
        ink.Text(QRectF(in.x(), in.y() + kInfoRows * rh + 0.3 * rh + i * lh, in.width(), lh), lines[i], bold);
}

double SquadRowHeight() { return 6.5; }

double SquadHeight(const Ink& ink, const RecordSheet& s) {
    const int rows = (static_cast<int>(s.pips.size()) + 1) / 2;
    return TitleHeight(ink) + rows * SquadRowHeight() + 0.5;
}

// As many pips as fit the area, largest first; when even the smallest do not fit all, the last
// place tells how many more.
void PaintPips(Ink& ink, const QRectF& area, int count) {
    double pitch = 3.4;
    int cols = 0, rows = 0;
    for (;; pitch -= 0.2) {
        cols = std::max(1, static_cast<int>(area.width() / pitch));
        rows = std::max(1, static_cast<int>(area.height() / pitch));
        if (cols * rows >= count || pitch <= 1.4) break;
    }
    const int capacity = cols * rows;
    const int drawn = count <= capacity ? count : capacity - 4;  // room for "+N" at the end
    const double d = pitch * 0.78;
    const int used = std::min(rows, (count + cols - 1) / cols);
    const double top = area.y() + (area.height() - used * pitch) / 2;  // centred on the row's text
    for (int i = 0; i < drawn; ++i) {
        const int row = i / cols;
        const double x = area.x() + (i % cols) * pitch + (pitch - d) / 2;
        const double y = top + row * pitch + (pitch - d) / 2;
        ink.Circle(QRectF(x, y, d, d));
    }
    if (drawn < count) {
        const double x = area.x() + (drawn % cols) * pitch;
        const double y = top + (rows - 1) * pitch;
        ink.Text(QRectF(x, y, area.right() - x, pitch), QStringLiteral("+") + QString::number(count - drawn),
                 ink.Font(std::max(4.0, pitch * 1.6)));
    }
}

void PaintSquad(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const int n = static_cast<int>(s.pips.size());
    const QRectF in = TitledBox(ink, r,
                                QStringLiteral("Squad: %1 trooper%2 (armor points + 1 for the operator)")
                                    .arg(n)
                                    .arg(n == 1 ? QString() : QStringLiteral("s")));
    const QFont f = ink.Font(8);
    const double colW = in.width() / 2;
    const double rh = SquadRowHeight();
    for (int i = 0; i < n; ++i) {
        const int row = i / 2;
        const QRectF cell(in.x() + (i % 2) * colW, in.y() + row * rh, colW - 2, rh);
        ink.Text(QRectF(cell.x(), cell.y(), 17, rh), QStringLiteral("Trooper %1").arg(i + 1),
                 ink.Font(8, true));
        const int pips = s.pips[i];
        ink.Text(QRectF(cell.right() - 15, cell.y(), 15, rh),
                 QStringLiteral("%1 pip%2").arg(pips).arg(pips == 1 ? QString() : QStringLiteral("s")), f,
                 Qt::AlignRight);
        PaintPips(ink, QRectF(cell.x() + 18, cell.y() + 0.4, cell.width() - 34, rh - 0.8), pips);
    }
}

// The weapons and equipment table. Columns: count, name, location, damage, ranges, heat, shots.
struct Column {
    const char* title;
    double width;  // mm; 0 = takes what is left
    bool right;
};
const Column kColumns[] = {
    {"Qty",      8,  true },
    {"Item",     0,  false},
    {"Location", 22, false},
    {"Damage",   13, true },
    {"Min",      9,  true },
    {"Short",    10, true },
    {"Medium",   12, true },
    {"Long",     10, true },
    {"Heat",     9,  true },
    {"Shots",    10, true }
};
constexpr int kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);
const double kTableSizes[] = {8, 7, 6, 5};

double TableRowHeight(const Ink& ink, double pt) { return ink.LineHeight(ink.Font(pt)) * 1.08; }

// Height the whole table needs at a type size.
double TableNeed(const Ink& ink, const RecordSheet& s, double pt) {
    const size_t rows = std::max<size_t>(s.items.size(), 1);
    return TitleHeight(ink) + (rows + 1) * TableRowHeight(ink, pt);
}

struct TableFit {
    double pt;
    int shown;
    int leftOut;
};

TableFit FitTable(const Ink& ink, const RecordSheet& s, double height) {
    const int total = static_cast<int>(s.items.size());
    for (double pt : kTableSizes)
        if (TableNeed(ink, s, pt) <= height) return {pt, total, 0};
    const double pt = kTableSizes[std::size(kTableSizes) - 1];
    const int fit =
        static_cast<int>((height - TitleHeight(ink)) / TableRowHeight(ink, pt)) - 1;  // less the heading
    const int shown = std::clamp(fit - 1, 0, total);  // one line says how many more
    return {pt, shown, total - shown};
}

QStringList Cells(const SheetItem& item) {
    return {QString::number(item.count), ToQString(item.name),      ToQString(item.location),
            ToQString(item.damage),      ToQString(item.minRange),  ToQString(item.shortRange),
            ToQString(item.mediumRange), ToQString(item.longRange), ToQString(item.heat),
            ToQString(item.shots)};
}

void PaintTable(Ink& ink, const QRectF& r, const RecordSheet& s, const TableFit& fit) {
    const QRectF in = TitledBox(ink, r, QStringLiteral("Weapons and Equipment"));
    double fixed = 0;
    for (const Column& c : kColumns) fixed += c.width;
    double x[kColumnCount + 1];
    x[0] = in.x();
    for (int i = 0; i < kColumnCount; ++i)
        x[i + 1] = x[i] + (kColumns[i].width > 0 ? kColumns[i].width : in.width() - fixed);
    const double rh = TableRowHeight(ink, fit.pt);
    auto row = [&](double y, const QStringList& cells, const QFont& f) {
        for (int i = 0; i < kColumnCount; ++i)
            ink.Text(QRectF(x[i] + 0.6, y, x[i + 1] - x[i] - 1.2, rh), cells[i], f,
                     kColumns[i].right ? Qt::AlignRight : Qt::AlignLeft);
    };
    QStringList heading;
    for (const Column& c : kColumns) heading << QString::fromLatin1(c.title);
    row(in.y(), heading, ink.Font(fit.pt, true));
    ink.Fill(QRectF(in.x(), in.y() + rh - 0.1, in.width(), 0.2), kInk);
    const QFont f = ink.Font(fit.pt);
    double y = in.y() + rh;
    if (s.items.empty()) ink.Text(QRectF(in.x() + 0.6, y, in.width(), rh), QStringLiteral("None"), f);
    for (int i = 0; i < fit.shown; ++i, y += rh) {
        if (i % 2 == 1) ink.Fill(QRectF(in.x(), y, in.width(), rh), QColor(242, 242, 242));
        row(y, Cells(s.items[i]), f);
    }
    if (fit.leftOut > 0)
        ink.Text(QRectF(x[1] + 0.6, y, in.width() - (x[1] - x[0]), rh),
                 QStringLiteral("... and %1 more").arg(fit.leftOut), ink.Font(fit.pt, true));
}

// Critical slots: a column per location, the humanoid body and the quad body in two columns.
struct SlotColumn {
    QString title;
    const SheetLocation* location;
    int from, to;  // slot indexes [from, to)
};

std::vector<SlotColumn> SlotColumns(const RecordSheet& s) {
    std::vector<SlotColumn> out;
    for (const SheetLocation& l : s.locations) {
        const int n = static_cast<int>(l.captions.size());
        if (l.name == "Body" && n > 8) {
            out.push_back({QStringLiteral("Body 1-%1").arg(n / 2), &l, 0, n / 2});
            out.push_back({QStringLiteral("Body %1-%2").arg(n / 2 + 1).arg(n), &l, n / 2, n});
        } else {
            out.push_back({ToQString(l.name), &l, 0, n});
        }
    }
    return out;
}

constexpr double kSlotRow = 3.6;

double SlotsHeight(const Ink& ink, const RecordSheet& s) {
    int rows = 1;
    for (const SlotColumn& c : SlotColumns(s)) rows = std::max(rows, c.to - c.from);
    return TitleHeight(ink) + ink.LineHeight(ink.Font(7.5, true)) + rows * kSlotRow + 1;
}

void PaintSlots(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const QRectF in = TitledBox(ink, r, QStringLiteral("Critical Slots"));
    const std::vector<SlotColumn> columns = SlotColumns(s);
    const double colW = in.width() / static_cast<double>(columns.size());
    const QFont head = ink.Font(7.5, true);
    const double hh = ink.LineHeight(head);
    const QFont number = ink.Font(6.5);
    for (size_t c = 0; c < columns.size(); ++c) {
        const SlotColumn& col = columns[c];
        const double x = in.x() + c * colW;
        ink.Text(QRectF(x, in.y(), colW - 1.5, hh), col.title, head);
        if (col.from == col.to) {
            ink.Text(QRectF(x, in.y() + hh, colW - 1.5, kSlotRow), QStringLiteral("N/A"), ink.Font(7));
            continue;
        }
        for (int i = col.from; i < col.to; ++i) {
            const QRectF cell(x, in.y() + hh + (i - col.from) * kSlotRow, colW - 1.5, kSlotRow);
            const QString caption = ToQString(col.location->captions[i]);
            ink.Box(cell, caption == QLatin1String("Available") ? QColor(Qt::white) : kShade, 0.15);
            ink.Text(QRectF(cell.x() + 0.5, cell.y(), 4, kSlotRow), QString::number(i + 1), number,
                     Qt::AlignRight);
            const double w = cell.width() - 6.2;
            const double pt = FittingSize(ink, caption, w, 7, 5.5, false);
            ink.Text(QRectF(cell.x() + 5.6, cell.y(), w, kSlotRow), caption, ink.Font(pt));
        }
    }
}

void PaintFigure(Ink& ink, const QRectF& r, bool quad) {
    static const bool registered = [] {
        RegisterSheetArt();
        return true;
    }();
    (void)registered;
    const QImage art(quad ? QStringLiteral(":/art/quad.png") : QStringLiteral(":/art/biped.png"));
    if (art.isNull()) return;
    QSizeF size(art.width(), art.height());
    size.scale(r.size(), Qt::KeepAspectRatio);
    ink.Image(QRectF(r.x() + (r.width() - size.width()) / 2, r.y() + (r.height() - size.height()) / 2,
                     size.width(), size.height()),
              art);
}

double HistoryLine(const Ink& ink) { return ink.LineHeight(ink.Font(7.5)); }

// History notes in the height given, the last line shown ending in "..." when some are left out.
bool PaintHistory(Ink& ink, const QRectF& r, const RecordSheet& s) {
    const QRectF in = TitledBox(ink, r, QStringLiteral("History"));
    const QFont f = ink.Font(7.5);
    const double lh = HistoryLine(ink);
    const int room = std::max(1, static_cast<int>(in.height() / lh));
    QStringList lines = WrapNotes(ink, f, s.history, in.width(), room);
    const bool cut = lines.size() > room;
    if (cut) {
        lines = lines.mid(0, room);
        QString& last = lines.back();
        const QString dots = QStringLiteral("...");
        while (!last.isEmpty() && ink.Width(f, last + dots) > in.width()) last.chop(1);
        last += dots;
    }
    for (int i = 0; i < lines.size(); ++i)
        ink.Text(QRectF(in.x(), in.y() + i * lh, in.width(), lh), lines[i], f);
    return cut;
}

}  // namespace

QSizeF PaperSizeMm(Paper paper) { return paper == Paper::Letter ? QSizeF(215.9, 279.4) : QSizeF(210, 297); }

QPageSize PageSize(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

SheetLayout PaintRecordSheet(QPainter& painter, const RecordSheet& s, const QSizeF& pageMm) {
    Ink ink(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    SheetLayout layout;
    const double x = kMargin, w = pageMm.width() - 2 * kMargin;
    const double bottom = pageMm.height() - kMargin;
    double y = kMargin;
    auto place = [&](const QString& name, const QRectF& r) {
        layout.blocks.push_back({name, r});
        return r;
    };

    const QRectF header = place(QStringLiteral("header"), QRectF(x, y, w, HeaderHeight(ink, s)));
    y = header.bottom() + kGap;
    const double infoH = InfoHeight(ink, s);
    const double mw = w * 0.33, aw = w * 0.25, tw = w - mw - aw - 2 * 2;
    const QRectF movement = place(QStringLiteral("movement"), QRectF(x, y, mw, infoH));
    const QRectF armor = place(QStringLiteral("armor"), QRectF(movement.right() + 2, y, aw, infoH));
    const QRectF totals = place(QStringLiteral("totals"), QRectF(armor.right() + 2, y, tw, infoH));
    y = movement.bottom() + kGap;
    const QRectF squad = place(QStringLiteral("squad"), QRectF(x, y, w, SquadHeight(ink, s)));
    y = squad.bottom() + kGap;

    // From the bottom up: history, then the slots with the figure; the table takes what is between.
    double low = bottom;
    QRectF history;
    const double slotsH = SlotsHeight(ink, s);
    double tableRoom = low - slotsH - kGap - y;
    if (!s.history.empty()) {
        const Ink& measure = ink;
        // No more lines than the page could hold are wrapped: the box never grows beyond it.
        const int most = static_cast<int>((bottom - y) / HistoryLine(ink)) + 1;
        const double lines = WrapNotes(measure, ink.Font(7.5), s.history, w - 2 * kPad, most).size();
        const double need = TitleHeight(ink) + lines * HistoryLine(ink) + 0.5;
        const double least = TitleHeight(ink) + 2 * HistoryLine(ink) + 0.5;
        const double tableNeed = TableNeed(ink, s, kTableSizes[0]);
        // The notes take what the table leaves, but never less than two lines nor more than a quarter
        // of what is left when the table wants the room.
        double h =
            std::min(need, std::max(tableRoom - kGap - tableNeed, std::max(least, (bottom - y) * 0.2)));
        h = std::max(h, least);
        history = QRectF(x, low - h, w, h);
        low = history.top() - kGap;
        tableRoom = low - slotsH - kGap - y;
    }
    const TableFit fit = FitTable(ink, s, tableRoom);
    const double tableH = std::min(tableRoom, TableNeed(ink, s, fit.pt));
    // Top down: table, slots with the figure, history; what is left stays blank at the foot.
    const QRectF table = place(QStringLiteral("table"), QRectF(x, y, w, tableH));
    y = table.bottom() + kGap;
    const double figureW = 34;
    const QRectF slotBox = place(QStringLiteral("slots"), QRectF(x, y, w - figureW - 2, slotsH));
    const QRectF figure = place(QStringLiteral("figure"), QRectF(slotBox.right() + 2, y, figureW, slotsH));
    if (!history.isNull()) {
        history.moveTop(slotBox.bottom() + kGap);
        place(QStringLiteral("history"), history);
    }

    PaintHeader(ink, header, s);
    PaintMovement(ink, movement, s);
    PaintArmor(ink, armor, s);
    PaintTotals(ink, totals, s);
    PaintSquad(ink, squad, s);
    PaintTable(ink, table, s, fit);
    PaintSlots(ink, slotBox, s);
    PaintFigure(ink, figure.adjusted(1, 1, -1, -1), s.isQuad);
    if (!history.isNull()) layout.historyCut = PaintHistory(ink, history, s);

    layout.itemsShown = fit.shown;
    layout.itemsLeftOut = fit.leftOut;
    layout.tableFontPt = fit.pt;
    return layout;
}

}  // namespace vantrel
