#pragma once

#include "equipment/Placement.h"
#include "model/Context.h"

#include <string>
#include <vector>

namespace vantrel {

// The slot a placement without dragging drops on. `accepted` tells whether a drop there places the
// entry; when no slot would, it is the lowest free slot (0 when none is free), whose drop gives the
// user the refusal a drop gives.
struct PlaceTarget {
    int slot = 0;
    bool accepted = false;
};
PlaceTarget FindPlaceSlot(const Context& ctx, int location, const std::string& entry);

// "Place in <location>": the drop of the owned entry on the slot FindPlaceSlot names.
DropResult PlaceIn(Context& ctx, int location, const std::string& entry);

// The locations a placement tries, in order: Body, Right Arm, Left Arm; on a quad Body, Turret.
std::vector<int> PlaceOrder(const Design& d);

// Double-click or Enter on an owned entry: the first location of PlaceOrder that accepts it, else the
// first location's action (which then shows the drop's refusal).
DropResult PlaceAnywhere(Context& ctx, const std::string& entry);

// An entry Place All left in the owned list: how many of it stayed and the first rule that refused it.
struct Unplaced {
    std::string entry;
    int count = 0;
    std::string reason;
};

// Places the owned entries one after another by PlaceAnywhere; nothing is shown per entry.
std::vector<Unplaced> PlaceAll(Context& ctx);

// The one message after Place All; empty when everything was placed.
std::string PlaceAllMessage(const std::vector<Unplaced>& left);

}  // namespace vantrel
