// The design check and breakdown windows, and the status panels that show a broken limit in red.

#include "ui/BreakdownForm.h"
#include "ui/ControlNames.h"
#include "ui/DesignCheckForm.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"

#include <QAction>
#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QPalette>

namespace vantrel {

namespace {

enum PanelIndex { kCurrentKg = 0, kFreeKg, kMaxHeat, kHeatDissipation, kFreeCSlots, kEstimatedBV, kCost };

const QColor kPanelRed(192, 0, 0);

// Reports a double-click on one of the status panels.
class PanelClicks : public QObject {
public:
    PanelClicks(MainForm* form, int panel) : QObject(form), form_(form), panel_(panel) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            form_->Panel_DblClick(panel_);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MainForm* form_;
    int panel_;
};

// A window that shows the design now: open and not minimised.
bool Following(const QWidget* w) { return w != nullptr && w->isVisible() && !w->isMinimized(); }

template <typename Form>
void Open(Form* form, const QWidget* over, bool created) {
    if (created) form->move(over->frameGeometry().center() - QPoint(form->width() / 2, form->height() / 2));
    if (form->isMinimized()) form->showNormal();
    form->show();
    form->raise();
    form->activateWindow();
}

}  // namespace

void MainForm::SetupDesignCheck() {
    for (int i = 0; i < 7; ++i) Panels[i]->installEventFilter(new PanelClicks(this, i));
    connect(MCheck, &QAction::triggered, this, &MainForm::MCheck_Click);
    connect(gestures_, &GestureTracker::gestureEnded, this, [this] { RefreshLiveWindows(); });
}

void MainForm::MarkPanels() {
    const Design& d = ctx_.design;
    const bool overweight = d.FreeKg < 0;
    const bool hot = d.MaxHeat > d.HeatDissipation;
    const bool red[7] = {overweight, overweight, hot, hot, d.FreeCSlots < 0, false, false};
    for (int i = 0; i < 7; ++i) {
        if (red[i] == panelRed_[i]) continue;
        panelRed_[i] = red[i];
        if (!red[i]) {
            Panels[i]->setPalette(QPalette());  // inherits the status bar's again
            continue;
        }
        QPalette palette = Panels[i]->palette();
        palette.setColor(QPalette::WindowText, kPanelRed);
        Panels[i]->setPalette(palette);
    }
}

void MainForm::MCheck_Click() {
    const GestureScope gesture(*gestures_, "Design Check");
    const bool created = checkForm_ == nullptr;
    if (created) {
        checkForm_ = new DesignCheckForm(ctx_, this);
        NameControls(*checkForm_);
    }
    checkForm_->Form_Load();
    Open(checkForm_, this, created);
}

void MainForm::ShowBreakdown(int section) {
    const GestureScope gesture(*gestures_, "Breakdown");
    const bool created = breakdownForm_ == nullptr;
    if (created) {
        breakdownForm_ = new BreakdownForm(ctx_, this);
        NameControls(*breakdownForm_);
    }
    breakdownForm_->Form_Load();
    breakdownForm_->ShowSection(section);
    Open(breakdownForm_, this, created);
}

void MainForm::Panel_DblClick(int panel) {
    if (panel == kCurrentKg)
        ShowBreakdown(BreakdownForm::kWeight);
    else if (panel == kEstimatedBV)
        ShowBreakdown(BreakdownForm::kBattleValue);
    else if (panel == kCost)
        ShowBreakdown(BreakdownForm::kCost);
    else if (panel >= 0 && panel < 7 && panelRed_[panel])
        MCheck_Click();
}

void MainForm::RefreshLiveWindows() {
    // Read once the handler has returned, before anything is painted: the gesture itself is not
    // held up, and gestures and refreshes that come in one turn of the event loop cost one read.
    if (liveReloadPosted_ || (!Following(checkForm_) && !Following(breakdownForm_))) return;
    liveReloadPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            liveReloadPosted_ = false;
            if (Following(checkForm_)) checkForm_->Form_Load();
            if (Following(breakdownForm_)) breakdownForm_->Form_Load();
        },
        Qt::QueuedConnection);
}

}  // namespace vantrel
