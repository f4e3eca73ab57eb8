// Stand-ins for the equipment and slot pages until those pages exist: the page frames are empty,
// and the commands that change the design state run the core routines so that the state is right.

// Core headers before Qt's: Design.h has a field named like Qt's `slots` keyword.
#include "equipment/Clearing.h"

#include <QGridLayout>

#include "ui/MainForm.h"

namespace vantrel {

void MainForm::SetupEquipmentPages() {
    auto* grid = static_cast<QGridLayout*>(pageArea_->layout());
    for (QWidget** frame : {&Frame3, &Frame4, &Frame4B}) {
        *frame = new QWidget(pageArea_);
        grid->addWidget(*frame, 0, 0);
        (*frame)->hide();
    }
}

void MainForm::RefreshP3() {}

void MainForm::RefreshP4() {
    if (!ctx_.RebuildSlots) return;
    RebuildMovementSlots(ctx_, ArmorText());
    RefreshMain();
}

void MainForm::ShowItemInfo(const QString&) {}
void MainForm::ComAdd_Click() {}
void MainForm::ComRemove_Click() {}

void MainForm::ComClear_Click() {
    ctx_.design.OwnedCount.fill(0);
    ctx_.design.OwnedAmmo.fill(0);
    RefreshP3();
    RefreshMain();
}

void MainForm::ClearCS_Click() {
    ClearAllHumanoid(ctx_, ArmorText());
    RefreshP4();
    RefreshMain();
}

void MainForm::ClearCST_Click() {
    ClearAllQuad(ctx_, ArmorText());
    RefreshP4();
    RefreshMain();
}

void MainForm::ClearSel1_Click() {}
void MainForm::ClearSel2_Click() {}
void MainForm::ResetItemPanel() {}

}  // namespace vantrel
