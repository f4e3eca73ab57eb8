// The slot page's commands: its redraw, drops and clicks on the slot labels, the place actions and
// the clearing commands.

#include "equipment/AutoPlace.h"
#include "equipment/Clearing.h"
#include "equipment/Placement.h"
#include "equipment/SlotView.h"
#include "model/Design.h"
#include "rules/Tables.h"
#include "sheet/QtText.h"
#include "ui/Dialogs.h"
#include "ui/Gesture.h"
#include "ui/MainFormControls.h"
#include "ui/PageHost.h"
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

const char* DropName(int location) {
    static const char* const names[kLocationCount] = {"Drop on Body", "Drop on Left Arm", "Drop on Right Arm",
                                                      "Drop on Body", "Drop on Turret"};
    return location >= 0 && location < kLocationCount ? names[location] : "Drop";
}

const char* PlaceName(int location) {
    static const char* const names[kLocationCount] = {
        "Place in Body", "Place in Left Arm", "Place in Right Arm", "Place in Body", "Place in Turret"};
    return location >= 0 && location < kLocationCount ? names[location] : "Place";
}

int OwnedLines(const Context& ctx) {
    int lines = 0;
    for (const OwnedRun& run : OwnedRuns(ctx)) lines += run.count;
    return lines;
}

}  // namespace

void SlotPage::ConnectHandlers() {
    // Queued: the drop is handled once the toolkit's drag has ended and released the pointer, so the
    // message box of a refusal can take the click that closes it.
    connect(
        this, &SlotPage::slotDropped, this,
        [this](int location, int slot, const std::optional<QString>& text) {
            SlotDrop(location, slot, text);
        },
        Qt::QueuedConnection);
    connect(this, &SlotPage::slotClicked, this, &SlotPage::SlotClick);
    connect(this, &SlotPage::slotActivated, this, &SlotPage::SlotKey);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("SlotMenu"));
    menu->setFont(font());  // a menu is a window of its own and takes no font from the page
    for (int location = 0; location < kLocationCount; ++location) {
        for (int slot = 0; slot < CritCount(location); ++slot) {
            SlotLabel* label = Crit(location, slot);
            if (!label) continue;
            const int l = location;
            connect(label, &SlotLabel::menuRequested, this,
                    [this, menu, l](int s, const QPoint& at) { SlotMenu(menu, l, s, at); });
        }
    }
    for (const auto& [action, location] : PlaceActions()) {
        const int l = location;
        connect(action, &QAction::triggered, this, [this, l] { PlaceSelectedIn(l); });
    }
    connect(Owned(), &OwnedList::placeRequested, this, &SlotPage::PlaceSelected);
    connect(PlaceAll, &QPushButton::clicked, this, &SlotPage::PlaceAllOwned);
    if (chassis_ == Chassis::Humanoid) {
        connect(ClearSel1, &QPushButton::clicked, this, &SlotPage::ClearSel1_Click);
        connect(ClearCS, &QPushButton::clicked, this, &SlotPage::ClearCS_Click);
    } else {
        connect(ClearSel2, &QPushButton::clicked, this, &SlotPage::ClearSel2_Click);
        connect(ClearCST, &QPushButton::clicked, this, &SlotPage::ClearCST_Click);
        // A free turret slot lights up only for a text that names a catalog entry.
        for (SlotLabel* label : TurretCrit)
            label->SetHoverFilter(
                [this](const QString& t) { return FindIndex(ctx_.catalog, t.toStdString()) != -1; });
    }
}

// What every drop shows afterwards, whichever way it came: the refused slot back to green, the page
// redrawn, the refusal's message, the status line after a placement.
void SlotPage::ShowDrop(int location, int slot, const DropResult& r) {
    const bool refused = r.kind == DropResult::Kind::Refused;
    if (refused && !r.exclamation) {
        if (SlotLabel* label = Crit(location, slot)) label->SetColour(ToQColor(kColourFree));
    }
    host_.RefreshP4();
    if (refused) {
        dialogs_.Message(window(), ToQString(r.message), QStringLiteral("Vantrel"),
                         r.exclamation ? Dialogs::Icon::Exclamation : Dialogs::Icon::None,
                         Dialogs::Buttons::Ok);
    }
    if (r.refreshMain) host_.RefreshMain();
}

void SlotPage::SlotDrop(int location, int slot, const std::optional<QString>& text) {
    const GestureScope gesture(gestures_, DropName(location));
    const QString owned = Owned()->SelectedEntry();
    // Every drag of this program carries the selected owned entry. Text dragged in from elsewhere
    // would be placed without leaving the owned counts, so it is not taken.
    if (text && *text != owned) {
        host_.RefreshP4();
        return;
    }
    std::optional<std::string> dragged;
    if (text) dragged = text->toStdString();
    ShowDrop(location, slot, DropOnSlot(ctx_, location, slot, dragged, owned.toStdString()));
}

// The drop of the selected owned entry on the slot "Place in <location>" names.
void SlotPage::PlaceSelectedIn(int location) {
    const GestureScope gesture(gestures_, PlaceName(location));
    const std::string entry = Owned()->SelectedEntry().toStdString();
    if (entry.empty()) return;
    const PlaceTarget t = FindPlaceSlot(ctx_, location, entry);
    ShowDrop(location, t.slot, DropOnSlot(ctx_, location, t.slot, entry, entry));
}

// Double-click or Enter: the first location that accepts the entry, else the first location's action.
// The step is named after the location chosen, as if its action had been taken.
void SlotPage::PlaceSelected() {
    const std::string entry = Owned()->SelectedEntry().toStdString();
    if (entry.empty()) return;
    const std::vector<int> order = PlaceOrder(ctx_.design);
    int location = order.front();
    for (int l : order) {
        if (FindPlaceSlot(ctx_, l, entry).accepted) {
            location = l;
            break;
        }
    }
    PlaceSelectedIn(location);
}

