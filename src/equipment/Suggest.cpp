#include "equipment/Suggest.h"

#include "equipment/DesignCheck.h"
#include "equipment/SlotView.h"
#include "rules/CalcSections.h"
#include "rules/MainCalc.h"
#include "rules/Offer.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <tuple>
#include <utility>

namespace vantrel {

const char* const kNotProven = "best found, not proven";

namespace {

const char* const kNames[] = {"bv", "damage-short", "damage-medium", "damage-long", "bv-per-cost"};
const char* const kCaptions[] = {"Estimated BV", "Damage at short range", "Damage at medium range",
                                 "Damage at long range", "BV per million C-Bills"};

int Bracket(Objective objective) {
    switch (objective) {
        case Objective::DamageShort: return 0;
        case Objective::DamageMedium: return 1;
        case Objective::DamageLong: return 2;
        default: return -1;
    }
}

bool RatioGoal(Objective objective) { return objective == Objective::BvPerCost; }

double DamageOf(const CatalogItem& item) {
    const char* text = item.Damage.c_str();
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    return end != text && std::isfinite(v) && v > 0 ? v : 0;
}

bool Reaches(const CatalogItem& item, int bracket) {
    const std::string& range = bracket == 0 ? item.Short : bracket == 1 ? item.Medium : item.Long;
    return !range.empty() && range != "-1";
}

bool UsesAmmo(const CatalogItem& item) { return item.AmmoWeight != -1; }

int64_t Units(const Design& d, int i) { return int64_t{d.OwnedCount[i]} + d.PlacedCount[i]; }
int64_t Loads(const Design& d, int i) { return int64_t{d.OwnedAmmo[i]} + d.PlacedAmmo[i]; }

double DamageTotal(const Catalog& catalog, const Design& d, int bracket) {
    double sum = 0;
    for (int i = 0; i < kCatalogSize; ++i) {
        const CatalogItem& item = catalog[i];
        const int64_t units = Units(d, i);
        const double damage = DamageOf(item);
        if (units <= 0 || damage <= 0 || !Reaches(item, bracket)) continue;
        if (UsesAmmo(item) && Loads(d, i) < 1) continue;
        sum += static_cast<double>(units) * damage;
    }
    return sum;
}

double Ratio(int64_t bv, int64_t cost) {
    return cost > 0 ? static_cast<double>(bv) * 1e6 / static_cast<double>(cost) : 0.0;
}

int64_t UnitKg(const CatalogItem& item, bool ammo) { return ammo ? item.AmmoWeight : item.Weight; }
int64_t UnitPrice(const CatalogItem& item, bool ammo) {
    const int price = ammo ? item.AmmoPrice : item.Price;
    return price > 0 ? price : 0;
}

// The fewest slots a placed unit takes. The space adaptation and the clamps spread one unit over
// locations by rules of their own, so only one slot is sure for them.
int64_t UnitSlots(const CatalogItem& item, bool ammo) {
    if (ammo || item.Name == kSpaceAdaptation || EndsWith(item.Name, kClampTail)) return 1;
    return std::max(1, item.CSlots);
}

constexpr int kNoCap = std::numeric_limits<int>::max();

// What one more unit of an entry adds to the objective's sum: the unrounded Battle Value (times the
// technology multiplier) for the Battle Value goals, the damage for the damage goals. `first` comes
// once, with the first unit; `cap` units at most count.
struct Worth {
    double perUnit = 0;
    double first = 0;
    int cap = kNoCap;
    bool needsWeapon = false;  // ammunition counts only with its weapon on the suit
    bool needsLoad = false;    // a weapon's damage counts only with a load of its ammunition

