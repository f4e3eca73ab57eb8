#pragma once

#include "model/Context.h"
#include "sheet/PlaySheet.h"
#include "sheet/RecordSheet.h"

#include <QByteArray>
#include <QRectF>

#include <string>
#include <vector>

class QPrinter;

namespace vantrel {

// The play sheet's tables as the program carries them.
PlayTables LoadPlayTables();

// Several sheets in one document: play blocks, several to a page, or design sheets.
struct SheetBook {
    SheetKind kind = SheetKind::Play;
    std::vector<PlaySheet> plays;      // when kind is Play
    std::vector<RecordSheet> designs;  // when kind is Design
    int perPage = 0;                   // 1..4; 0: four play blocks or one design sheet a page

    int Count() const;
    std::string Title(int i) const;  // "Name Model" of the i-th sheet
};

// Where each sheet went: its page (from 0) and its rectangle in millimetres.
struct BookPlacement {
    int page = 0;
    QRectF rect;
};

struct BookLayout {
    int pages = 0;
    std::vector<BookPlacement> sheets;
};

// The PDF of the book, with a bookmark (outline entry) per sheet; `layout`, when given, receives
// where the sheets went.
QByteArray SheetBookPdf(const SheetBook& book, Paper paper, BookLayout* layout = nullptr);

// Replaces `path` in one step; on failure the old file stays and `error` says why. Brings up the
// toolkit without a display when no application object exists yet (the command line).
bool WriteSheetBookPdf(const std::string& path, const SheetBook& book, Paper paper, std::string& error);

// Prints the book on the printer (or its preview), full page.
BookLayout PrintSheetBook(QPrinter& printer, const SheetBook& book);

// Adds one outline entry per title to PDF bytes as the toolkit writes them, each leading to its page
// (from 0) at `topPt` points from the top; the bytes come back unchanged when they are not of that
// form. Written as an update appended to the file, so the pages stay byte for byte as they were.
QByteArray AddPdfOutline(const QByteArray& pdf, const std::vector<std::string>& titles,
                         const std::vector<int>& pages, const std::vector<double>& topPt);

}  // namespace vantrel

namespace vantrel {

// Reads each design file with `catalog`, works its totals out and adds its sheet to the book, in
// the order given (play blocks carry `skills`); returns one line for each file that could not be read, naming
// it and the problem.
std::vector<std::string> AddDesignFiles(SheetBook& book, const CatalogRef& catalog,
                                        const std::vector<std::string>& files, int troopers,
                                        const PlayTables& tables, const PlaySkills& skills = {});

}  // namespace vantrel
