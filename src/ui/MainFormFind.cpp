// Options > Find Equipment...: the finder over the whole catalog.

#include "ui/ControlNames.h"
#include "ui/EquipmentPage.h"
#include "ui/FindEquipmentForm.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"

namespace vantrel {

void MainForm::MFind_Click() {
    const GestureScope gesture(*gestures_, "Find Equipment");
    const bool created = findForm_ == nullptr;
    if (created) {
        findForm_ = new FindEquipmentForm(
            ctx_, *gestures_,
            [this](const QString& entry, int count) {
                BuildPages();
                equipmentPage_->AddEntry(entry, count);
            },
            this);
        NameControls(*findForm_);
        findForm_->move(frameGeometry().center() - QPoint(findForm_->width() / 2, findForm_->height() / 2));
    }
    findForm_->Form_Load();
    if (findForm_->isMinimized()) findForm_->showNormal();
    findForm_->show();
    findForm_->raise();
    findForm_->activateWindow();
}

}  // namespace vantrel
