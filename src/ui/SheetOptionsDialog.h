#pragma once

#include "ui/Dialogs.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;

namespace vantrel {

// The small question before a record sheet is printed or exported: kind, squad size and paper.
class SheetOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `techTroopers` is the squad the design's technology base gets, named in the first entry.
    SheetOptionsDialog(const Dialogs::SheetOptions& options, int techTroopers, QWidget* parent = nullptr);

    Dialogs::SheetOptions Options() const;

private:
    friend void NameControls(SheetOptionsDialog& dialog);
    QComboBox* Kind = nullptr;   // "Play sheet", "Design sheet"
    QComboBox* Squad = nullptr;  // "By technology base (N troopers)", then 1..6
    QComboBox* PaperBox = nullptr;
    QDialogButtonBox* Buttons = nullptr;
};

}  // namespace vantrel
