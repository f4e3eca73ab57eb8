#include "equipment/Clearing.h"

#include "equipment/SlotView.h"

#include <cstdint>

namespace vantrel {

namespace {

bool IsMovement(int code) { return code >= kSlotGround && code <= kSlotUMU; }

using Captions = std::array<std::array<std::string, kQuadSlotCount>, kLocationCount>;

// A sweep over slots works on the captions the labels show. Freeing a slot writes its caption too,
// so that a later step meeting it sees "Available" and returns nothing for it a second time.
class Sweep {
public:
    Sweep(Context& ctx) : ctx_(ctx) {
        for (int loc = 0; loc < kLocationCount; ++loc) {
            const ConstSlotArrays a = Slots(static_cast<const Design&>(ctx.design), loc);
            for (int i = 0; i < a.count; ++i) captions_[loc][i] = SlotCaption(ctx, a.codes[i]);
        }
    }

    void Free(int loc, int i) {
        SlotArrays a = Slots(ctx_.design, loc);
        a.codes[i] = kSlotFree;
        a.spans[i] = kSpanNone;
        captions_[loc][i] = kAvailable;
    }

    // Which of the linked steps a cleanup takes: the space adaptation's other two locations (step a)
    // and the clamps' other arm (step b); -1 where the step is not taken.
    struct Links {
        int adaptation[2] = {-1, -1};
        int clampArm = -1;
    };

    // Returns one slot's content to the unplaced counts. `freeItemSlots`: the further slots of a
    // multi-slot item are marked free here so that the sweep does not return the item again.
    void SlotCleanup(int loc, int i, const Links& links, bool freeItemSlots) {
        Design& d = ctx_.design;
        const Catalog& cat = ctx_.catalog;
        const std::string c = captions_[loc][i];
        const int code = Slots(d, loc).codes[i];
        if (links.adaptation[0] >= 0 && c == kSpaceAdaptation) {
            ReturnUnit(c);
            for (int other : links.adaptation) FreeWhere(other, [&](const std::string& s) { return s == c; });
        } else if (links.clampArm >= 0 && EndsWith(c, kClampTail)) {
            ReturnUnit(c);
            FreeWhere(links.clampArm, [](const std::string& s) { return EndsWith(s, kClampTail); });
        } else if (code == kSlotArmor) {
            --d.PlacedArmor;
            ++d.ArmorPoints;
        } else if (code == kSlotArmorSystem) {
            --d.PlacedArmorSlots;
            ++d.ArmorSlots;
        } else if (c == kHeatSinkEntry) {
            --d.PlacedHeatSinks;
            ++d.HeatSinks;
        } else if (c.empty() || c == kAvailable || IsMovementCaption(c)) {
            // Movement belongs to the sliders; a free slot (or a code naming nothing) holds nothing.
        } else {
            AddToStash(cat, d, c, 1);
            const int k = FindIndex(cat, c);
            if (k < 0) return;
            if (IsAmmoText(c)) {
                --d.PlacedAmmo[k];
                return;
            }
            --d.PlacedCount[k];
            if (!freeItemSlots) return;
            // Only slots still holding this item: a catalog whose slot count changed since the item
            // was placed must not make the sweep skip a neighbour's content.
            const ConstSlotArrays a = Slots(static_cast<const Design&>(d), loc);
            for (int64_t j = i; j < static_cast<int64_t>(i) + cat[k].CSlots && j < a.count; ++j) {
                if (a.codes[j] != code) break;
                captions_[loc][j] = kAvailable;
            }
        }
    }

private:
    static bool IsMovementCaption(const std::string& c) {
        for (int code = kSlotGround; code <= kSlotUMU; ++code)
            if (c == kMovementCaptions[code]) return true;
        return false;
    }

    void ReturnUnit(const std::string& c) {
        AddToStash(ctx_.catalog, ctx_.design, c, 1);
        const int k = FindIndex(ctx_.catalog, c);
        if (k >= 0) --ctx_.design.PlacedCount[k];
    }

    template <typename Pred>
    void FreeWhere(int loc, Pred matches) {
        const int count = Slots(ctx_.design, loc).count;
        for (int j = 0; j < count; ++j)
            if (matches(captions_[loc][j])) Free(loc, j);
    }