    bool Counts() const { return perUnit + first > 0 || (needsWeapon && cap > 0 && first >= 0); }
    double Value(int64_t units) const { return units > 0 ? perUnit * static_cast<double>(units) + first : 0; }
    // No unit adds more than this.
    double UnitBound() const { return std::max(perUnit, 0.0) + std::max(first, 0.0); }
};

// The multiplier a unit's Battle Value goes through on its way to the estimate.
double OffenceScale(const Design& d) {
    const int m = std::max({d.GroundMP, d.JumpMP, d.VTOLMP, d.UMUMP});
    const int speed = d.UMUMP != 0 ? m : d.GroundMP + d.JumpMP + d.VTOLMP;
    const double imaging = d.EnhancedImaging ? 1.05 : 1.0;
    return imaging * SpeedFactor(speed) * (d.TechBase == 0 ? 4 : 5);
}

Worth BattleValueWorth(const Context& placed, int index, bool ammo) {
    const Catalog& catalog = placed.catalog;
    const Design& d = placed.design;
    const CatalogItem& item = catalog[index];
    Worth w;
    const bool missile = item.Category == kMissile;
    const bool rated = item.BV != -1.0;
    if (ammo) {
        // Each load counts one more Battle Value of its launcher.
        if (missile && rated && item.BV > 0) w.perUnit = item.BV * OffenceScale(d);
        w.needsWeapon = true;
        return w.perUnit > 0 ? w : Worth{};
    }
    if (rated) w.perUnit = (missile ? item.BV : item.BV * 0.66) * OffenceScale(d);
    // A placed camo system replaces the armor's stealth bonus with one point of defence.
    if (item.Name == "Camo System" && FindIndex(catalog, item.Name) == index && Units(d, index) == 0) {
        w.first = (1.0 - calc::StealthBonus(placed.armorList.text)) * (d.TechBase == 0 ? 4 : 5);
        if (w.perUnit <= 0) w.cap = 1;
    }
    if (w.perUnit + w.first <= 0 || (w.perUnit <= 0 && w.first <= 0)) return Worth{};
    return w;
}

Worth DamageWorth(const Context& placed, int index, bool ammo, int bracket) {
    const CatalogItem& item = placed.catalog[index];
    const Design& d = placed.design;
    Worth w;
    const double damage = DamageOf(item);
    if (damage <= 0 || !Reaches(item, bracket)) return w;
    if (!ammo) {
        w.perUnit = damage;
        w.needsLoad = UsesAmmo(item) && Loads(d, index) < 1;
        return w;
    }
    // One load makes every unit count; a second adds nothing.
    if (!UsesAmmo(item) || Loads(d, index) >= 1) return w;
    w.first = damage * static_cast<double>(std::max<int64_t>(0, Units(d, index)));
    w.cap = 1;
    w.needsWeapon = true;
    return w;
}

// The worth of an entry for the design with what it owns placed; nothing for an entry its
// technology base does not offer or whose weight would make room.
Worth WorthOf(const Context& placed, Objective objective, int index, bool ammo) {
    if (index < 0 || index >= kCatalogSize) return {};
    const CatalogItem& item = placed.catalog[index];
    if (!OfferedByTechBase(item.Name, placed.design.TechBase)) return {};
    if (ammo && !UsesAmmo(item)) return {};
    if (UnitKg(item, ammo) < 0) return {};
    const int bracket = Bracket(objective);
    return bracket >= 0 ? DamageWorth(placed, index, ammo, bracket) : BattleValueWorth(placed, index, ammo);
}

// Additions merged per entry, in catalog order with an item before its ammunition; empty when a
// count is not positive.
std::vector<Addition> Normalised(const std::vector<Addition>& added) {
    std::map<std::pair<int, bool>, int64_t> merged;
    for (const Addition& a : added) {
        if (a.count <= 0) return {};
        merged[{a.index, a.ammo}] += a.count;
    }
    std::vector<Addition> out;
    for (const auto& [key, count] : merged) {
        if (count > std::numeric_limits<int>::max()) return {};
        out.push_back({key.first, key.second, static_cast<int>(count)});
    }
    return out;
}

void AddToOwned(Design& d, const std::vector<Addition>& added) {
    for (const Addition& a : added) (a.ammo ? d.OwnedAmmo : d.OwnedCount)[a.index] += a.count;
}

bool SameLeftovers(const Design& a, const Design& b) {
    return a.OwnedCount == b.OwnedCount && a.OwnedAmmo == b.OwnedAmmo && a.HeatSinks == b.HeatSinks &&
           a.ArmorSlots == b.ArmorSlots;
}

bool ValuesEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// Larger value first, then lighter, then cheaper; 0 when those agree.
int CompareKeys(double va, int64_t kga, int64_t costa, double vb, int64_t kgb, int64_t costb) {
    if (!ValuesEqual(va, vb)) return va > vb ? -1 : 1;
    if (kga != kgb) return kga < kgb ? -1 : 1;
    if (costa != costb) return costa < costb ? -1 : 1;
    return 0;
}

bool AdditionsBefore(const std::vector<Addition>& a, const std::vector<Addition>& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](const Addition& x, const Addition& y) {
            return std::tie(x.index, x.ammo, x.count) < std::tie(y.index, y.ammo, y.count);
        });
}

}  // namespace

