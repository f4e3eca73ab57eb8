// The status line, the pages' refreshes as the window forwards them, and page switching.

#include "rules/MainCalc.h"
#include "rules/StatusLine.h"
#include "ui/ArmorPage.h"
#include "ui/ChassisPage.h"
#include "ui/EquipmentPage.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/SlotPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>

namespace vantrel {

// Qt paints only from the event loop, into a back buffer, and merges every update asked for before
// then into one repaint of the changed widgets: a refresh can show no intermediate state. So the lock
// has nothing to do. Turning the window's updates off and on instead repainted the whole window after
// every refresh, most of the cost of each user action.
void MainForm::SetRedraw(bool /*enable*/) {}

void MainForm::RefreshMain() {
    SetRedraw(false);
    ShowTitle();  // the name shown until now: the box takes the design's name below
    {
        // Shown, not typed: the boxes' handlers stay out of it.
        const QSignalBlocker blockName(TextMechName);
        const QSignalBlocker blockModel(TextModel);
        TextMechName->setText(QString::fromStdString(ctx_.design.MechName));
        TextModel->setText(QString::fromStdString(ctx_.design.Model));
    }
    MainCalc(ctx_);
    const Design& d = ctx_.design;
    const auto texts = StatusTexts(d);
    for (int i = 0; i < 7; ++i) {
        const QString text = QString::fromStdString(texts[i]) + QLatin1Char(' ');
        if (Panels[i]->text() != text) Panels[i]->setText(text);
    }
    MarkPanels();
    // Changes made outside a gesture reach the open windows here; a gesture's at its end.
    if (!Gestures().Active()) RefreshLiveWindows();
    SetRedraw(true);
}

void MainForm::ShowTitle() { setWindowTitle(QStringLiteral("Vantrel - ") + TextMechName->text()); }

void MainForm::RefreshP1() { chassisPage_->RefreshP1(); }
// A page not built yet is refreshed when it is built; what changes the design builds it first.
void MainForm::RefreshP2() {
    if (armorPage_) armorPage_->RefreshP2();
}
void MainForm::SetArmorMaximum(int maximum) {
    if (armorPage_) armorPage_->SetArmorMaximum(maximum);
}

// The slot page on show follows the chassis.
void MainForm::ShowFrameOf(int tab) {
    if (tab != 1) BuildPages();
    QWidget* shown = nullptr;
    switch (tab) {
        case 1: shown = chassisPage_; break;
        case 2: shown = armorPage_; break;
        case 3: shown = equipmentPage_; break;
        case 4: shown = ctx_.design.IsQuad ? quadPage_ : bipedPage_; break;
        default: break;
    }
    for (QWidget* frame : Frames())
        if (frame && frame != shown) frame->hide();
    if (shown) shown->show();
}

void MainForm::RefreshCurrentPage() { TabStrip1_Click(TabStrip1->currentIndex() + 1); }

void MainForm::TabStrip1_Click(int tab) {
    const GestureScope gesture(*gestures_, "Page");
    RefreshMain();
    ShowFrameOf(tab);
    switch (tab) {
        case 1: RefreshP1(); break;
        case 2: RefreshP2(); break;
        case 3: RefreshP3(); break;
        case 4:
            ctx_.SelLocation = -1;
            ctx_.SelSlot = -1;
            RefreshP4();
            break;
        default: break;
    }
}

}  // namespace vantrel
