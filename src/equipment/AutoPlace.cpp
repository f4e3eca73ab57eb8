#include "equipment/AutoPlace.h"

#include "equipment/SlotView.h"

#include <algorithm>

namespace vantrel {

namespace {

const char* const kPlaceAllHeader = "These entries could not be placed:";

// The drop itself decides: each slot is tried on a copy, so no rule is restated here. A refusal
// leaves the copy untouched, which lets one copy serve every slot of the location.
PlaceTarget Search(const Context& ctx, int location, const std::string& entry) {
    const int usable = UsableSlots(ctx.design, location);
    Context trial = ctx;
    for (int slot = 0; slot < usable; ++slot) {
        if (DropOnSlot(trial, location, slot, entry, entry).kind == DropResult::Kind::Placed)
            return {slot, true};
        trial.design = ctx.design;
    }
    const ConstSlotArrays a = Slots(ctx.design, location);
    for (int slot = 0; slot < usable && slot < a.count; ++slot)
        if (a.codes[slot] == kSlotFree) return {slot, false};
    return {0, false};
}

}  // namespace

PlaceTarget FindPlaceSlot(const Context& ctx, int location, const std::string& entry) {
    if (location < 0 || location >= kLocationCount) return {};
    return Search(ctx, location, entry);
}

DropResult PlaceIn(Context& ctx, int location, const std::string& entry) {
    const PlaceTarget t = FindPlaceSlot(ctx, location, entry);
    return DropOnSlot(ctx, location, t.slot, entry, entry);
}

std::vector<int> PlaceOrder(const Design& d) {
    if (d.IsQuad) return {kQuadBody, kTurret};
    return {kBody, kRightArm, kLeftArm};
}

DropResult PlaceAnywhere(Context& ctx, const std::string& entry) {
    const std::vector<int> order = PlaceOrder(ctx.design);
    for (int location : order) {
        const PlaceTarget t = FindPlaceSlot(ctx, location, entry);
        if (t.accepted) return DropOnSlot(ctx, location, t.slot, entry, entry);
    }
    return PlaceIn(ctx, order.front(), entry);
}

std::vector<Unplaced> PlaceAll(Context& ctx) {
    std::vector<Unplaced> left;
    const auto given = [&](const std::string& e) {
        return std::any_of(left.begin(), left.end(), [&](const Unplaced& u) { return u.entry == e; });
    };
    // Every round places one unit or gives up one entry, so the bound is never reached by a sound drop.
    const std::size_t bound = OwnedEntries(ctx).size() * 2 + 1;
    for (std::size_t round = 0; round < bound; ++round) {
        const std::vector<std::string> entries = OwnedEntries(ctx);
        const auto next =
            std::find_if(entries.begin(), entries.end(), [&](const std::string& e) { return !given(e); });
        if (next == entries.end()) break;
        const std::string& entry = *next;  // `entries` outlives the round
        if (PlaceAnywhere(ctx, entry).kind == DropResult::Kind::Placed) continue;
        // The reason is the first message a drop in the usual order gives; a refusal without one
        // means every slot was taken.
        std::string reason;
        for (int location : PlaceOrder(ctx.design)) {
            Context trial = ctx;
            reason = PlaceIn(trial, location, entry).message;
            if (!reason.empty()) break;
        }
        if (reason.empty()) reason = kNotEnoughRoom;
        left.push_back({entry, static_cast<int>(std::count(entries.begin(), entries.end(), entry)), reason});
    }
    return left;
}

std::string PlaceAllMessage(const std::vector<Unplaced>& left) {
    if (left.empty()) return {};
    std::string out = kPlaceAllHeader;
    for (const Unplaced& u : left) {
        out += "\n";
        if (u.count > 1) out += std::to_string(u.count) + " x ";
        out += u.entry + ": " + u.reason;
    }
    return out;
}

}  // namespace vantrel