const char* ObjectiveName(Objective objective) { return kNames[static_cast<int>(objective)]; }
const char* ObjectiveCaption(Objective objective) { return kCaptions[static_cast<int>(objective)]; }

std::optional<Objective> ObjectiveByName(const std::string& name) {
    for (Objective o : kObjectives)
        if (name == ObjectiveName(o)) return o;
    return std::nullopt;
}

double ObjectiveValue(const Context& ctx, Objective objective) {
    const Design& d = ctx.design;
    if (RatioGoal(objective)) {
        const auto cost = d.Cost;
        return Ratio(d.EstimatedBV, static_cast<int64_t>(cost));
    }
    const int bracket = Bracket(objective);
    if (bracket >= 0) return DamageTotal(ctx.catalog, d, bracket);
    return d.EstimatedBV;
}

std::string FormatObjectiveValue(Objective objective, double value) {
    char text[64];
    std::snprintf(text, sizeof text, RatioGoal(objective) ? "%.2f" : "%.0f", value);
    if (!RatioGoal(objective) && std::fabs(value - std::round(value)) > 1e-9)
        std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string AdditionEntry(const Catalog& catalog, const Addition& addition) {
    if (addition.index < 0 || addition.index >= kCatalogSize) return {};
    const std::string& name = catalog[addition.index].Name;
    return addition.ammo ? name + kAmmoSuffix : name;
}

bool ProposalBefore(const Proposal& a, const Proposal& b) {
    if (const int c = CompareKeys(a.value, a.addedKg, a.addedCost, b.value, b.addedKg, b.addedCost); c != 0)
        return c < 0;
    return AdditionsBefore(a.added, b.added);
}

AdditionChecker::AdditionChecker(const Context& ctx, Objective objective)
    : objective_(objective), base_(ctx), placed_(ctx), scratch_(ctx) {
    PlaceAll(placed_);
    MainCalc(placed_);
    baseValue_ = ObjectiveValue(placed_, objective_);
    for (const Finding& f : CheckDesign(placed_)) {
        if (f.kind != Finding::Kind::Error) continue;
        problem_ = "The design has an error to mend first: " + f.text + ".";
        break;
    }
}

std::optional<Proposal> AdditionChecker::Try(const std::vector<Addition>& requested) {
    const std::vector<Addition> added = Normalised(requested);
    if (added.empty() || !problem_.empty()) return std::nullopt;
    const Catalog& catalog = base_.catalog;
    const Design& before = placed_.design;
    Proposal p;
    for (const Addition& a : added) {
        const Worth w = WorthOf(placed_, objective_, a.index, a.ammo);
        if (!w.Counts() || a.count > w.cap) return std::nullopt;
        const auto partner = std::find_if(added.begin(), added.end(), [&](const Addition& b) {
            return b.index == a.index && b.ammo != a.ammo;
        });
        if (w.needsWeapon && Units(before, a.index) <= 0 && partner == added.end()) return std::nullopt;
        if (w.needsLoad && partner == added.end()) return std::nullopt;
        const CatalogItem& item = catalog[a.index];
        p.addedKg += a.count * UnitKg(item, a.ammo);
        p.addedCost += a.count * UnitPrice(item, a.ammo);
    }
    scratch_.design = base_.design;
    AddToOwned(scratch_.design, added);
    PlaceAll(scratch_);
    if (!SameLeftovers(scratch_.design, before)) return std::nullopt;
    MainCalc(scratch_);
    if (HasError(CheckDesign(scratch_))) return std::nullopt;
    p.added = added;
    p.value = ObjectiveValue(scratch_, objective_);
    p.design = scratch_.design;
    return p;
}

std::vector<Unplaced> ApplyProposal(Context& ctx, const Proposal& proposal) {
    AddToOwned(ctx.design, Normalised(proposal.added));
    return PlaceAll(ctx);
}

namespace {

// One entry the search may add, with what a unit takes and gives.
struct Candidate {
    int index = 0;
    bool ammo = false;
    int64_t kg = 0, slots = 1, heat = 0, price = 0;
    Worth worth;
    int cap = 0;       // units that fit the design's room and count
    int partner = -1;  // the weapon of ammunition, the ammunition of a weapon, among the candidates
    bool weaponOnSuit = false;
};

using Clock = std::chrono::steady_clock;

// Branch and bound over the counts of the candidates. A node fixes the counts of a prefix of the
// candidate list; the bound on what the rest can add is the least of four relaxations: three
// fractional knapsacks, each over one of weight, slots and heat, and one over the slots with weight
// and heat given a price. For the ratio the bound asks whether the rest can lift the ratio to the
// last kept proposal's: worth less that ratio times the price, summed, must stay above zero.
// Leaves that would enter the list of the best are placed and checked for real before they do.
class Search {
public:
    Search(AdditionChecker& checker, const SuggestOptions& options, SuggestResult& result)
        : checker_(checker), options_(options), result_(result), objective_(options.objective) {}

    void Run();

private:
    // Weight and heat given a price in worth: the slots are then the one limit left. Any prices
    // give a bound; those that make the root's bound least are chosen.
    struct Prices {
        double kg = 0, heat = 0;
        std::vector<double> worth;  // per unit, less the prices of its weight and heat
        std::vector<int> order;     // by that worth per slot, the best first
    };

    void Prepare();
    void Arrange();
    void SetWorths();
    Prices MakePrices(double kg, double heat) const;
    void ChoosePrices();
    double PricedBound(const Prices& p, int from) const;
    bool Alive(int k, int from) const;
    double Growth(int from) const;
    double AddedWorth() const;
    bool Promising(int from) const;
    void Consider();
    void Explore(int from);
    bool Stop();
    int MostUnits(const Candidate& c) const;
    bool Full() const { return static_cast<int>(result_.proposals.size()) >= top_; }
    void Keep(Proposal p);

    AdditionChecker& checker_;
    const SuggestOptions& options_;
    SuggestResult& result_;
    Objective objective_;
    int top_ = 5;
    Clock::time_point deadline_;
    bool stopped_ = false;

    int64_t roomKg_ = 0, roomSlots_ = 0, roomHeat_ = 0;
    double base_ = 0;  // the objective's sum before any addition: unrounded Battle Value, or damage
    int64_t baseCost_ = 0;
    double ratioFloor_ = 0;  // the ratio, per C-Bill, a proposal must beat to be kept

    std::vector<Candidate> cands_;
    std::vector<double> worth_;                  // what a unit may add to the bound's sum
    std::array<std::vector<int>, 3> byDensity_;  // positions by worth per kg, per slot, per heat
    Prices prices_;

    std::vector<int> counts_;
    std::vector<int> chosen_;  // positions with a count, in the order taken
    int64_t kg_ = 0, slots_ = 0, heat_ = 0, cost_ = 0;
    mutable std::vector<int> units_;  // Growth's scratch: units each candidate may still take
};

int Search::MostUnits(const Candidate& c) const {
    int64_t n = c.cap;
    if (c.kg > 0) n = std::min(n, (roomKg_ - kg_) / c.kg);
    n = std::min(n, (roomSlots_ - slots_) / c.slots);
    if (c.heat > 0) n = std::min(n, (roomHeat_ - heat_) / c.heat);
    return static_cast<int>(std::max<int64_t>(0, n));
}

void Search::Prepare() {
    const Context& placed = checker_.Placed();
    const Design& d = placed.design;
    const Catalog& catalog = placed.catalog;
    roomKg_ = d.FreeKg;
    roomHeat_ = int64_t{d.HeatDissipation} - d.MaxHeat;
    int64_t freeSlots = 0;
    for (int location : PlaceOrder(d)) {
        const ConstSlotArrays a = Slots(d, location);
        const int usable = std::min(UsableSlots(d, location), a.count);
        for (int j = 0; j < usable; ++j) freeSlots += a.codes[j] == kSlotFree ? 1 : 0;
    }
    roomSlots_ = std::min<int64_t>(freeSlots, d.FreeCSlots);
    calc::NoRecorder none;
    base_ = Bracket(objective_) >= 0 ? DamageTotal(catalog, d, Bracket(objective_))
                                     : calc::BattleValueUnrounded(placed, none);
    baseCost_ = calc::CostCBills(placed, none);
    if (roomKg_ < 0 || roomSlots_ <= 0 || roomHeat_ < 0) return;

    for (int i = 0; i < kCatalogSize; ++i) {
        for (bool ammo : {false, true}) {
            Candidate c;
            c.index = i;
            c.ammo = ammo;
            c.worth = WorthOf(placed, objective_, i, ammo);
            if (!c.worth.Counts()) continue;
            const CatalogItem& item = catalog[i];
            c.kg = UnitKg(item, ammo);
            c.slots = UnitSlots(item, ammo);
            c.heat = ammo || item.Heat < 0 ? 0 : item.Heat;
            c.price = UnitPrice(item, ammo);
            c.cap = c.worth.cap;
            c.cap = MostUnits(c);
            c.weaponOnSuit = Units(d, i) > 0;
            if (c.cap > 0) cands_.push_back(c);
        }
    }
    Arrange();
    counts_.assign(cands_.size(), 0);
    units_.assign(cands_.size(), 0);
    SetWorths();
}

// Drops what can never count, puts the densest first so that good leaves come early, and sets each
// weapon beside its ammunition.
void Search::Arrange() {
    const auto find = [this](int index, bool ammo) {
        for (std::size_t k = 0; k < cands_.size(); ++k)
            if (cands_[k].index == index && cands_[k].ammo == ammo) return static_cast<int>(k);
        return -1;
    };
    // Ammunition without its weapon on the suit or among the candidates, a weapon whose needed load
    // does not fit.
    std::erase_if(cands_, [&](const Candidate& c) {
        return c.ammo && c.worth.needsWeapon && !c.weaponOnSuit && find(c.index, false) < 0;
    });
    std::erase_if(
        cands_, [&](const Candidate& c) { return !c.ammo && c.worth.needsLoad && find(c.index, true) < 0; });

    const double rk = static_cast<double>(std::max<int64_t>(roomKg_, 1));
    const double rs = static_cast<double>(roomSlots_);
    const double rh = static_cast<double>(std::max<int64_t>(roomHeat_, 1));
    const auto density = [&](const Candidate& c) {
        if (RatioGoal(objective_))
            return c.price > 0 ? c.worth.UnitBound() / static_cast<double>(c.price)
                               : std::numeric_limits<double>::infinity();
        return c.worth.UnitBound() / (static_cast<double>(c.kg) / rk + static_cast<double>(c.slots) / rs +
                                      static_cast<double>(c.heat) / rh);
    };
    std::stable_sort(cands_.begin(), cands_.end(),
                     [&](const Candidate& a, const Candidate& b) { return density(a) > density(b); });

    // The pair stands where the denser of the two stood, the one that cannot count alone second:
    // once the first is left out, the second leaves the bound.
    std::vector<Candidate> paired;
    std::vector<bool> done(cands_.size(), false);
    const bool ammoFirst = Bracket(objective_) >= 0;
    for (std::size_t k = 0; k < cands_.size(); ++k) {
        if (done[k]) continue;
        done[k] = true;
        const int other = find(cands_[k].index, !cands_[k].ammo);
        if (other < 0 || done[other]) {
            paired.push_back(cands_[k]);
            continue;
        }
        done[other] = true;
        const bool thisFirst = cands_[k].ammo == ammoFirst;
        paired.push_back(cands_[thisFirst ? k : other]);
        paired.push_back(cands_[thisFirst ? other : k]);
    }
    cands_ = std::move(paired);
    for (Candidate& c : cands_) c.partner = find(c.index, !c.ammo);
}

// What each unit may add to the bound's sum, and the orders the relaxations take them in.
void Search::SetWorths() {
    worth_.clear();
    for (const Candidate& c : cands_)
        worth_.push_back(c.worth.UnitBound() - ratioFloor_ * static_cast<double>(c.price));
    for (int r = 0; r < 3; ++r) {
        std::vector<int>& list = byDensity_[r];
        list.clear();
        for (std::size_t k = 0; k < cands_.size(); ++k)
            if (worth_[k] > 0) list.push_back(static_cast<int>(k));
        const auto use = [r](const Candidate& c) { return r == 0 ? c.kg : r == 1 ? c.slots : c.heat; };
        // a/x > b/y without dividing by zero: what uses none of the limit comes first
        std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
            return worth_[a] * static_cast<double>(use(cands_[b])) >
                   worth_[b] * static_cast<double>(use(cands_[a]));
        });
    }
    ChoosePrices();
}

