#pragma once

#include "model/Context.h"
#include "rules/Limits.h"

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

// The owned equipment emptied (heat sinks and armor-system slots stay).
void ClearOwned(Design& d);

}  // namespace vantrel