    Context& ctx_;
    Captions captions_;
};

Sweep::Links AdaptationAndClamps(int loc) {
    Sweep::Links l;
    switch (loc) {
        case kLeftArm:
            l = {
                {kBody, kRightArm},
                kRightArm
            };
            break;
        case kRightArm:
            l = {
                {kBody, kLeftArm},
                kLeftArm
            };
            break;
        case kBody:
            l = {
                {kRightArm, kLeftArm},
                -1
            };
            break;
        default: break;
    }
    return l;
}

void SweepLocation(Sweep& sweep, int loc, const Sweep::Links& links, bool keepMovement, const Design& d) {
    for (int i = 0; i < Slots(d, loc).count; ++i) {
        sweep.SlotCleanup(loc, i, links, true);
        if (!(keepMovement && IsMovement(Slots(d, loc).codes[i]))) sweep.Free(loc, i);
    }
}

void MarkItem(const ConstSlotArrays& a, int sel, std::array<bool, 16>& marks) {
    const int code = a.codes[sel];
    if (code < kSlotItemBase || code >= kSlotAmmoBase) {
        marks[sel] = true;
        return;
    }
    // Back to the item's first slot, then forward over as many slots as its first span says. Only
    // slots still holding the item are marked, and never fewer than up to the selected one, so odd
    // spans from a damaged file cannot reach a neighbour or leave the selected slot unmarked.
    int first = sel;
    while (first > 0 && a.spans[first] == kSpanFollow && a.codes[first - 1] == code) --first;
    int64_t end = static_cast<int64_t>(first) + a.spans[first];
    if (end <= sel) end = sel + 1;
    for (int j = first; j < end && j < a.count && a.codes[j] == code; ++j) marks[j] = true;
}

}  // namespace

void ClearAllHumanoid(Context& ctx) {
    ctx.SelLocation = -1;
    Sweep sweep(ctx);
    const Design& d = ctx.design;
    SweepLocation(sweep, kLeftArm, AdaptationAndClamps(kLeftArm), false, d);
    Sweep::Links rightLinks;
    rightLinks.clampArm = kLeftArm;
    SweepLocation(sweep, kRightArm, rightLinks, false, d);
    SweepLocation(sweep, kBody, Sweep::Links{}, true, d);
}

void ClearAllQuad(Context& ctx) {
    ctx.SelLocation = -1;
    Sweep sweep(ctx);
    const Design& d = ctx.design;
    SweepLocation(sweep, kTurret, Sweep::Links{}, false, d);
    SweepLocation(sweep, kQuadBody, Sweep::Links{}, true, d);
}

void ClearSelected(Context& ctx, bool humanoid) {
    const int loc = ctx.SelLocation;
    const bool handled = humanoid ? (loc >= kBody && loc <= kRightArm) : (loc == kQuadBody || loc == kTurret);
    if (handled && ctx.SelSlot >= 0 && ctx.SelSlot < Slots(ctx.design, loc).count) {
        // The mark is taken before anything is freed: the cleanup may free the linked slots.
        const Highlight marks = SelectionHighlight(ctx);
        Sweep sweep(ctx);
        sweep.SlotCleanup(loc, ctx.SelSlot, AdaptationAndClamps(loc), false);
        for (int j = 0; j < Slots(ctx.design, loc).count; ++j)
            if (marks[loc][j]) sweep.Free(loc, j);
    }
    ctx.SelLocation = -1;
}

Highlight SelectionHighlight(const Context& ctx) {
    Highlight marks{};
    const int loc = ctx.SelLocation;
    if (loc < 0 || loc >= kLocationCount) return marks;
    const ConstSlotArrays sel = Slots(ctx.design, loc);
    const int slot = ctx.SelSlot;
    if (slot < 0 || slot >= sel.count) return marks;
    MarkItem(sel, slot, marks[loc]);

    // Units spread over several locations show all their slots.
    const std::string caption = SlotCaption(ctx, sel.codes[slot]);
    auto markWhere = [&](int other, auto matches) {
        const ConstSlotArrays a = Slots(ctx.design, other);
        for (int j = 0; j < a.count; ++j)
            if (matches(SlotCaption(ctx, a.codes[j]))) marks[other][j] = true;
    };
    if ((loc == kLeftArm || loc == kRightArm) && EndsWith(caption, kClampTail)) {
        marks[loc][slot] = true;
        markWhere(loc == kLeftArm ? kRightArm : kLeftArm,
                  [](const std::string& s) { return EndsWith(s, kClampTail); });
    }
    if (loc >= kBody && loc <= kRightArm && caption == kSpaceAdaptation) {
        marks[loc][slot] = true;
        for (int other : {kBody, kLeftArm, kRightArm})
            if (other != loc) markWhere(other, [](const std::string& s) { return s == kSpaceAdaptation; });
    }
    return marks;
}

void RebuildMovementSlots(Context& ctx) {
    ctx.RebuildSlots = false;
    if (ctx.design.IsQuad)
        ClearAllQuad(ctx);
    else
        ClearAllHumanoid(ctx);
    Design& d = ctx.design;
    for (int loc : {kBody, kQuadBody}) {
        SlotArrays a = Slots(d, loc);
        for (int j = 0; j < a.count; ++j) {
            a.codes[j] = kSlotFree;
            a.spans[j] = kSpanNone;
        }
    }
    SlotArrays body = Slots(d, d.IsQuad ? kQuadBody : kBody);
    int next = 0;
    const int32_t points[] = {d.GroundMP, d.JumpMP, d.VTOLMP, d.UMUMP};
    for (int m = 0; m < 4; ++m)
        for (int32_t p = 0; p < points[m] && next < body.count; ++p) body.codes[next++] = kSlotGround + m;
}

}  // namespace vantrel
