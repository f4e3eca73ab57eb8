#include "ui/Dialogs.h"

#include "ui/ControlNames.h"
#include "ui/SheetOptionsDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpacerItem>

namespace vantrel {

QString CouldNotSave(const QString& path, const QString& reason) {
    return QStringLiteral("Could not save ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") +
           reason + QLatin1Char('.');
}

QStringList FilterList(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // The description already names the pattern, as "Vantrel Files (*.vnt)".
        out << parts[i];
    }
    return out;
}

void WidenForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    // The frame draws the title in the desktop's font, beside its buttons and icon (about 140 px).
    const int wanted = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + 160;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                  1, grid->columnCount());
}

Dialogs::Answer QtDialogs::Message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                                   Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    QAbstractButton* discard = nullptr;
    if (buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else if (buttons == Buttons::RestoreDiscard) {
        QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
        discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(restore);
        box.setEscapeButton(restore);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    WidenForTitle(box);
    if (buttons == Buttons::RestoreDiscard) {
        box.exec();
        return box.clickedButton() == discard ? Answer::Discard : Answer::Restore;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default:
            if (buttons == Buttons::YesNo) return Answer::No;
            return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }
}

QString QtDialogs::File(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(FilterList(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.directory) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    }
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QStringList QtDialogs::Files(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(FilterList(request.filter));
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

bool QtDialogs::AskTroopers(QWidget* parent, int& troopers, int techTroopers) {
    bool ok = false;
    const int answer = QInputDialog::getInt(
        parent, QStringLiteral("Vantrel"),
        QStringLiteral("Troopers in the unit (%1 for its technology base):").arg(techTroopers), troopers, 1,
        6, 1, &ok);
    if (ok) troopers = answer;
    return ok;
}

bool QtDialogs::AskSheetOptions(QWidget* parent, SheetOptions& options, int techTroopers) {
    SheetOptionsDialog dialog(options, techTroopers, parent);
    NameControls(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    options = dialog.Options();
    return true;
}

// The preview's Print button brings up the platform's print dialog; the preview is accepted only
// when that dialog was.
bool QtDialogs::Print(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* p) { paint(*p); });
    return preview.exec() == QDialog::Accepted;
}

}  // namespace vantrel
