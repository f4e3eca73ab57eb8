#pragma once

#include "model/Catalog.h"
#include "model/Design.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

// The armor type list as the window shows it. The selected text names the armor in captions,
// owned entries, prices and the readout; it is empty while nothing is selected.
struct ArmorList {
    std::vector<std::string> entries;
    std::string text;

    bool operator==(const ArmorList&) const = default;
};

// Everything the rules read: one design with its working fields, over the shared catalog. A plain
// record of a few kilobytes, so a copy is another design to try things on.
struct Context {
    Context() = default;
    explicit Context(CatalogRef shared) : catalog(std::move(shared)) {}

    CatalogRef catalog;
    Design design;
    std::string DesignFile;
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
