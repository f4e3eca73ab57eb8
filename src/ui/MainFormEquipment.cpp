// The equipment and slot pages in the main window's page area, and the window's calls into them.

#include "equipment/Clearing.h"
#include "ui/EquipmentPage.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/SlotPage.h"

#include <QGridLayout>

#include <vector>

namespace vantrel {

namespace {

void AddToGrid(QWidget* area, QWidget* frame) {
    frame->hide();
    if (auto* grid = qobject_cast<QGridLayout*>(area->layout()))
        grid->addWidget(frame, 0, 0);
    else if (area->layout())
        area->layout()->addWidget(frame);
}

}  // namespace

void MainForm::SetupEquipmentPages() {
    equipmentPage_ = new EquipmentPage(ctx_, *gestures_, *this, pageArea_);
    bipedPage_ = new SlotPage(SlotPage::Chassis::Humanoid, ctx_, *gestures_, *this, dialogs_, pageArea_);
    quadPage_ = new SlotPage(SlotPage::Chassis::Quad, ctx_, *gestures_, *this, dialogs_, pageArea_);
    Frame3 = equipmentPage_;
    Frame4 = bipedPage_;
    Frame4B = quadPage_;
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4B->setObjectName(QStringLiteral("Frame4B"));
    for (QWidget* frame : {Frame3, Frame4, Frame4B}) AddToGrid(pageArea_, frame);

    bipedPage_->SetEmotLine(bipedLine_ != 0);
}

void MainForm::RefreshP3() { equipmentPage_->RefreshP3(); }
void MainForm::ShowItemInfo(const QString& strName) { equipmentPage_->ShowItemInfo(strName); }
void MainForm::ResetItemPanel() { equipmentPage_->ResetItemPanel(); }
void MainForm::ComClear_Click() { equipmentPage_->ComClear_Click(); }

void MainForm::RefreshP4() {
    if (!bipedPage_ || !quadPage_) return;
    // A requested rebuild runs before the drawing, so the movement entries it lays down show at once;
    // the clearing inside it changes the totals, hence the status refresh.
    if (ctx_.RebuildSlots) {
        RebuildMovementSlots(ctx_);
        RefreshMain();
    }
    const std::vector<EntryRun> owned = OwnedEntryRuns(ctx_);
    const Highlight marks = SelectionHighlight(ctx_);
    bipedPage_->Fill(owned, marks);
    quadPage_->Fill(owned, marks);
}

void MainForm::ClearCS_Click() { bipedPage_->ClearCS_Click(); }
void MainForm::ClearCST_Click() { quadPage_->ClearCST_Click(); }

}  // namespace vantrel
