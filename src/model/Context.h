#pragma once

#include "model/Catalog.h"
#include "model/Design.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// The armor type list as the window shows it. The selected text names the armor in captions,
// owned entries, prices and the readout; it is empty while nothing is selected.
struct ArmorList {
    std::vector<std::string> entries;
    std::string text;

    bool operator==(const ArmorList&) const = default;
};

// The one shared state: the design, the catalog and the working fields of the session.
struct Context {
    Catalog catalog;
    Design design;
    std::string DesignFile;
    bool Saved = true;
    bool WarnedOnSave = false;
    int16_t SelLocation = -1;
    int16_t SelSlot = 0;
    bool RebuildSlots = true;
    ArmorList armorList;
    // The squad a design brought from a unit file, asked first by the record sheet and the unit
    // export; 0 = by technology base. The design file has no record for it.
    int Troopers = 0;
};

}  // namespace vantrel
