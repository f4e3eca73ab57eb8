#pragma once

#include "sheet/RecordSheet.h"

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

namespace vantrel {

// Page size in millimetres, portrait.
QSizeF PaperSizeMm(Paper paper);
// The page size a PDF writer or a printer takes for the paper.
QPageSize PageSize(Paper paper);

// Where the blocks of the sheet went, in millimetres from the page's top left corner.
struct SheetLayout {
    struct Block {
        QString name;
        QRectF rect;
    };
    std::vector<Block> blocks;
    int itemsShown = 0;      // table lines drawn
    int itemsLeftOut = 0;    // lines told as "... and N more"
    double tableFontPt = 0;  // type size the table needed
    bool historyCut = false;
};

// Paints the sheet on the painter's page, whose top left corner is the device origin and whose
// size is `pageMm`; lengths follow the device's resolution.
SheetLayout PaintRecordSheet(QPainter& painter, const RecordSheet& sheet, const QSizeF& pageMm);

}  // namespace vantrel
