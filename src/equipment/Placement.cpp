#include "equipment/Placement.h"

#include "equipment/SlotView.h"

#include <cstdint>

namespace vantrel {

namespace {

const char* const kNotEnoughRoom = "Not enough room.";
const char* const kSpaceAdaptation = "Space Operations Adaptation";
const char* const kClampNames[] = {"Magnetic Clamps", "Claws and Magnetic Clamps"};
const char* const kManipulators[] = {
    "Magnetic Clamps", "Claws and Magnetic Clamps", "Armored Glove", "Vibro-Claws",
    "Battle Claw",     "Heavy Battle Claw",         "Manipulator",   "Salvage Arm"};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsClamp(const std::string& t) { return t == kClampNames[0] || t == kClampNames[1]; }

bool IsManipulator(const std::string& t) {
    for (const char* m : kManipulators)
        if (t == m) return true;
    return false;
}

bool IsArm(int location) { return location == kLeftArm || location == kRightArm; }

// Placed units of a named item; a name the catalog lacks counts as none placed.
int PlacedOf(const Context& ctx, const std::string& name) {
    const int i = FindIndex(ctx.catalog, name);
    return i < 0 ? 0 : ctx.design.PlacedCount[i];
}

// Slots an item covers. An item whose catalog record gives no slot count still takes one slot, so
// that a placed unit always sits somewhere the clearing commands can find it.
int ItemSlots(const Catalog& catalog, int idx) {
    const int n = catalog[idx].CSlots;
    return n < 1 ? 1 : n;
}

// True when slots i .. i+n-1 all lie below the usable count and are free.
bool HasRoom(const Design& d, int location, int i, int n) {
    const ConstSlotArrays a = Slots(d, location);
    const int usable = UsableSlots(d, location);
    if (i < 0 || static_cast<int64_t>(i) + n > usable) return false;
    for (int j = i; j < i + n; ++j)
        if (a.codes[j] != kSlotFree) return false;
    return true;
}

int FirstFree(const Design& d, int location) {
    const ConstSlotArrays a = Slots(d, location);
    for (int j = 0; j < a.count; ++j)
        if (a.codes[j] == kSlotFree) return j;
    return -1;
}

DropResult Refuse(const std::string& message, bool exclamation) {
    DropResult r;
    r.kind = DropResult::Kind::Refused;
    r.message = message;
    r.exclamation = exclamation;
    return r;
}

DropResult Silent() {
    DropResult r;
    r.kind = DropResult::Kind::SilentRefusal;
    return r;
}

DropResult Outcome(DropResult::Kind kind) {
    DropResult r;
    r.kind = kind;
    r.refreshMain = true;
    return r;
}

// An item over n slots from i: the first slot carries the count, the further ones -2.
void PlaceItem(Context& ctx, int location, int i, int idx) {
    SlotArrays a = Slots(ctx.design, location);
    const int n = ItemSlots(ctx.catalog, idx);
    for (int k = 0; k < n && i + k < a.count; ++k) {
        a.codes[i + k] = kSlotItemBase + idx;
        a.spans[i + k] = kSpanFollow;
    }
    a.spans[i] = n;
    ++ctx.design.PlacedCount[idx];
}

void PlaceAmmo(Context& ctx, int location, int i, int idx) {
    Slots(ctx.design, location).codes[i] = kSlotAmmoBase + idx;
    ++ctx.design.PlacedAmmo[idx];
}

// One slot of a unit that is spread over several locations without a span of its own. The span is
// reset so that a value left by an older item cannot make the selection cover its neighbours.
void PlaceLinked(Design& d, int location, int i, int idx) {
    SlotArrays a = Slots(d, location);
    a.codes[i] = kSlotItemBase + idx;
    a.spans[i] = kSpanNone;
}

// The owned-list entry leaves the unplaced counts.
void TakeFromOwned(Context& ctx, const std::string& entry) {
    Design& d = ctx.design;
    const std::string& armor = ctx.armorList.text;
    AddToStash(ctx.catalog, d, entry, -1);
    if (entry == kHeatSinkEntry) {
        --d.HeatSinks;
        ++d.PlacedHeatSinks;
    } else if (entry == kArmorPrefix + armor) {
        --d.ArmorPoints;
        ++d.PlacedArmor;
    } else if (entry == kASysPrefix + armor) {
        --d.ArmorSlots;
        ++d.PlacedArmorSlots;
    }
}

// Construction rules that come before the room check; an empty result lets the drop go on.
// `silent` is set for the refusals that show nothing.
std::string RuleBeforeRoom(const Context& ctx, int location, const std::string& t, int idx, bool& silent) {
    const Design& d = ctx.design;
    silent = false;
    if (t == "Para Foil" && d.JumpMP < 1) return "A Battle Armor must be able to jump to equip a Para Foil.";
    if (t == "Mine Dispenser" && d.JumpMP < 1 && d.VTOLMP < 1)
        return "You must have a Jump/VTOL MP of at least 1 to equip a Mine Dispenser.";
    if (t == "Jump Booster" && d.WeightClass != 1) return "Only Light Battle Armors may use a Jump Booster.";
    if (t == "Jump Booster" && PlacedOf(ctx, "Partial Wing") >= 1)
        return "Jump Boosters cannot be used in conjunction with Partial Wings.";
    if (t == "Partial Wing" && PlacedOf(ctx, "Jump Booster") >= 1)
        return "Jump Boosters cannot be used in conjunction with Partial Wings.";
    if (t == "Partial Wing" && d.WeightClass != 1) return "Only Light Battle Armors may use a Partial Wing.";
    if (IsArm(location) && IsClamp(t) &&
        (PlacedOf(ctx, kClampNames[0]) >= 1 || PlacedOf(ctx, kClampNames[1]) >= 1))
        return "Only one piece of clamp type equipment can be equipped at once.";
    if (location == kLeftArm && t == kSpaceAdaptation)
        return "Space Operation Adaptation should be placed on the body.";
    if ((location == kRightArm && t == kSpaceAdaptation) ||
        (location == kBody && t == kSpaceAdaptation && idx >= 0 && d.PlacedCount[idx] >= 1)) {
        silent = true;
        return {};
    }
    return {};
}

std::string RuleAfterRoom(const Context& ctx, const std::string& t) {
    if (t == "Bomb Rack" && PlacedOf(ctx, "Bomb Rack") >= 1)
        return "Only 1 Bomb Rack is allowed per Battle Armor.";
    if (t == "Bomb Rack" && ctx.design.VTOLMP < 1)
        return "Only Battle Armors equipped with VTOL may use Bomb Racks.";
    if (t == "Camo System" && ctx.armorList.text == "Mimetic")
        return "Camo System cannot be used in conjunction with Mimetic Armor.";
    return {};
}

// The room check applies to catalog items (not to ammunition): all their slots must be free and usable.
bool RoomCheckApplies(const std::string& t, int idx) { return idx >= 0 && !EndsWith(t, "Ammo"); }

DropResult DropOnTurret(Context& ctx, int slot, const std::string& t, bool hasText) {
    const int idx = FindIndex(ctx.catalog, t);
    if (RoomCheckApplies(t, idx) && !HasRoom(ctx.design, kTurret, slot, ItemSlots(ctx.catalog, idx)))
        return Refuse(kNotEnoughRoom, false);
    const bool usable = slot < UsableSlots(ctx.design, kTurret);
    if (!usable || ctx.design.TurretSlots[slot] != kSlotFree || !hasText || idx < 0 ||
        ctx.catalog[idx].Category == kEquipment)
        return Outcome(DropResult::Kind::NotPlaced);
    if (EndsWith(t, "Ammo"))
        PlaceAmmo(ctx, kTurret, slot, idx);
    else
        PlaceItem(ctx, kTurret, slot, idx);
    AddToStash(ctx.catalog, ctx.design, t, -1);
    return Outcome(DropResult::Kind::Placed);
}

}  // namespace

int UsableSlots(const Design& d, int location) {
    if (location != kTurret) return Slots(d, location).count;
    int n = d.TurretConfig ? d.TurretSize - 1 : d.TurretSize;
    if (n < 0) n = 0;
    if (n > kTurretSlotCount) n = kTurretSlotCount;
    return n;
}

DropResult DropOnSlot(Context& ctx, int location, int slot, const std::optional<std::string>& dragged,
                      const std::string& ownedEntry) {
    if (location < 0 || location >= kLocationCount || slot < 0 || slot >= Slots(ctx.design, location).count)
        return Silent();  // no such label
    const bool hasText = dragged.has_value();
    const std::string t = dragged.value_or(std::string());
    if (location == kTurret) return DropOnTurret(ctx, slot, t, hasText);

    Design& d = ctx.design;
    const int idx = FindIndex(ctx.catalog, t);

    // Step 1: construction rules, the room check among them; none looks at the target slot itself.
    bool silent = false;
    std::string message = RuleBeforeRoom(ctx, location, t, idx, silent);
    if (silent) return Silent();
    if (!message.empty()) return Refuse(message, true);
    const bool roomExempt = (location == kBody && t == kSpaceAdaptation) || (IsArm(location) && IsClamp(t));
    if (RoomCheckApplies(t, idx) && !roomExempt && !HasRoom(d, location, slot, ItemSlots(ctx.catalog, idx)))
        return Refuse(kNotEnoughRoom, false);
    message = RuleAfterRoom(ctx, t);
    if (!message.empty()) return Refuse(message, true);

    // Step 2: only a free slot takes anything.
    SlotArrays a = Slots(d, location);
    if (a.codes[slot] != kSlotFree || !hasText) return Outcome(DropResult::Kind::NotPlaced);

    // Step 3: placement, first matching case.
    if (idx >= 0 && location == kBody && t == kSpaceAdaptation) {
        const int right = FirstFree(d, kRightArm);
        const int left = FirstFree(d, kLeftArm);
        if (right < 0 || left < 0) return Refuse(kNotEnoughRoom, false);
        PlaceLinked(d, kBody, slot, idx);
        PlaceLinked(d, kRightArm, right, idx);
        PlaceLinked(d, kLeftArm, left, idx);
        ++d.PlacedCount[idx];
        AddToStash(ctx.catalog, d, ownedEntry, -1);
        return Outcome(DropResult::Kind::Placed);
    }
    if (idx >= 0 && (location == kBody || location == kQuadBody) && IsManipulator(t)) return Silent();
    if (idx >= 0 && IsArm(location) && IsClamp(t)) {
        const int other = location == kLeftArm ? kRightArm : kLeftArm;
        const int partner = FirstFree(d, other);
        if (partner < 0) return Refuse(kNotEnoughRoom, false);
        PlaceLinked(d, location, slot, idx);
        PlaceLinked(d, other, partner, idx);
        ++d.PlacedCount[idx];
    } else if (t == kASysPrefix + ctx.armorList.text) {
        a.codes[slot] = kSlotArmorSystem;
    } else if (t == kHeatSinkEntry) {
        a.codes[slot] = kSlotHeatSink;
    } else if (t == kMovementCaptions[kSlotGround] || t == kMovementCaptions[kSlotJump] ||
               t == kMovementCaptions[kSlotVTOL] || t == kMovementCaptions[kSlotUMU]) {
        for (int code = kSlotGround; code <= kSlotUMU; ++code)
            if (t == kMovementCaptions[code]) a.codes[slot] = code;
    } else if (t == kArmorPrefix + ctx.armorList.text) {
        a.codes[slot] = kSlotArmor;
    } else if (idx < 0) {
        return Outcome(DropResult::Kind::NotPlaced);
    } else if (EndsWith(t, "Ammo")) {
        PlaceAmmo(ctx, location, slot, idx);
    } else {
        PlaceItem(ctx, location, slot, idx);
    }

    // Step 4: the owned-list entry leaves the unplaced counts.
    TakeFromOwned(ctx, ownedEntry);
    return Outcome(DropResult::Kind::Placed);
}

bool ClickSlot(Context& ctx, int location, int slot) {
    if (location < 0 || location >= kLocationCount) return false;
    const ConstSlotArrays a = Slots(static_cast<const Design&>(ctx.design), location);
    if (slot < 0 || slot >= a.count) return false;
    const int code = a.codes[slot];
    if (code == kSlotFree || (code >= kSlotGround && code <= kSlotUMU)) return false;
    ctx.SelLocation = static_cast<int16_t>(location);
    ctx.SelSlot = static_cast<int16_t>(slot);
    return true;
}

}  // namespace vantrel
