// Options > Suggest Equipment...: the window of proposals, and Apply as one gesture of the main window.

#include "equipment/Suggest.h"
#include "ui/ControlNames.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/SuggestForm.h"

namespace vantrel {

void MainForm::MSuggest_Click() {
    const GestureScope gesture(*gestures_, "Suggest Equipment");
    const bool created = suggestForm_ == nullptr;
    if (created) {
        suggestForm_ = new SuggestForm(
            ctx_,
            [this](const Proposal& p) {
                const GestureScope apply(*gestures_, "Suggested Equipment");
                RefreshP4();  // a movement rebuild still owed comes first, as the search assumed
                ApplyProposal(ctx_, p);
                RefreshP3();
                RefreshP4();
                RefreshMain();
            },
            this);
        NameControls(*suggestForm_);
        suggestForm_->move(frameGeometry().center() -
                           QPoint(suggestForm_->width() / 2, suggestForm_->height() / 2));
    }
    if (suggestForm_->isMinimized()) suggestForm_->showNormal();
    suggestForm_->show();
    suggestForm_->raise();
    suggestForm_->activateWindow();
    suggestForm_->Form_Load();
}

}  // namespace vantrel