Search::Prices Search::MakePrices(double kg, double heat) const {
    Prices p;
    p.kg = kg;
    p.heat = heat;
    for (std::size_t k = 0; k < cands_.size(); ++k) {
        p.worth.push_back(worth_[k] - kg * static_cast<double>(cands_[k].kg) -
                          heat * static_cast<double>(cands_[k].heat));
        if (p.worth.back() > 0) p.order.push_back(static_cast<int>(k));
    }
    std::stable_sort(p.order.begin(), p.order.end(), [&](int a, int b) {
        return p.worth[a] / static_cast<double>(cands_[a].slots) >
               p.worth[b] / static_cast<double>(cands_[b].slots);
    });
    return p;
}

// Whatever the prices, a completion adds at most the price of the weight and heat left plus the best
// fill of the slots left with what each unit is worth beyond its price.
double Search::PricedBound(const Prices& p, int from) const {
    double sum = p.kg * static_cast<double>(roomKg_ - kg_) + p.heat * static_cast<double>(roomHeat_ - heat_);
    double left = static_cast<double>(roomSlots_ - slots_);
    for (int k : p.order) {
        if (k < from || units_[k] <= 0) continue;
        const double use = static_cast<double>(cands_[k].slots);
        const double take = std::min(static_cast<double>(units_[k]), left / use);
        sum += p.worth[k] * take;
        left -= take * use;
        if (left <= 0) break;
    }
    return sum;
}

