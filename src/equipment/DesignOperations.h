#pragma once

#include "equipment/SlotView.h"
#include "model/Context.h"
#include "rules/Limits.h"

#include <vector>

namespace vantrel {

// The pages a window shows again after an operation, besides the status line that ends every one.
struct PagesToShow {
    bool chassis = false;      // the first page: chassis, technology, heat sinks, movement
    bool armor = false;        // the armor type and points
    bool equipment = false;    // the available and owned lists
    bool slotLayouts = false;  // both slot layouts

    bool operator==(const PagesToShow&) const = default;
};

// The consequences of each choice of the first two pages on the design alone, in the order of their
// steps: what the choice writes, what it clears and resets, the movement and armor brought within the
// new limits, the slot layout laid out again where the choice asks for it. Each ends with the totals
// worked out, so the pages show the design as it now stands. None shows a message.

// Chassis: a change lays out the slots of the chassis left (its items go back) and empties the owned
// equipment; a Humanoid has no turret.
PagesToShow ChooseChassis(Context& ctx, bool quad);
// Weight class: every slot of both layouts cleared, the owned equipment emptied, an Exoskeleton made
// Humanoid (without a turret), movement and armor within the class, the slots laid out again.
PagesToShow ChooseWeightClass(Context& ctx, int weightClass);
// Technology base: the armor list of the base, slots cleared and owned equipment emptied, VTOL gone
// where the base has none, and the list's first armor type chosen.
PagesToShow ChooseTechBase(Context& ctx, int techBase);
PagesToShow ChooseSuitSystems(Context& ctx, int suitSystems);
// Turret size; none takes the configurable turret away.
PagesToShow ChooseTurret(Context& ctx, int size);
// Configurable turret on or off; on only where there is a turret.
PagesToShow ToggleConfigurableTurret(Context& ctx);
PagesToShow ToggleEnhancedImaging(Context& ctx);
// The release of a movement slider: the other kinds beside ground to 0 (jump, VTOL, underwater), the
// slots laid out again.
PagesToShow ReleaseMovement(Context& ctx, MoveKind kind);
// The release of the heat sink slider at `total` heat sinks, placed ones included.
PagesToShow ReleaseHeatSinks(Context& ctx, int total);
// Armor type at list index `index`: the current chassis's slots cleared, the type's armor-system slots
// to place, the weight of the points of the type.
PagesToShow ChooseArmorType(Context& ctx, int index);

// A movement slider moved to `points`: the kind's field within the slider's range (ground at least 1,
// none above what the class, chassis and technology allow). The other kinds, the slots and the totals
// wait for the release.
void SlideMovement(Context& ctx, MoveKind kind, int points);
// The armor slider moved to `total` points, placed ones included: the unplaced points are what lies
// between the placed ones and the class's maximum, and the weight follows them. The totals wait for
// the release.
void SlideArmor(Context& ctx, int total);

// The owned equipment emptied (heat sinks and armor-system slots stay).
void ClearOwned(Design& d);
// "Clear" on the equipment page: ClearOwned, the lists filled again.
PagesToShow ClearEquipment(Context& ctx);

// The entries the available list offers for a category (0..4) in catalog order: the items of the
// category the technology base offers, and under Ammunition the ammunition of each offered item that
// fires some after them (with `carriedOnly`, only of weapons the design owns or has placed).
std::vector<std::string> AvailableEntries(const Context& ctx, int category, bool carriedOnly);

// What "Add >>" or "<< Remove" did with the entries given, in their order: whether each entry's
// lines go into (Add) or out of (Remove) the owned list. The window edits its list in place by the
// same entries, so it keeps its order and selection until its next refill; besides the status line
// no page is shown again.
struct OwnedChange {
    std::vector<bool> taken;
    PagesToShow pages;
};

// Whether Add takes `entry` (an item's name, or the name followed by " Ammo") `count` times: the
// catalog knows it, the technology base offers it, the count is at least 1 and the units stay within
// the design's counts. A refusal says nothing.
bool Addable(const Context& ctx, const OwnedRun& entry);
// "Add >>": the units of each addable entry into the owned items or ammunition.
OwnedChange AddEquipment(Context& ctx, const std::vector<OwnedRun>& entries);
// "<< Remove": the units of each entry out of the owned items or ammunition, never below none. Heat
// sinks and the armor entries belong to the sliders and the armor type: they stay, without a word.
OwnedChange RemoveEquipment(Context& ctx, const std::vector<OwnedRun>& entries);

}  // namespace vantrel
