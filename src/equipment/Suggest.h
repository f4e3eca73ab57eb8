#pragma once

#include "equipment/AutoPlace.h"
#include "model/Context.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// What the loadout search makes as large as it can.
enum class Objective { BattleValue, DamageShort, DamageMedium, DamageLong, BvPerCost };
inline constexpr Objective kObjectives[] = {Objective::BattleValue, Objective::DamageShort,
                                            Objective::DamageMedium, Objective::DamageLong,
                                            Objective::BvPerCost};

// "bv", "damage-short", "damage-medium", "damage-long", "bv-per-cost".
const char* ObjectiveName(Objective objective);
// "Estimated BV", "Damage at short range", ..., "BV per million C-Bills".
const char* ObjectiveCaption(Objective objective);
std::optional<Objective> ObjectiveByName(const std::string& name);

// The objective of a design whose totals MainCalc has written. Damage sums every weapon that reaches
// the range bracket; a weapon that uses ammunition counts only with at least one load of it.
double ObjectiveValue(const Context& ctx, Objective objective);
// Whole numbers for Battle Value and damage, two decimals for the ratio.
std::string FormatObjectiveValue(Objective objective, double value);

// Units of one catalog item, or loads of its ammunition, that a proposal adds.
struct Addition {
    int index = 0;
    bool ammo = false;
    int count = 0;
    bool operator==(const Addition&) const = default;
};
// The owned-list text of the addition: the item's name, or the name followed by " Ammo".
std::string AdditionEntry(const Catalog& catalog, const Addition& addition);

// Equipment added to the design, and the design once everything owned is placed (totals written).
struct Proposal {
    std::vector<Addition> added;  // catalog order, an item before its ammunition
    double value = 0;
    int64_t addedKg = 0;
    int64_t addedCost = 0;
    Design design;
};

// The order of proposals: the larger objective, then the lighter, then the cheaper addition.
// Objectives closer than a billionth of their size count as equal.
bool ProposalBefore(const Proposal& a, const Proposal& b);

struct SuggestOptions {
    Objective objective = Objective::BattleValue;
    int top = 5;
    double timeLimitSeconds = 2.0;
    const std::atomic<bool>* cancel = nullptr;  // polled; set, the search stops as at its time limit
};

struct SuggestResult {
    std::vector<Proposal> proposals;  // best first, at most `top`
    bool proven = false;              // the whole search ran: no proposal beats these
    bool cancelled = false;
    double baseValue = 0;   // the objective of the design with what it owns placed, before any addition
    std::string problem;    // why nothing can be added at all; empty otherwise
    uint64_t nodes = 0;     // combinations the search looked at
    uint64_t verified = 0;  // of them, placed and checked for real
    double seconds = 0;
};

// The label of a search cut short by its time limit or a cancel.
extern const char* const kNotProven;  // "best found, not proven"

// Keeps the design's choices and everything it owns or has placed, and looks for the equipment and
// ammunition of its technology base to add so that, once Place All has placed everything, the design
// check finds no error and the objective is largest. Every unit a proposal adds raises the objective:
// ammunition comes only with its weapon on the suit, and for damage one load per weapon. Works on
// copies; `ctx` is not changed.
SuggestResult Suggest(const Context& ctx, const SuggestOptions& options);

// What one list of additions makes of a design, placed and checked for real on a copy.
class AdditionChecker {
public:
    AdditionChecker(const Context& ctx, Objective objective);

    // Why nothing can be added: the design already breaks a limit or a rule once what it owns is
    // placed. Empty otherwise.
    const std::string& Problem() const { return problem_; }
    // The design with what it owns placed by Place All, totals written.
    const Context& Placed() const { return placed_; }
    double BaseValue() const { return baseValue_; }
    Objective Goal() const { return objective_; }

    // The proposal the additions make; none when one of them cannot count (nothing it adds to the
    // objective, ammunition without its weapon, a weapon without ammunition for damage, more units
    // than count), when Place All leaves any of it, or anything it placed without them, unplaced, or
    // when the design check then finds an error.
    std::optional<Proposal> Try(const std::vector<Addition>& added);

private:
    Objective objective_;
    Context base_;
    Context placed_;
    Context scratch_;
    double baseValue_ = 0;
    std::string problem_;
};

// Adds the entries to the owned counts and runs Place All; what stayed unplaced comes back.
std::vector<Unplaced> ApplyProposal(Context& ctx, const Proposal& proposal);

}  // namespace vantrel