namespace {

// Where in [0, hi] the convex `f` is least, by ternary search.
template <class F>
double LeastAt(double hi, F f) {
    double lo = 0;
    for (int step = 0; step < 30 && hi - lo > 1e-9 * (1 + hi); ++step) {
        const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
        const bool left = f(a) <= f(b);
        (left ? hi : lo) = left ? b : a;
    }
    return (lo + hi) / 2;
}

}  // namespace

// The bound is convex in the prices: a few rounds of ternary search along each in turn, at the root.
void Search::ChoosePrices() {
    for (std::size_t k = 0; k < cands_.size(); ++k) units_[k] = MostUnits(cands_[k]);
    double topKg = 0, topHeat = 0;
    for (std::size_t k = 0; k < cands_.size(); ++k) {
        if (cands_[k].kg > 0) topKg = std::max(topKg, worth_[k] / static_cast<double>(cands_[k].kg));
        if (cands_[k].heat > 0) topHeat = std::max(topHeat, worth_[k] / static_cast<double>(cands_[k].heat));
    }
    const auto bound = [&](double kg, double heat) { return PricedBound(MakePrices(kg, heat), 0); };
    double kg = 0, heat = 0;
    for (int round = 0; round < 3; ++round) {
        kg = LeastAt(topKg, [&](double at) { return bound(at, heat); });
        heat = LeastAt(topHeat, [&](double at) { return bound(kg, at); });
    }
    prices_ = MakePrices(kg, heat);
}

