// The menu entries that open the auxiliary windows: preferences, history notes and about.

#include "model/Design.h"
#include "ui/AboutForm.h"
#include "ui/ControlNames.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/HelpForm.h"
#include "ui/HistoryForm.h"
#include "ui/MainForm.h"
#include "ui/OptionsForm.h"
#include "ui/Recovery.h"

namespace vantrel {

namespace {

// A new window starts over the middle of the main window rather than in a corner of the screen.
void CentreOn(QWidget* form, const QWidget* over) {
    form->move(over->frameGeometry().center() - QPoint(form->width() / 2, form->height() / 2));
}

// Each window exists at most once and never blocks the main window. A closed one loads afresh when
// opened again; an open one only comes to the front.
template <typename Form>
void OpenOnce(Form* form) {
    if (!form->isVisible()) {
        form->Form_Load();
        form->show();
    } else if (form->isMinimized()) {
        form->showNormal();
    }
    form->raise();
    form->activateWindow();
}

}  // namespace

void MainForm::MHistory_Click() {
    const GestureScope gesture(*gestures_, "History");
    if (historyForm_ == nullptr) {
        historyForm_ = new HistoryForm(ctx_, this, gestures_);
        // Notes typed but not applied are work too: the recovery copy keeps them.
        Recovery& recovery = files_->RecoveryCopy();
        connect(historyForm_, &HistoryForm::notesEdited, &recovery, &Recovery::NotesTyped);
        recovery.SetPendingNotes([this]() -> std::optional<std::string> {
            if (!HistoryNotesPending()) return std::nullopt;
            return historyForm_->Notes();
        });
        NameControls(*historyForm_);
        CentreOn(historyForm_, this);
    }
    OpenOnce(historyForm_);
}

bool MainForm::HistoryNotesPending() const { return historyForm_ != nullptr && historyForm_->NotesPending(); }

void MainForm::ApplyHistoryNotes() {
    if (HistoryNotesPending()) historyForm_->ComChange_Click();
}

void MainForm::ReloadHistoryWindow() {
    // Otherwise Change would write the old design's notes into the new one.
    if (historyForm_ != nullptr && historyForm_->isVisible()) historyForm_->Form_Load();
}

void MainForm::MPreferences_Click() {
    const GestureScope gesture(*gestures_, "Preferences");
    if (optionsForm_ == nullptr) {
        optionsForm_ = new OptionsForm(
            settings_,
            [this](int biped) {
                const GestureScope gesture(*gestures_, "Biped Line");
                SetBipedLine(biped);
            },
            this);
        NameControls(*optionsForm_);
        CentreOn(optionsForm_, this);
    }
    OpenOnce(optionsForm_);
}

void MainForm::MAbout_Click() {
    const GestureScope gesture(*gestures_, "About");
    if (aboutForm_ == nullptr) {
        aboutForm_ = new AboutForm(this);
        NameControls(*aboutForm_);
        CentreOn(aboutForm_, this);
    }
    OpenOnce(aboutForm_);
}

void MainForm::MHelpGuide_Click() {
    const GestureScope gesture(*gestures_, "Help");
    if (helpForm_ == nullptr) {
        helpForm_ = new HelpForm(this);
        NameControls(*helpForm_);
        CentreOn(helpForm_, this);
    }
    OpenOnce(helpForm_);
}

}  // namespace vantrel