void SlotPage::PlaceAllOwned() {
    const GestureScope gesture(gestures_, "Place All");
    const int before = OwnedLines(ctx_);
    const std::string message = PlaceAllMessage(vantrel::PlaceAll(ctx_));
    host_.RefreshP4();
    if (!message.empty())
        dialogs_.Message(window(), ToQString(message), QStringLiteral("Vantrel"), Dialogs::Icon::Exclamation,
                         Dialogs::Buttons::Ok);
    if (OwnedLines(ctx_) != before) host_.RefreshMain();
}

void SlotPage::SlotClick(int location, int slot) {
    const GestureScope gesture(gestures_, "Select Slot");
    if (ClickSlot(ctx_, location, slot)) host_.RefreshP4();
}

// Enter or Space on a slot: on a free slot the drop of the selected owned entry, as if it were
// dragged there; on any other the click.
void SlotPage::SlotKey(int location, int slot) {
    if (CodeAt(ctx_.design, location, slot) != kSlotFree) {
        SlotClick(location, slot);
        return;
    }
    const QString owned = Owned()->SelectedEntry();
    if (owned.isEmpty()) return;  // nothing selected: no drag could have started either
    SlotDrop(location, slot, owned);
}

// "Place <entry> here": the drop of the selected owned entry on this slot, whatever it holds, as if
// the entry were dragged there; the step is named after the location's place action.
void SlotPage::PlaceHere(int location, int slot, const QString& entry) {
    const GestureScope gesture(gestures_, PlaceName(location));
    SlotDrop(location, slot, entry);
}

// "Clear": the click on the slot, then Clear Selected. Only offered where the click selects, so that
// it never clears an earlier selection elsewhere.
void SlotPage::ClearSlot(int location, int slot) {
    const GestureScope gesture(gestures_, "Clear Selected");
    if (!SlotSelectable(ctx_.design, location, slot)) return;
    SlotClick(location, slot);
    if (chassis_ == Chassis::Humanoid)
        ClearSel1_Click();
    else
        ClearSel2_Click();
}

// The slot's context menu, filled afresh for the slot and the owned list's selection at `at`.
void SlotPage::SlotMenu(QMenu* menu, int location, int slot, const QPoint& at) {
    // The Menu key may come both as a key and as the platform's context menu event.
    if (menu->isVisible()) return;
    menu->clear();
    const QString entry = Owned()->SelectedEntry();
    QString shown = entry;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* place = menu->addAction(entry.isEmpty() ? QStringLiteral("&Place here")
                                                     : QStringLiteral("&Place %1 here").arg(shown));
    place->setObjectName(QStringLiteral("PlaceHere"));
    place->setEnabled(!entry.isEmpty());
    connect(place, &QAction::triggered, this,
            [this, location, slot, entry] { PlaceHere(location, slot, entry); });
    QAction* clear = menu->addAction(QStringLiteral("&Clear"));
    clear->setObjectName(QStringLiteral("ClearSlot"));
    clear->setEnabled(SlotSelectable(ctx_.design, location, slot));
    connect(clear, &QAction::triggered, this, [this, location, slot] { ClearSlot(location, slot); });
    menu->popup(at);
}

void SlotPage::Fill(const std::vector<EntryRun>& owned, const Highlight& marks) {
    const Design& d = ctx_.design;
    if (chassis_ == Chassis::Humanoid) {
        ClearSel1->setEnabled(ctx_.SelLocation >= kBody && ctx_.SelLocation <= kRightArm);
    } else {
        ClearSel2->setEnabled(ctx_.SelLocation == kQuadBody || ctx_.SelLocation == kTurret);
        SetTurret(TurretUsableSlots(d), d.TurretSize != 0);
    }

    const QColor selected = ToQColor(kColourSelected);
    for (int location = 0; location < kLocationCount; ++location) {
        if (!HasLocation(location)) continue;
        for (int i = 0; i < CritCount(location); ++i) {
            const int code = CodeAt(d, location, i);
            const QString caption = ToQString(SlotCaption(ctx_, code));
            SlotLabel* label = Crit(location, i);
            label->SetSlot(caption, marks[location][i] ? selected : ToQColor(SlotColour(code)));
            label->setAccessibleName(QStringLiteral("%1 slot %2: %3")
                                         .arg(QLatin1String(LocationName(location)))
                                         .arg(i + 1)
                                         .arg(caption));
        }
    }

    Owned()->SetEntries(owned);
    // A refill drops the selection without a signal of its own.
    UpdatePlaceActions();
}

void SlotPage::ClearCS_Click() {
    const GestureScope gesture(gestures_, "Clear All CSlots");
    ClearAllHumanoid(ctx_);
    host_.RefreshP4();
    host_.RefreshMain();
}

void SlotPage::ClearCST_Click() {
    const GestureScope gesture(gestures_, "Clear All CSlots");
    ClearAllQuad(ctx_);
    host_.RefreshP4();
    host_.RefreshMain();
}

void SlotPage::ClearSel1_Click() {
    const GestureScope gesture(gestures_, "Clear Selected");
    vantrel::ClearSelected(ctx_, true);
    host_.RefreshP4();
    host_.RefreshMain();
}

void SlotPage::ClearSel2_Click() {
    const GestureScope gesture(gestures_, "Clear Selected");
    vantrel::ClearSelected(ctx_, false);
    host_.RefreshP4();
    host_.RefreshMain();
}

}  // namespace vantrel