// Whether units of candidate `k` can still count once the candidates before `from` are settled:
// ammunition whose weapon is neither on the suit nor taken, and a weapon whose needed load was left
// out, never will.
bool Search::Alive(int k, int from) const {
    const Candidate& c = cands_[k];
    if (c.partner < 0 || c.partner >= from || counts_[c.partner] > 0) return true;
    if (c.ammo) return !c.worth.needsWeapon || c.weaponOnSuit;
    return !c.worth.needsLoad;
}

// The most the bound's sum can still grow by with candidates from `from` on.
double Search::Growth(int from) const {
    for (std::size_t k = from; k < cands_.size(); ++k)
        units_[k] = Alive(static_cast<int>(k), from) ? MostUnits(cands_[k]) : 0;
    const int64_t room[3] = {roomKg_ - kg_, roomSlots_ - slots_, roomHeat_ - heat_};
    double best = PricedBound(prices_, from);
    for (int r = 0; r < 3; ++r) {
        double left = static_cast<double>(room[r]);
        double sum = 0;
        for (int k : byDensity_[r]) {
            if (k < from || units_[k] <= 0) continue;
            const Candidate& c = cands_[k];
            const double n = units_[k];
            const double use = static_cast<double>(r == 0 ? c.kg : r == 1 ? c.slots : c.heat);
            if (use <= 0) {
                sum += worth_[k] * n;
                continue;
            }
            const double take = std::min(n, left / use);
            sum += worth_[k] * take;
            left -= take * use;
            if (left <= 0) break;
        }
        best = std::min(best, sum);
    }
    return best;
}

