#pragma once

#include "model/Context.h"

#include <array>
#include <string>

namespace vantrel {

// State part of "Clear All CSlots" for the humanoid locations (arms, body) and the quad locations
// (turret, quad body): everything placed returns to the unplaced counts, movement entries stay,
// the selection is dropped. The caller then redraws the slot page and the status line.
void ClearAllHumanoid(Context& ctx);
void ClearAllQuad(Context& ctx);

// State part of "Clear Selected": `humanoid` true for the humanoid page's button (locations 0..2),
// false for the quad page's (3, 4). Frees the selected item as the highlight marks it.
void ClearSelected(Context& ctx, bool humanoid);

// Which slots the selection highlight marks, per location (index = slot).
using Highlight = std::array<std::array<bool, 16>, kLocationCount>;
Highlight SelectionHighlight(const Context& ctx);

// The rebuild of the slot layout asked for by RebuildSlots: clears the current chassis's slots
// (as Clear All), empties the body and quad body codes and lays the movement entries from slot 0:
// ground, jump, VTOL, underwater. Sets RebuildSlots false.
void RebuildMovementSlots(Context& ctx);

}  // namespace vantrel
