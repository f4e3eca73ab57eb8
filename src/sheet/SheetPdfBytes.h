#pragma once

#include "sheet/RecordSheet.h"
#include "sheet/SheetPainter.h"

#include <QByteArray>

#include <memory>

class QGuiApplication;
class QPrinter;

namespace vantrel {

// The PDF bytes of the sheet; `layout`, when given, receives where the blocks went.
QByteArray RecordSheetPdf(const RecordSheet& sheet, Paper paper, SheetLayout* layout = nullptr);

// Prints the sheet on one page of the printer (or its preview), full page, in its paper size.
SheetLayout PrintRecordSheet(QPrinter& printer, const RecordSheet& sheet);

// An offscreen application object when none exists yet, to be kept while drawing; null otherwise.
std::unique_ptr<QGuiApplication> StartToolkitIfNeeded();

}  // namespace vantrel
