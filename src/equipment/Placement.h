#pragma once

#include "model/Context.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// What a drop on a slot did. The page always redraws the slots afterwards; the status line is
// refreshed only when `refreshMain` is set.
struct DropResult {
    enum class Kind {
        Placed,        // the entry went into the slot(s): one owned unit moved to the placed counts
        NotPlaced,     // nothing placed (occupied slot, no text, unknown name, equipment on the turret)
        Refused,       // a construction rule or the room check refused it: show `message`
        SilentRefusal  // refused without a message (second space adaptation, manipulator on a body, ...)
    };
    Kind kind = Kind::NotPlaced;
    std::string message;       // for Refused
    bool exclamation = false;  // icon of the message; "Not enough room." has none
    bool refreshMain = false;
};

// The room check's refusal, shown without an icon.
extern const char* const kNotEnoughRoom;

// What the design check says of a second space adaptation, which a drop refuses without a word.
extern const char* const kOneSpaceAdaptation;

// Drop of the dragged text (none when the data carried no plain text) on slot `slot` of `location`.
// `ownedEntry` is the selected entry of the page's owned list (the drag source).
DropResult DropOnSlot(Context& ctx, int location, int slot, const std::optional<std::string>& dragged,
                      const std::string& ownedEntry);

// The construction rules a placed unit of catalog item `idx` in `location` breaks as the design now
// stands: each rule is asked as if that unit were dropped there again, with it taken out of the
// placed counts. Appends each message once, in rule order; the turret has no rules.
void BrokenRulesOfPlaced(const Context& ctx, int location, int idx, std::vector<const char*>& out);

// A click on a slot: selects it when it holds anything but a free or movement code.
// Returns true when the selection was set (the page then redraws).
bool ClickSlot(Context& ctx, int location, int slot);
// Whether ClickSlot would select the slot.
bool SlotSelectable(const Design& d, int location, int slot);

// Slots a location offers: 12, 4, 4, 16, and the turret size less one for a configurable turret.
int UsableSlots(const Design& d, int location);

}  // namespace vantrel
