#include "model/UndoHistory.h"

#include <unordered_set>
#include <utility>

namespace vantrel {

namespace {

// A copy of `d` with the totals of `from`: what is left to differ are the records.
Design WithTotalsOf(Design d, const Design& from) {
    d.CurrentKg = from.CurrentKg;
    d.FreeKg = from.FreeKg;
    d.MaxHeat = from.MaxHeat;
    d.HeatDissipation = from.HeatDissipation;
    d.UsedCSlots = from.UsedCSlots;
    d.FreeCSlots = from.FreeCSlots;
    d.EstimatedBV = from.EstimatedBV;
    d.Cost = from.Cost;
    return d;
}

std::size_t StringBytes(const std::string& s) {
    // Short strings live inside the object itself.
    return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
}

std::size_t StateBytes(const DesignState& s) {
    std::size_t bytes = StringBytes(s.design.MechName) + StringBytes(s.design.Model) +
                        StringBytes(s.design.History) + StringBytes(s.armorList.text) +
                        s.armorList.entries.capacity() * sizeof(std::string);
    for (const std::string& e : s.armorList.entries) bytes += StringBytes(e);
    return bytes;
}

}  // namespace

DesignState CaptureState(const Context& ctx) {
    return DesignState{ctx.design, ctx.armorList, ctx.SelLocation, ctx.SelSlot, ctx.RebuildSlots};
}

void ApplyState(Context& ctx, const DesignState& state) {
    ctx.design = state.design;
    ctx.armorList = state.armorList;
    ctx.SelLocation = state.selLocation;
    ctx.SelSlot = state.selSlot;
    ctx.RebuildSlots = state.rebuildSlots;
}

// One copy, not two: the notes may run to megabytes, and every gesture compares twice.
bool SameRecords(const Design& a, const Design& b) {
    return a.History == b.History && WithTotalsOf(b, a) == a;
}

bool ChangesDesign(const DesignState& before, const DesignState& after) {
    return !SameRecords(before.design, after.design);
}

UndoHistory::Step UndoHistory::Pack(const std::string& name, DesignState state, const Notes& moved,
                                    bool* fresh) const {
    Step step{name, std::move(state), nullptr};
    std::string& notes = step.state.design.History;
    // The step just taken from a list and the steps either side are the ones that may hold the
    // same notes.
    for (const Notes* near : {&moved, undo_.empty() ? nullptr : &undo_.back().notes,
                              redo_.empty() ? nullptr : &redo_.back().notes}) {
        if (near && *near && (*near)->size() == notes.size() && **near == notes) {
            step.notes = *near;
            break;
        }
    }
    if (fresh) *fresh = !step.notes;
    if (!step.notes) step.notes = std::make_shared<const std::string>(std::move(notes));
    // Assigning an empty string would keep the buffer; a swap lets it go.
    std::string().swap(notes);
    return step;
}

DesignState UndoHistory::Unpack(Step step) {
    step.state.design.History = *step.notes;
    return std::move(step.state);
}

void UndoHistory::Record(const std::string& name, DesignState before, bool merge) {
    redo_.clear();
    if (merge && !undo_.empty() && undo_.back().name == name) return;
    bool fresh = false;
    undo_.push_back(Pack(name, std::move(before), nullptr, &fresh));
    while (undo_.size() > limit_) undo_.pop_front();
    // Only new notes make the steps grow by more than a design.
    if (fresh)
        while (undo_.size() > 1 && MemoryBytes() > byteLimit_) undo_.pop_front();
}

DesignState UndoHistory::Undo(DesignState current) {
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(Pack(step.name, std::move(current), step.notes));
    return Unpack(std::move(step));
}

DesignState UndoHistory::Redo(DesignState current) {
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(Pack(step.name, std::move(current), step.notes));
    return Unpack(std::move(step));
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

std::size_t UndoHistory::MemoryBytes() const {
    std::size_t bytes = 0;
    std::unordered_set<const std::string*> counted;
    for (const auto* list : {&undo_, &redo_})
        for (const Step& step : *list) {
            bytes += sizeof(Step) + StringBytes(step.name) + StateBytes(step.state);
            if (counted.insert(step.notes.get()).second)
                bytes += sizeof(std::string) + StringBytes(*step.notes);
        }
    return bytes;
}

}  // namespace vantrel