double Search::AddedWorth() const {
    double added = 0;
    for (int k : chosen_) added += cands_[k].worth.Value(counts_[k]);
    return added;
}

bool Search::Promising(int from) const {
    if (!Full()) return true;
    const double sum = base_ + AddedWorth();
    const double grow = Growth(from);
    const double slack = 1e-11 * (1.0 + std::fabs(sum) + std::fabs(grow));
    if (RatioGoal(objective_)) {
        // The estimate rounds up by at most a half; the cost only grows.
        return sum + 0.5 + grow + slack - ratioFloor_ * static_cast<double>(baseCost_ + cost_) >= 0;
    }
    double bound = sum + grow + slack;
    if (Bracket(objective_) < 0) bound = std::nearbyint(bound);
    const Proposal& last = result_.proposals.back();
    return CompareKeys(bound, kg_, cost_, last.value, last.addedKg, last.addedCost) < 0;
}

bool Search::Stop() {
    if (stopped_) return true;
    if ((result_.nodes & 255) != 0) return false;
    if ((options_.cancel != nullptr && options_.cancel->load()) || Clock::now() >= deadline_) {
        stopped_ = true;
        result_.cancelled = options_.cancel != nullptr && options_.cancel->load();
    }
    return stopped_;
}

void Search::Keep(Proposal p) {
    const auto at = std::lower_bound(result_.proposals.begin(), result_.proposals.end(), p, ProposalBefore);
    result_.proposals.insert(at, std::move(p));
    if (static_cast<int>(result_.proposals.size()) > top_) result_.proposals.pop_back();
    if (RatioGoal(objective_) && Full()) {
        // Only what comes within the tolerance of the last kept ratio can still enter.
        const double v = result_.proposals.back().value;
        const double floor = (v - 1e-9 * std::max(1.0, std::fabs(v))) / 1e6;
        if (floor > ratioFloor_) {
            ratioFloor_ = floor;
            SetWorths();
        }
    }
}

