// Start-up of the main window: the catalog when the splash screen is off, the first-start
// registration, the biped line, then either the design named on the command line or a new design.

#include "model/Design.h"
#include "platform/SettingsStore.h"
#include "rules/ArmorList.h"
#include "ui/Dialogs.h"
#include "ui/EditCommands.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace vantrel {

bool MainForm::Form_Load(const QStringList& args) {
    const GestureScope gesture(*gestures_, "Start");
    ctx_.SelLocation = -1;
    ctx_.SelSlot = 0;

    if (settings_.ReadNumber(kKeySplash, 1) == 0) {
        CatalogError error;
        if (!LoadSharedCatalog(QFile::encodeName(catalogPath_).toStdString(), ctx_.catalog, error)) {
            const std::string text =
                FormatCatalogError(QDir::toNativeSeparators(catalogPath_).toStdString(), error);
            dialogs_.Message(this, QString::fromStdString(text), QStringLiteral("Vantrel"),
                             Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
            return false;
        }
    }

    files_->FirstStartRegistration();
    SetBipedLine(settings_.ReadNumber(kKeyBiped, 0));
    // Work kept from a session that ended unsaved comes before the command line's design.
    if (RestoreKeptWork()) {
        restoredAtStart_ = true;
        return true;
    }
    if (files_->CommandLineOpen(args)) return true;
    StartBlank();
    return true;
}

bool MainForm::RestoreKeptWork() {
    std::optional<Design> onDisk;
    if (!files_->RestoreRecoveryCopy(onDisk)) return false;
    edits_->StartFrom(std::move(onDisk));
    return true;
}

void MainForm::StartBlank() {
    const GestureScope gesture(*gestures_, "Start");
    ctx_.SelLocation = -1;
    ctx_.SelSlot = 0;
    ctx_.DesignFile.clear();
    NewDesign(ctx_.design);
    ctx_.armorList = ArmorListFor(ctx_.design);
    ctx_.RebuildSlots = true;
    RunSlotRebuild();
    RefreshP1();
    RefreshP2();
    RefreshP3();
    RefreshP4();
    RefreshMain();
    ResetItemPanel();
    edits_->StartFresh();
}

}  // namespace vantrel
