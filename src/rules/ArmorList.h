#pragma once

#include "model/Context.h"

namespace vantrel {

// Fills the list with the armor types offered for `techBase`, nothing selected.
void RebuildArmorList(ArmorList& list, int techBase);
// Selects entry `index`; an index outside the list leaves nothing selected.
void SelectArmorEntry(ArmorList& list, int index);
// The list as the window shows it for a design it has loaded: its base's entries, its type selected.
ArmorList ArmorListFor(const Design& d);

}  // namespace vantrel
