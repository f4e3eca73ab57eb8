#pragma once

#include "model/Catalog.h"
#include "model/Design.h"

#include <cstdint>
#include <functional>
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

// Whether the design counts as unchanged since it was last opened, saved or made new. Nothing stores
// it: the keeper of that state (the window's undo watch) answers, by comparing the records; with no
// keeper every design counts as unchanged. A copy of the context is another design with no keeper, and
// assigning a context keeps the keeper it had.
class SavedMark {
public:
    SavedMark() = default;
    SavedMark(const SavedMark&) {}
    SavedMark& operator=(const SavedMark&) { return *this; }
    explicit operator bool() const { return !changed_ || !changed_(); }
    void DeriveFrom(std::function<bool()> changed) { changed_ = std::move(changed); }

private:
    std::function<bool()> changed_;
};

// The one shared state: the design, the catalog and the working fields of the session.
struct Context {
    Catalog catalog;
    Design design;
    std::string DesignFile;
    SavedMark Saved;
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
