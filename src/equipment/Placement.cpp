#include "equipment/Placement.h"

#include "equipment/SlotView.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel {

const char* const kNotEnoughRoom = "Not enough room.";
const char* const kOneSpaceAdaptation = "Only one Space Operations Adaptation fits on the body.";

namespace {

const char* const kClampNames[] = {"Magnetic Clamps", "Claws and Magnetic Clamps"};
const char* const kManipulators[] = {
    "Magnetic Clamps", "Claws and Magnetic Clamps", "Armored Glove", "Vibro-Claws",
    "Battle Claw",     "Heavy Battle Claw",         "Manipulator",   "Salvage Arm"};

bool IsClamp(const std::string& t) { return t == kClampNames[0] || t == kClampNames[1]; }

bool IsManipulator(const std::string& t) {
    for (const char* m : kManipulators)
        if (t == m) return true;
    return false;
}

bool IsArm(int location) { return location == kLeftArm || location == kRightArm; }

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

// What a construction rule looks at besides the dragged text.
struct RuleInput {
    const Context& ctx;
    int location;
    int idx;            // catalog index of the dragged text, -1 when it names no item
    int takenOut = -1;  // a catalog index one placed unit of which the counts leave out
};

// Placed units of an item as a rule counts them.
int PlacedOf(const RuleInput& in, int i) {
    if (i < 0) return 0;
    return in.ctx.design.PlacedCount[i] - (i == in.takenOut ? 1 : 0);
}

// The same by name; a name the catalog lacks counts as none placed.
int PlacedOf(const RuleInput& in, const std::string& name) {
    return PlacedOf(in, FindIndex(in.ctx.catalog, name));
}

// A construction rule of a drop: when the dragged text is `item` and `breaks` holds, the drop is refused
// with `message`, or without a word when `message` is null. Only the first broken rule counts.
struct DropRule {
    const char* item;
    bool (*breaks)(const RuleInput&);
    const char* message;
};

bool CannotJump(const RuleInput& in) { return in.ctx.design.JumpMP < 1; }
bool CannotJumpOrFly(const RuleInput& in) { return in.ctx.design.JumpMP < 1 && in.ctx.design.VTOLMP < 1; }
bool NotLight(const RuleInput& in) { return in.ctx.design.WeightClass != 1; }
bool HasPartialWing(const RuleInput& in) { return PlacedOf(in, "Partial Wing") >= 1; }
bool HasJumpBooster(const RuleInput& in) { return PlacedOf(in, "Jump Booster") >= 1; }
bool SecondClampOnArm(const RuleInput& in) {
    return IsArm(in.location) && (PlacedOf(in, kClampNames[0]) >= 1 || PlacedOf(in, kClampNames[1]) >= 1);
}
bool OnLeftArm(const RuleInput& in) { return in.location == kLeftArm; }
bool SpaceAdaptationRepeated(const RuleInput& in) {
    return in.location == kRightArm || (in.location == kBody && PlacedOf(in, in.idx) >= 1);
}
bool HasBombRack(const RuleInput& in) { return PlacedOf(in, "Bomb Rack") >= 1; }
bool CannotFly(const RuleInput& in) { return in.ctx.design.VTOLMP < 1; }
bool MimeticArmor(const RuleInput& in) { return in.ctx.armorList.text == "Mimetic"; }

const char* const kNeedsLift = "You must have a Jump/VTOL MP of at least 1 to equip a Mine Dispenser.";
const char* const kBoosterAndWing = "Jump Boosters cannot be used in conjunction with Partial Wings.";
const char* const kOneClamp = "Only one piece of clamp type equipment can be equipped at once.";

// The rules that come before the room check; none looks at the target slot itself.
const DropRule kRulesBeforeRoom[] = {
    {"Para Foil",      CannotJump,              "A Battle Armor must be able to jump to equip a Para Foil."},
    {"Mine Dispenser", CannotJumpOrFly,         kNeedsLift                                                 },
    {"Jump Booster",   NotLight,                "Only Light Battle Armors may use a Jump Booster."         },
    {"Jump Booster",   HasPartialWing,          kBoosterAndWing                                            },
    {"Partial Wing",   HasJumpBooster,          kBoosterAndWing                                            },
    {"Partial Wing",   NotLight,                "Only Light Battle Armors may use a Partial Wing."         },
    {kClampNames[0],   SecondClampOnArm,        kOneClamp                                                  },
    {kClampNames[1],   SecondClampOnArm,        kOneClamp                                                  },
    {kSpaceAdaptation, OnLeftArm,               "Space Operation Adaptation should be placed on the body." },
    {kSpaceAdaptation, SpaceAdaptationRepeated, nullptr                                                    },
};

// The rules that come after it.
const DropRule kRulesAfterRoom[] = {
    {"Bomb Rack",   HasBombRack,  "Only 1 Bomb Rack is allowed per Battle Armor."                },
    {"Bomb Rack",   CannotFly,    "Only Battle Armors equipped with VTOL may use Bomb Racks."    },
    {"Camo System", MimeticArmor, "Camo System cannot be used in conjunction with Mimetic Armor."},
};

template <std::size_t N>
const DropRule* FirstBroken(const DropRule (&rules)[N], const std::string& t, const RuleInput& in) {
    for (const DropRule& rule : rules)
        if (t == rule.item && rule.breaks(in)) return &rule;
    return nullptr;
}

// Every rule of a table the placed unit breaks, each message once.
template <std::size_t N>
void AddBroken(const DropRule (&rules)[N], const std::string& t, const RuleInput& in,
               std::vector<const char*>& out) {
    for (const DropRule& rule : rules) {
        if (t != rule.item || !rule.breaks(in)) continue;
        const char* text = rule.message ? rule.message : kOneSpaceAdaptation;
        if (std::find(out.begin(), out.end(), text) == out.end()) out.push_back(text);
    }
}

std::optional<DropResult> Refusal(const DropRule* rule) {
    if (rule == nullptr) return std::nullopt;
    if (rule->message == nullptr) return Silent();
    return Refuse(rule->message, true);
}

// The room check applies to catalog items (not to ammunition): all their slots must be free and usable.
bool RoomCheckApplies(const std::string& t, int idx) { return idx >= 0 && !IsAmmoText(t); }

DropResult DropOnTurret(Context& ctx, int slot, const std::string& t, bool hasText) {
    const int idx = FindIndex(ctx.catalog, t);
    if (RoomCheckApplies(t, idx) && !HasRoom(ctx.design, kTurret, slot, ItemSlots(ctx.catalog, idx)))
        return Refuse(kNotEnoughRoom, false);
    const bool usable = slot < UsableSlots(ctx.design, kTurret);
    if (!usable || ctx.design.TurretSlots[slot] != kSlotFree || !hasText || idx < 0 ||
        ctx.catalog[idx].Category == kEquipment)
        return Outcome(DropResult::Kind::NotPlaced);
    if (IsAmmoText(t))
        PlaceAmmo(ctx, kTurret, slot, idx);
    else
        PlaceItem(ctx, kTurret, slot, idx);
    AddToStash(ctx.catalog, ctx.design, t, -1);
    return Outcome(DropResult::Kind::Placed);
}

// The construction rules with the room check between them; nothing when the drop may go on.
std::optional<DropResult> CheckRules(const Context& ctx, int location, int slot, const std::string& t,
                                     int idx) {
    const RuleInput in{ctx, location, idx};
    if (std::optional<DropResult> r = Refusal(FirstBroken(kRulesBeforeRoom, t, in))) return r;
    const bool roomExempt = (location == kBody && t == kSpaceAdaptation) || (IsArm(location) && IsClamp(t));
    if (RoomCheckApplies(t, idx) && !roomExempt &&
        !HasRoom(ctx.design, location, slot, ItemSlots(ctx.catalog, idx)))
        return Refuse(kNotEnoughRoom, false);
    return Refusal(FirstBroken(kRulesAfterRoom, t, in));
}

// The adaptation takes the body slot and the first free slot of each arm, all for one unit.
DropResult PlaceSpaceAdaptation(Context& ctx, int slot, int idx, const std::string& ownedEntry) {
    Design& d = ctx.design;
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

// Clamps go on both arms at once; false when the other arm has no free slot.
bool PlaceClamps(Design& d, int location, int slot, int idx) {
    const int other = location == kLeftArm ? kRightArm : kLeftArm;
    const int partner = FirstFree(d, other);
    if (partner < 0) return false;
    PlaceLinked(d, location, slot, idx);
    PlaceLinked(d, other, partner, idx);
    ++d.PlacedCount[idx];
    return true;
}

// The slot code of an owned entry that is no catalog item (armor, heat sink, movement); free for any other.
int WorkingEntryCode(const std::string& t, const std::string& armor) {
    if (t == kASysPrefix + armor) return kSlotArmorSystem;
    if (t == kHeatSinkEntry) return kSlotHeatSink;
    for (int code = kSlotGround; code <= kSlotUMU; ++code)
        if (t == kMovementCaptions[code]) return code;
    if (t == kArmorPrefix + armor) return kSlotArmor;
    return kSlotFree;
}

// Any other entry into one location; false when the text names nothing that can be placed.
bool PlaceEntry(Context& ctx, int location, int slot, const std::string& t, int idx) {
    if (const int code = WorkingEntryCode(t, ctx.armorList.text); code != kSlotFree) {
        Slots(ctx.design, location).codes[slot] = code;
    } else if (idx < 0) {
        return false;
    } else if (IsAmmoText(t)) {
        PlaceAmmo(ctx, location, slot, idx);
    } else {
        PlaceItem(ctx, location, slot, idx);
    }
    return true;
}

}  // namespace

int UsableSlots(const Design& d, int location) {
    if (location != kTurret) return Slots(d, location).count;
    return TurretUsableSlots(d);
}

DropResult DropOnSlot(Context& ctx, int location, int slot, const std::optional<std::string>& dragged,
                      const std::string& ownedEntry) {
    if (location < 0 || location >= kLocationCount || slot < 0 || slot >= Slots(ctx.design, location).count)
        return Silent();  // no such label
    const bool hasText = dragged.has_value();
    const std::string t = dragged.value_or(std::string());
    if (location == kTurret) return DropOnTurret(ctx, slot, t, hasText);

    const int idx = FindIndex(ctx.catalog, t);
    if (const std::optional<DropResult> refusal = CheckRules(ctx, location, slot, t, idx)) return *refusal;

    // Only a free slot takes anything.
    if (Slots(ctx.design, location).codes[slot] != kSlotFree || !hasText)
        return Outcome(DropResult::Kind::NotPlaced);

    // Placement, first matching case.
    if (idx >= 0 && location == kBody && t == kSpaceAdaptation)
        return PlaceSpaceAdaptation(ctx, slot, idx, ownedEntry);
    if (idx >= 0 && (location == kBody || location == kQuadBody) && IsManipulator(t)) return Silent();
    if (idx >= 0 && IsArm(location) && IsClamp(t)) {
        if (!PlaceClamps(ctx.design, location, slot, idx)) return Refuse(kNotEnoughRoom, false);
    } else if (!PlaceEntry(ctx, location, slot, t, idx)) {
        return Outcome(DropResult::Kind::NotPlaced);
    }
    TakeFromOwned(ctx, ownedEntry);
    return Outcome(DropResult::Kind::Placed);
}

void BrokenRulesOfPlaced(const Context& ctx, int location, int idx, std::vector<const char*>& out) {
    if (idx < 0 || idx >= kCatalogSize || location == kTurret) return;
    const RuleInput in{ctx, location, idx, idx};
    const std::string& t = ctx.catalog[idx].Name;
    AddBroken(kRulesBeforeRoom, t, in, out);
    AddBroken(kRulesAfterRoom, t, in, out);
}

bool SlotSelectable(const Design& d, int location, int slot) {
    if (location < 0 || location >= kLocationCount) return false;
    const ConstSlotArrays a = Slots(d, location);
    if (slot < 0 || slot >= a.count) return false;
    const int code = a.codes[slot];
    return code != kSlotFree && !(code >= kSlotGround && code <= kSlotUMU);
}

bool ClickSlot(Context& ctx, int location, int slot) {
    if (!SlotSelectable(ctx.design, location, slot)) return false;
    ctx.SelLocation = static_cast<int16_t>(location);
    ctx.SelSlot = static_cast<int16_t>(slot);
    return true;
}

}  // namespace vantrel
