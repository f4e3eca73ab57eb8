#include "sheet/SheetBook.h"

#include "files/AtomicFile.h"
#include "sheet/PlaySheetPainter.h"
#include "sheet/QtText.h"
#include "sheet/SheetPainter.h"
#include "sheet/SheetPdfBytes.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

// The resource initialiser is declared at global scope by the macro.
static void RegisterPlayTables() { Q_INIT_RESOURCE(play); }

namespace vantrel {

namespace {

constexpr double kMargin = 10;  // mm
constexpr double kGap = 3;      // between blocks
constexpr int kResolution = 600;
constexpr double kPointsPerMm = 72 / 25.4;

std::string ResourceText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

int PerPage(const SheetBook& book) {
    if (book.perPage >= 1 && book.perPage <= 4) return book.perPage;
    return book.kind == SheetKind::Play ? 4 : 1;
}

// Play blocks down the page in equal slots; a block that needs more takes as many slots as it
// needs, up to the whole page, and starts a new page when this one has too few left.
BookLayout PaintPlayBook(QPagedPaintDevice& device, QPainter& painter, const SheetBook& book,
                         const QSizeF& pageMm) {
    BookLayout out;
    const int perPage = PerPage(book);
    const double width = pageMm.width() - 2 * kMargin;
    const double room = pageMm.height() - 2 * kMargin;
    const double slot = (room - (perPage - 1) * kGap) / perPage;
    int page = 0, used = 0;
    for (const PlaySheet& sheet : book.plays) {
        const double need = std::min(room, PlayBlockHeight(painter, sheet, width));
        const int span =
            std::clamp(static_cast<int>(std::ceil((need + kGap) / (slot + kGap) - 1e-9)), 1, perPage);
        if (used > 0 && used + span > perPage) {
            device.newPage();
            ++page;
            used = 0;
        }
        const QRectF rect(kMargin, kMargin + used * (slot + kGap), width,
                          std::max(need, span * slot + (span - 1) * kGap));
        const PlayBlockLayout done = PaintPlayBlock(painter, sheet, rect);
        out.sheets.push_back({page, done.rect});
        used += span;
    }
    out.pages = page + 1;
    return out;
}

// Design sheets at full size, or shrunk two by two in a grid when more than one goes on a page.
BookLayout PaintDesignBook(QPagedPaintDevice& device, QPainter& painter, const SheetBook& book,
                           const QSizeF& pageMm) {
    BookLayout out;
    const int perPage = PerPage(book);
    const double scale = perPage == 1 ? 1.0 : 0.5;
    const double k = painter.device()->logicalDpiY() / 25.4;
    for (size_t i = 0; i < book.designs.size(); ++i) {
        const int at = static_cast<int>(i % perPage);
        const int page = static_cast<int>(i / perPage);
        if (i > 0 && at == 0) device.newPage();
        const int column = at % 2;
        const int row = at / 2;  // two sheets a row
        const QPointF origin(column * pageMm.width() * scale, row * pageMm.height() * scale);
        painter.save();
        painter.translate(origin * k);
        painter.scale(scale, scale);
        PaintRecordSheet(painter, book.designs[i], pageMm);
        painter.restore();
        out.sheets.push_back({page, QRectF(origin, pageMm * scale)});
        out.pages = page + 1;
    }
    return out;
}

BookLayout PaintBook(QPagedPaintDevice& device, QPainter& painter, const SheetBook& book,
                     const QSizeF& pageMm) {
    if (book.Count() == 0) return {1, {}};
    return book.kind == SheetKind::Play ? PaintPlayBook(device, painter, book, pageMm)
                                        : PaintDesignBook(device, painter, book, pageMm);
}

// A PDF text string that holds any character: UTF-16BE with its byte order mark, in hex.
QByteArray PdfText(const std::string& utf8) {
    QByteArray out = "<FEFF";
    for (const QChar c : ToQString(utf8))
        out += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return out + '>';
}

QByteArray XrefEntry(qsizetype offset) {
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
}

}  // namespace

PlayTables LoadPlayTables() {
    RegisterPlayTables();
    PlayTables t;
    t.toHit = ParsePlayTable(ResourceText(QStringLiteral(":/play/play/to-hit.tsv")));
    t.effects = ParsePlayTable(ResourceText(QStringLiteral(":/play/play/effects.tsv")));
    return t;
}

int SheetBook::Count() const {
    return static_cast<int>(kind == SheetKind::Play ? plays.size() : designs.size());
}

std::string SheetBook::Title(int i) const {
    const std::string& name = kind == SheetKind::Play ? plays[i].name : designs[i].name;
    const std::string& model = kind == SheetKind::Play ? plays[i].model : designs[i].model;
    const std::string title = model.empty() ? name : name + " " + model;
    return title.empty() ? "Design " + std::to_string(i + 1) : title;
}

QByteArray AddPdfOutline(const QByteArray& pdf, const std::vector<std::string>& titles,
                         const std::vector<int>& pages, const std::vector<double>& topPt) {
    const qsizetype n = static_cast<qsizetype>(titles.size());
    if (n == 0 || pages.size() != titles.size() || topPt.size() != titles.size()) return pdf;
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt) return pdf;
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startAt - trailerAt));
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R")).match(trailer);
    const auto info = QRegularExpression(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R")).match(trailer);
    const auto prev = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)"))
                          .match(QString::fromLatin1(pdf.mid(startAt, 40)));
    if (!size.hasMatch() || !root.hasMatch() || !prev.hasMatch()) return pdf;

    // The catalog's entries, to be written again with the outline added.
    const QByteArray rootHead = "\n" + root.captured(1).toLatin1() + " 0 obj";
    const qsizetype rootAt = pdf.lastIndexOf(rootHead);  // the newest copy, after any update
    const qsizetype rootEnd = pdf.indexOf("endobj", rootAt);
    if (rootAt < 0 || rootEnd < 0) return pdf;
    QByteArray body = pdf.mid(rootAt + rootHead.size(), rootEnd - rootAt - rootHead.size()).trimmed();
    if (!body.startsWith("<<") || !body.endsWith(">>") || body.contains("/Outlines")) return pdf;
    body = body.mid(2, body.size() - 4).trimmed();

    // The pages in order, from the one page tree the toolkit writes.
    const qsizetype kidsAt = pdf.indexOf("/Kids");
    const qsizetype open = pdf.indexOf('[', kidsAt), close = pdf.indexOf(']', open);
    if (kidsAt < 0 || open < 0 || close < 0) return pdf;
    std::vector<QByteArray> pageRefs;
    auto it = QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R"))
                  .globalMatch(QString::fromLatin1(pdf.mid(open, close - open)));
    while (it.hasNext()) pageRefs.push_back(it.next().captured(1).toLatin1());
    for (int p : pages)
        if (p < 0 || p >= static_cast<int>(pageRefs.size())) return pdf;

    const int first = size.captured(1).toInt();  // the outline's root; its entries follow
    auto ref = [](qsizetype object) { return QByteArray::number(object) + " 0 R"; };
    QByteArray out = pdf;
    if (!out.endsWith('\n')) out += '\n';
    std::vector<qsizetype> offsets;
    offsets.push_back(out.size());
    out += root.captured(1).toLatin1() + " 0 obj\n<<\n" + body + "\n/Outlines " + ref(first) +
           "\n/PageMode /UseOutlines\n>>\nendobj\n";
    offsets.push_back(out.size());
    out += QByteArray::number(first) + " 0 obj\n<<\n/Type /Outlines\n/First " + ref(first + 1) + "\n/Last " +
           ref(first + n) + "\n/Count " + QByteArray::number(n) + "\n>>\nendobj\n";
    for (qsizetype i = 0; i < n; ++i) {
        offsets.push_back(out.size());
        out += QByteArray::number(first + 1 + i) + " 0 obj\n<<\n/Title " + PdfText(titles[i]) + "\n/Parent " +
               ref(first) + "\n";
        if (i > 0) out += "/Prev " + ref(first + i) + "\n";
        if (i + 1 < n) out += "/Next " + ref(first + 2 + i) + "\n";
        out += "/Dest [" + pageRefs[pages[i]] + " 0 R /XYZ 0 " + QByteArray::number(topPt[i], 'f', 2) +
               " null]\n>>\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n" + root.captured(1).toLatin1() + " 1\n" + XrefEntry(offsets[0]);
    out += QByteArray::number(first) + " " + QByteArray::number(n + 1) + "\n";
    for (size_t i = 1; i < offsets.size(); ++i) out += XrefEntry(offsets[i]);
    out += "trailer\n<<\n/Size " + QByteArray::number(first + n + 1) + "\n/Root " +
           ref(root.captured(1).toInt());
    if (info.hasMatch()) out += "\n/Info " + ref(info.captured(1).toInt());
    out += "\n/Prev " + prev.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xref) +
           "\n%%EOF\n";
    return out;
}

