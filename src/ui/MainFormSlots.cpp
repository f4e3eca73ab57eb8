// The critical-slot pages of the main window: redraw, drops and clicks on the slot labels, and the
// clearing commands.

#include "equipment/AutoPlace.h"
#include "equipment/Clearing.h"
#include "equipment/Placement.h"
#include "equipment/SlotView.h"
#include "model/Design.h"
#include "ui/Dialogs.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <optional>
#include <vector>

namespace vantrel {

namespace {

int CodeAt(const Design& d, int location, int slot) { return Slots(d, location).codes[slot]; }

QString Q(const std::string& s) { return QString::fromStdString(s); }
QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

const char* DropName(int location) {
    static const char* const names[kLocationCount] = {"Drop on Body", "Drop on Left Arm", "Drop on Right Arm",
                                                      "Drop on Body", "Drop on Turret"};
    return location >= 0 && location < kLocationCount ? names[location] : "Drop";
}

// What every drop shows afterwards, whichever way it came: the refused slot back to green, the page
// redrawn, the refusal's message, the status line after a placement.
void ShowDrop(MainForm& f, SlotPage* page, int location, int slot, const DropResult& r) {
    const bool refused = r.kind == DropResult::Kind::Refused;
    if (refused && !r.exclamation) {
        if (SlotLabel* label = page->Crit(location, slot)) label->SetColour(ToQColor(kColourFree));
    }
    f.RefreshP4();
    if (refused) {
        f.dialogs_.Message(&f, Q(r.message), QStringLiteral("Vantrel"),
                           r.exclamation ? Dialogs::Icon::Exclamation : Dialogs::Icon::None,
                           Dialogs::Buttons::Ok);
    }
    if (r.refreshMain) f.RefreshMain();
}

void SlotDrop(MainForm& f, SlotPage* page, int location, int slot, const std::optional<QString>& text) {
    const GestureScope gesture(f.Gestures(), DropName(location));
    const QString owned = page->Owned()->SelectedEntry();
    // Every drag of this program carries the selected owned entry. Text dragged in from elsewhere
    // would be placed without leaving the owned counts, so it is not taken.
    if (text && *text != owned) {
        f.RefreshP4();
        return;
    }
    std::optional<std::string> dragged;
    if (text) dragged = text->toStdString();
    ShowDrop(f, page, location, slot, DropOnSlot(f.ctx_, location, slot, dragged, owned.toStdString()));
}

const char* PlaceName(int location) {
    static const char* const names[kLocationCount] = {
        "Place in Body", "Place in Left Arm", "Place in Right Arm", "Place in Body", "Place in Turret"};
    return location >= 0 && location < kLocationCount ? names[location] : "Place";
}

// The drop of the selected owned entry on the slot "Place in <location>" names.
void PlaceSelectedIn(MainForm& f, SlotPage* page, int location) {
    const GestureScope gesture(f.Gestures(), PlaceName(location));
    const std::string entry = page->Owned()->SelectedEntry().toStdString();
    if (entry.empty()) return;
    const PlaceTarget t = FindPlaceSlot(f.ctx_, location, entry);
    ShowDrop(f, page, location, t.slot, DropOnSlot(f.ctx_, location, t.slot, entry, entry));
}

// Double-click or Enter: the first location that accepts the entry, else the first location's action.
// The step is named after the location chosen, as if its action had been taken.
void PlaceSelected(MainForm& f, SlotPage* page) {
    const std::string entry = page->Owned()->SelectedEntry().toStdString();
    if (entry.empty()) return;
    const std::vector<int> order = PlaceOrder(f.ctx_.design);
    int location = order.front();
    for (int l : order) {
        if (FindPlaceSlot(f.ctx_, l, entry).accepted) {
            location = l;
            break;
        }
    }
    PlaceSelectedIn(f, page, location);
}

int OwnedLines(const Context& ctx) {
    int lines = 0;
    for (const OwnedRun& run : OwnedRuns(ctx)) lines += run.count;
    return lines;
}

void PlaceAllOwned(MainForm& f) {
    const GestureScope gesture(f.Gestures(), "Place All");
    const int before = OwnedLines(f.ctx_);
    const std::string message = PlaceAllMessage(PlaceAll(f.ctx_));
    f.RefreshP4();
    if (!message.empty())
        f.dialogs_.Message(&f, Q(message), QStringLiteral("Vantrel"), Dialogs::Icon::Exclamation,
                           Dialogs::Buttons::Ok);
    if (OwnedLines(f.ctx_) != before) f.RefreshMain();
}

void SlotClick(MainForm& f, int location, int slot) {
    const GestureScope gesture(f.Gestures(), "Select Slot");
    if (ClickSlot(f.ctx_, location, slot)) f.RefreshP4();
}

// Enter or Space on a slot: on a free slot the drop of the selected owned entry, as if it were
// dragged there; on any other the click.
void SlotKey(MainForm& f, SlotPage* page, int location, int slot) {
    if (CodeAt(f.ctx_.design, location, slot) != kSlotFree) {
        SlotClick(f, location, slot);
        return;
    }
    const QString owned = page->Owned()->SelectedEntry();
    if (owned.isEmpty()) return;  // nothing selected: no drag could have started either
    SlotDrop(f, page, location, slot, owned);
}

// "Place <entry> here": the drop of the selected owned entry on this slot, whatever it holds, as if
// the entry were dragged there; the step is named after the location's place action.
void PlaceHere(MainForm& f, SlotPage* page, int location, int slot, const QString& entry) {
    const GestureScope gesture(f.Gestures(), PlaceName(location));
    SlotDrop(f, page, location, slot, entry);
}

// "Clear": the click on the slot, then Clear Selected. Only offered where the click selects, so that
// it never clears an earlier selection elsewhere.
void ClearSlot(MainForm& f, SlotPage* page, int location, int slot) {
    const GestureScope gesture(f.Gestures(), "Clear Selected");
    if (!SlotSelectable(f.ctx_.design, location, slot)) return;
    SlotClick(f, location, slot);
    if (page->chassis() == SlotPage::Chassis::Humanoid)
        f.ClearSel1_Click();
    else
        f.ClearSel2_Click();
}

// The slot's context menu, filled afresh for the slot and the owned list's selection at `at`.
void SlotMenu(MainForm& f, SlotPage* page, QMenu* menu, int location, int slot, const QPoint& at) {
    // The Menu key may come both as a key and as the platform's context menu event.
    if (menu->isVisible()) return;
    menu->clear();
    const QString entry = page->Owned()->SelectedEntry();
    QString shown = entry;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* place = menu->addAction(entry.isEmpty() ? QStringLiteral("&Place here")
                                                     : QStringLiteral("&Place %1 here").arg(shown));
    place->setObjectName(QStringLiteral("PlaceHere"));
    place->setEnabled(!entry.isEmpty());
    QObject::connect(place, &QAction::triggered, &f,
                     [&f, page, location, slot, entry] { PlaceHere(f, page, location, slot, entry); });
    QAction* clear = menu->addAction(QStringLiteral("&Clear"));
    clear->setObjectName(QStringLiteral("ClearSlot"));
    clear->setEnabled(SlotSelectable(f.ctx_.design, location, slot));
    QObject::connect(clear, &QAction::triggered, &f,
                     [&f, page, location, slot] { ClearSlot(f, page, location, slot); });
    menu->popup(at);
}

const char* LocationName(int location) {
    static const char* const names[kLocationCount] = {"Body", "Left Arm", "Right Arm", "Body", "Turret"};
    return location >= 0 && location < kLocationCount ? names[location] : "";
}

}  // namespace

void ConnectSlotPage(MainForm& form, SlotPage* page) {
    MainForm* f = &form;
    // Queued: the drop is handled once the toolkit's drag has ended and released the pointer, so the
    // message box of a refusal can take the click that closes it.
    QObject::connect(
        page, &SlotPage::slotDropped, f,
        [f, page](int location, int slot, const std::optional<QString>& text) {
            SlotDrop(*f, page, location, slot, text);
        },
        Qt::QueuedConnection);
    QObject::connect(page, &SlotPage::slotClicked, f,
                     [f](int location, int slot) { SlotClick(*f, location, slot); });
    QObject::connect(page, &SlotPage::slotActivated, f,
                     [f, page](int location, int slot) { SlotKey(*f, page, location, slot); });
    auto* menu = new QMenu(page);
    menu->setObjectName(QStringLiteral("SlotMenu"));
    menu->setFont(f->font());  // a menu is a window of its own and takes no font from the page
    for (int location = 0; location < kLocationCount; ++location) {
        for (int slot = 0; slot < SlotPage::CritCount(location); ++slot) {
            SlotLabel* label = page->Crit(location, slot);
            if (!label) continue;
            const int l = location;
            QObject::connect(
                label, &SlotLabel::menuRequested, f,
                [f, page, menu, l](int s, const QPoint& at) { SlotMenu(*f, page, menu, l, s, at); });
        }
    }
    for (const auto& [action, location] : page->PlaceActions()) {
        const int l = location;
        QObject::connect(action, &QAction::triggered, f, [f, page, l] { PlaceSelectedIn(*f, page, l); });
    }
    QObject::connect(page->Owned(), &OwnedList::placeRequested, f, [f, page] { PlaceSelected(*f, page); });
    QObject::connect(page->PlaceAll, &QPushButton::clicked, f, [f] { PlaceAllOwned(*f); });
    if (page->chassis() == SlotPage::Chassis::Humanoid) {
        QObject::connect(page->ClearSel1, &QPushButton::clicked, f, [f] { f->ClearSel1_Click(); });
        QObject::connect(page->ClearCS, &QPushButton::clicked, f, [f] { f->ClearCS_Click(); });
    } else {
        QObject::connect(page->ClearSel2, &QPushButton::clicked, f, [f] { f->ClearSel2_Click(); });
        QObject::connect(page->ClearCST, &QPushButton::clicked, f, [f] { f->ClearCST_Click(); });
        // A free turret slot lights up only for a text that names a catalog entry.
        for (SlotLabel* label : page->TurretCrit)
            label->SetHoverFilter(
                [f](const QString& t) { return FindIndex(f->ctx_.catalog, t.toStdString()) != -1; });
    }
}

void MainForm::RefreshP4() {
    if (!bipedPage_ || !quadPage_) return;
    SetRedraw(false);

    // A requested rebuild runs before the drawing, so the movement entries it lays down show at once;
    // the clearing inside it changes the totals, hence the status refresh.
    if (ctx_.RebuildSlots) {
        RebuildMovementSlots(ctx_);
        RefreshMain();
    }

    const Design& d = ctx_.design;
    bipedPage_->ClearSel1->setEnabled(ctx_.SelLocation >= kBody && ctx_.SelLocation <= kRightArm);
    quadPage_->ClearSel2->setEnabled(ctx_.SelLocation == kQuadBody || ctx_.SelLocation == kTurret);
    quadPage_->SetTurret(TurretUsableSlots(d), d.TurretSize != 0);

    const Highlight marks = SelectionHighlight(ctx_);
    const QColor selected = ToQColor(kColourSelected);
    for (int location = 0; location < kLocationCount; ++location) {
        SlotPage* page = location <= kRightArm ? bipedPage_ : quadPage_;
        for (int i = 0; i < SlotPage::CritCount(location); ++i) {
            const int code = CodeAt(d, location, i);
            const QString caption = Q(SlotCaption(ctx_, code));
            SlotLabel* label = page->Crit(location, i);
            label->SetSlot(caption, marks[location][i] ? selected : ToQColor(SlotColour(code)));
            label->setAccessibleName(QStringLiteral("%1 slot %2: %3")
                                         .arg(QLatin1String(LocationName(location)))
                                         .arg(i + 1)
                                         .arg(caption));
        }
    }

    const std::vector<EntryRun> owned = OwnedEntryRuns(ctx_);
    bipedPage_->BipedOwned->SetEntries(owned);
    quadPage_->QuadOwned->SetEntries(owned);
    // A refill drops the selection without a signal of its own.
    bipedPage_->UpdatePlaceActions();
    quadPage_->UpdatePlaceActions();
    SetRedraw(true);
}

void MainForm::ClearCS_Click() {
    const GestureScope gesture(*gestures_, "Clear All CSlots");
    ClearAllHumanoid(ctx_);
    RefreshP4();
    RefreshMain();
}

void MainForm::ClearCST_Click() {
    const GestureScope gesture(*gestures_, "Clear All CSlots");
    ClearAllQuad(ctx_);
    RefreshP4();
    RefreshMain();
}

void MainForm::ClearSel1_Click() {
    const GestureScope gesture(*gestures_, "Clear Selected");
    ClearSelected(ctx_, true);
    RefreshP4();
    RefreshMain();
}

void MainForm::ClearSel2_Click() {
    const GestureScope gesture(*gestures_, "Clear Selected");
    ClearSelected(ctx_, false);
    RefreshP4();
    RefreshMain();
}

}  // namespace vantrel
