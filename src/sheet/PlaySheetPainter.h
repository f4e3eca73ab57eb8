#pragma once

#include "sheet/PlaySheet.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

namespace vantrel {

// What a play block put where, in millimetres from the page's top left corner: every text and pip
// gets its own rectangle, so a test can tell that none lies over another.
struct PlayBlockLayout {
    struct Piece {
        QString what;
        QRectF rect;
    };
    QRectF rect;
    std::vector<Piece> pieces;
    int linesShown = 0;    // weapon and equipment entries drawn
    int linesLeftOut = 0;  // told as "... and N more"
    double pipMm = 0;      // diameter of the pips
};

// The height a block of `sheet` wants at `width`, all its lines shown.
double PlayBlockHeight(QPainter& painter, const PlaySheet& sheet, double width);

// Paints the block into `rect` (millimetres, on the painter's page); entries that do not fit its
// height are left out and counted on the last line.
PlayBlockLayout PaintPlayBlock(QPainter& painter, const PlaySheet& sheet, const QRectF& rect);

}  // namespace vantrel
