#pragma once

#include "model/Context.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace vantrel {

// What one undo step brings back: the design's records, the armor list as the window showed it,
// the slot selection and whether the slot layout still waits for its rebuild.
struct DesignState {
    Design design;
    ArmorList armorList;
    int16_t selLocation = -1;
    int16_t selSlot = 0;
    bool rebuildSlots = true;

    bool operator==(const DesignState&) const = default;
};

DesignState CaptureState(const Context& ctx);
void ApplyState(Context& ctx, const DesignState& state);

// Equal records of the design file, the totals aside: those are worked out again from the rest.
bool SameRecords(const Design& a, const Design& b);

// Whether a gesture changed something worth a step: the records. The armor list's selection and
// the slot selection alone are none (showing the armor page selects the armor), but they come
// back with the step they preceded.
bool ChangesDesign(const DesignState& before, const DesignState& after);

// Steps of undo and redo, newest last, at most `limit` of them (the oldest dropped beyond that).
// The history notes, which may run to megabytes, are kept once for a run of steps that did not
// change them, so a step costs about what it changed. Steps that each changed long notes are
// bounded by `byteLimit` as well: the oldest go first, the newest always stays.
class UndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 1000;
    static constexpr std::size_t kDefaultByteLimit = std::size_t{256} << 20;
    explicit UndoHistory(std::size_t limit = kDefaultLimit, std::size_t byteLimit = kDefaultByteLimit)
        : limit_(limit == 0 ? 1 : limit), byteLimit_(byteLimit) {}

    // A finished step named `name` that started from `before`. With `merge`, a step of the same name
    // on top absorbs it, so that it keeps its older starting state. Any new step ends the redo list.
    void Record(const std::string& name, DesignState before, bool merge = false);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The names of the steps Undo and Redo would take; empty when there is none.
    std::string UndoName() const { return undo_.empty() ? std::string() : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? std::string() : redo_.back().name; }

    // Takes the newest step back: returns the state before it and keeps `current` for Redo.
    // Only when CanUndo().
    DesignState Undo(DesignState current);
    // Applies the step undone last again: returns the state after it and keeps `current` for Undo.
    // Only when CanRedo().
    DesignState Redo(DesignState current);

    void Clear();
    // Forgets the newest undo step, as if it had never been recorded.
    void DropNewest() {
        if (!undo_.empty()) undo_.pop_back();
    }
    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    std::size_t Limit() const { return limit_; }
    // Bytes held by the steps, their strings included; notes shared by steps count once.
    std::size_t MemoryBytes() const;

private:
    using Notes = std::shared_ptr<const std::string>;
    // The state without its notes, which `notes` holds, shared with the neighbouring steps.
    struct Step {
        std::string name;
        DesignState state;
        Notes notes;
    };
    // `fresh` tells whether the notes needed a text of their own; `moved` is one more text that may
    // be the same.
    Step Pack(const std::string& name, DesignState state, const Notes& moved, bool* fresh = nullptr) const;
    static DesignState Unpack(Step step);

    std::size_t limit_;
    std::size_t byteLimit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

}  // namespace vantrel
