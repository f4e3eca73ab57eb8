#include "sheet/SheetPdf.h"

#include "files/AtomicFile.h"
#include "sheet/SheetPdfBytes.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cstdio>
#include <memory>

namespace vantrel {

namespace {

constexpr int kResolution = 600;  // dpi of the layout; the text and lines stay vector

}  // namespace

QByteArray RecordSheetPdf(const RecordSheet& sheet, Paper paper, SheetLayout* layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(PageSize(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QString::fromStdString(sheet.name));
        writer.setCreator(QStringLiteral("Vantrel"));
        QPainter painter(&writer);
        const SheetLayout done = PaintRecordSheet(painter, sheet, PaperSizeMm(paper));
        if (layout) *layout = done;
    }
    return bytes;
}

SheetLayout PrintRecordSheet(QPrinter& printer, const RecordSheet& sheet) {
    printer.setFullPage(true);
    QPainter painter(&printer);
    const QSizeF page = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return PaintRecordSheet(painter, sheet, page);
}

std::unique_ptr<QGuiApplication> StartToolkitIfNeeded() {
    // The command line has no window and may have no display: the offscreen platform draws as well.
    std::unique_ptr<QGuiApplication> app;
    static int argc = 1;
    static char name[] = "vantrel";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        // The toolkit's notes about the session (no runtime folder and the like) are no concern of a
        // command whose failures say why on their own.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
        });
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        QLocale::setDefault(QLocale::c());
    }
    return app;
}

bool WriteRecordSheetPdf(const std::string& path, const RecordSheet& sheet, Paper paper, std::string& error) {
    // A target that would be refused is refused before the drawing, which may take a while.
    if (!CheckWriteTarget(path, error)) return false;
    const std::unique_ptr<QGuiApplication> app = StartToolkitIfNeeded();
    const QByteArray bytes = RecordSheetPdf(sheet, paper);
    if (bytes.isEmpty()) {
        error = "the page could not be drawn";
        return false;
    }
    return WriteFileAtomically(path, bytes.toStdString(), error);
}

}  // namespace vantrel