// The leaf the node itself is: the counts so far and nothing more.
void Search::Consider() {
    for (int k : chosen_) {
        const Candidate& c = cands_[k];
        const bool partnered = c.partner >= 0 && counts_[c.partner] > 0;
        if (c.ammo && c.worth.needsWeapon && !c.weaponOnSuit && !partnered) return;
        if (!c.ammo && c.worth.needsLoad && !partnered) return;
    }
    double value = base_ + AddedWorth();
    if (Bracket(objective_) < 0) {
        value = std::nearbyint(value);
        if (RatioGoal(objective_)) value = Ratio(static_cast<int64_t>(value), baseCost_ + cost_);
    }
    if (Full()) {
        const Proposal& last = result_.proposals.back();
        if (CompareKeys(value, kg_, cost_, last.value, last.addedKg, last.addedCost) >= 0) return;
    }
    std::vector<Addition> added;
    for (int k : chosen_) added.push_back({cands_[k].index, cands_[k].ammo, counts_[k]});
    ++result_.verified;
    std::optional<Proposal> p = checker_.Try(added);
    if (!p || (Full() && !ProposalBefore(*p, result_.proposals.back()))) return;
    Keep(std::move(*p));
}

void Search::Explore(int from) {
    for (int j = from; j < static_cast<int>(cands_.size()); ++j) {
        const Candidate& c = cands_[j];
        if (!Alive(j, j) || MostUnits(c) <= 0) continue;
        // Candidates further on only shrink the bound: the first that fails ends the loop.
        if (Stop() || !Promising(j)) return;
        for (int n = MostUnits(c); n >= 1; --n) {
            counts_[j] = n;
            chosen_.push_back(j);
            kg_ += n * c.kg;
            slots_ += n * c.slots;
            heat_ += n * c.heat;
            cost_ += n * c.price;
            ++result_.nodes;
            Consider();
            Explore(j + 1);
            kg_ -= n * c.kg;
            slots_ -= n * c.slots;
            heat_ -= n * c.heat;
            cost_ -= n * c.price;
            chosen_.pop_back();
            counts_[j] = 0;
            if (stopped_) return;
        }
    }
}

void Search::Run() {
    top_ = std::clamp(options_.top, 1, 1000);
    const auto limit = std::chrono::duration<double>(std::clamp(options_.timeLimitSeconds, 0.0, 1e6));
    deadline_ = Clock::now() + std::chrono::duration_cast<Clock::duration>(limit);
    Prepare();
    Explore(0);
    result_.proven = !stopped_;
}

std::string RoomText(const Design& d) {
    return std::to_string(d.FreeKg) + " kg, " + std::to_string(d.FreeCSlots) + " free slots and " +
           std::to_string(int64_t{d.HeatDissipation} - d.MaxHeat) + " heat to spare";
}

}  // namespace

SuggestResult Suggest(const Context& ctx, const SuggestOptions& options) {
    const Clock::time_point start = Clock::now();
    SuggestResult result;
    AdditionChecker checker(ctx, options.objective);
    result.baseValue = checker.BaseValue();
    if (!checker.Problem().empty()) {
        result.problem = checker.Problem();
        result.proven = true;
    } else {
        Search(checker, options, result).Run();
        if (result.proposals.empty()) {
            if (result.cancelled)
                result.problem = "The search was cancelled before it found a proposal.";
            else if (!result.proven)
                result.problem = "The time limit ran out before a proposal was found.";
            else
                result.problem = std::string("No equipment that adds to the ") +
                                 ObjectiveCaption(options.objective) +
                                 " can be added: " + RoomText(checker.Placed().design) + ".";
        }
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

}  // namespace vantrel
