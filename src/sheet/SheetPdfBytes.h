#pragma once

#include "sheet/RecordSheet.h"
#include "sheet/SheetPainter.h"

#include <QByteArray>

class QPrinter;

namespace vantrel {

// The PDF bytes of the sheet; `layout`, when given, receives where the blocks went.
QByteArray RecordSheetPdf(const RecordSheet& sheet, Paper paper, SheetLayout* layout = nullptr);

// Prints the sheet on one page of the printer (or its preview), full page, in its paper size.
SheetLayout PrintRecordSheet(QPrinter& printer, const RecordSheet& sheet);

}  // namespace vantrel