QByteArray SheetBookPdf(const SheetBook& book, Paper paper, BookLayout* layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSizeF pageMm = PaperSizeMm(paper);
    BookLayout done;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(PageSize(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(book.Count() == 1 ? ToQString(book.Title(0)) : QStringLiteral("Record Sheets"));
        writer.setCreator(QStringLiteral("Vantrel"));
        QPainter painter(&writer);
        done = PaintBook(writer, painter, book, pageMm);
    }
    if (layout) *layout = done;
    std::vector<std::string> titles;
    std::vector<int> pages;
    std::vector<double> tops;
    for (int i = 0; i < book.Count() && i < static_cast<int>(done.sheets.size()); ++i) {
        titles.push_back(book.Title(i));
        pages.push_back(done.sheets[i].page);
        // The page's height in points as the writer gives it, less the block's top.
        tops.push_back(std::round(pageMm.height() * kPointsPerMm) - done.sheets[i].rect.top() * kPointsPerMm);
    }
    return AddPdfOutline(bytes, titles, pages, tops);
}

bool WriteSheetBookPdf(const std::string& path, const SheetBook& book, Paper paper, std::string& error) {
    if (!CheckWriteTarget(path, error)) return false;
    const std::unique_ptr<QGuiApplication> app = StartToolkitIfNeeded();
    const QByteArray bytes = SheetBookPdf(book, paper);
    if (bytes.isEmpty()) {
        error = "the pages could not be drawn";
        return false;
    }
    return WriteFileAtomically(path, bytes.toStdString(), error);
}

BookLayout PrintSheetBook(QPrinter& printer, const SheetBook& book) {
    printer.setFullPage(true);
    QPainter painter(&printer);
    const QSizeF page = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return PaintBook(printer, painter, book, page);
}

}  // namespace vantrel
