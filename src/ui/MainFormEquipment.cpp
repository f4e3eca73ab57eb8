// The window's calls into the equipment and slot pages.

#include "equipment/Clearing.h"
#include "ui/EquipmentPage.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/SlotPage.h"

#include <vector>

namespace vantrel {

void MainForm::RefreshP3() {
    if (equipmentPage_) equipmentPage_->RefreshP3();
}
void MainForm::ShowItemInfo(const QString& strName) {
    BuildPages();
    equipmentPage_->ShowItemInfo(strName);
}
void MainForm::ResetItemPanel() {
    if (equipmentPage_) equipmentPage_->ResetItemPanel();
}
void MainForm::ComClear_Click() {
    BuildPages();
    equipmentPage_->ComClear_Click();
}

// The clearing inside a rebuild changes the totals, hence the status refresh.
void MainForm::RunSlotRebuild() {
    if (!ctx_.RebuildSlots) return;
    RebuildMovementSlots(ctx_);
    RefreshMain();
}

void MainForm::RefreshP4() {
    if (!bipedPage_) return;
    const std::vector<EntryRun> owned = OwnedEntryRuns(ctx_);
    const Highlight marks = SelectionHighlight(ctx_);
    bipedPage_->Fill(owned, marks);
    quadPage_->Fill(owned, marks);
}

void MainForm::ClearCS_Click() {
    BuildPages();
    bipedPage_->ClearCS_Click();
}
void MainForm::ClearCST_Click() {
    BuildPages();
    quadPage_->ClearCST_Click();
}

}  // namespace vantrel
