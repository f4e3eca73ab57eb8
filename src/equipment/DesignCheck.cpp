#include "equipment/DesignCheck.h"

#include "equipment/Placement.h"
#include "equipment/SlotView.h"
#include "rules/Limits.h"
#include "rules/Offer.h"
#include "rules/Tables.h"

#include <cstdint>
#include <optional>
#include <span>

namespace vantrel {

namespace {

int FilledSlots(const Design& d, int location) {
    const ConstSlotArrays a = Slots(d, location);
    int n = 0;
    for (int j = 0; j < a.count; ++j) n += a.codes[j] != kSlotFree ? 1 : 0;
    return n;
}

// The location a placed item is asked about: where its first slot lies, the body before the arms so
// the space adaptation counts as on the body. A unit no slot shows is taken to be on the body.
int LocationOf(const Design& d, int idx) {
    for (int location : {kBody, kQuadBody, kRightArm, kLeftArm, kTurret}) {
        const ConstSlotArrays a = Slots(d, location);
        for (int j = 0; j < a.count; ++j)
            if (a.codes[j] == kSlotItemBase + idx) return location;
    }
    return kBody;
}

void Add(std::vector<Finding>& out, Finding::Kind kind, std::string text) {
    out.push_back({kind, std::move(text)});
}

void NotPlaced(std::vector<Finding>& out, const std::string& entry, int64_t count) {
    if (count > 0)
        Add(out, Finding::Kind::Warning, "not placed: " + entry + " (" + std::to_string(count) + ")");
}

std::string WithArticle(const std::string& word) {
    const bool vowel = !word.empty() && std::string("AEIOU").find(word[0]) != std::string::npos;
    return (vowel ? "an " : "a ") + word;
}

std::string Above(MoveKind kind, int value, int maximum) {
    return std::string(MovementName(kind)) + " " + std::to_string(value) + " is above the maximum of " +
           std::to_string(maximum);
}

// Each movement kind within what the weight class, chassis and technology allow.
void CheckMovement(const Design& d, std::vector<Finding>& out) {
    using K = Finding::Kind;
    const std::string className = WeightClassShortName(d.WeightClass);
    const std::string chassis = kChassisNames[d.IsQuad ? 1 : 0];
    if (d.GroundMP < kGroundMinimum)
        Add(out, K::Error,
            "ground movement " + std::to_string(d.GroundMP) + " is below the minimum of " +
                std::to_string(kGroundMinimum));
    for (MoveKind kind : {MoveKind::Ground, MoveKind::Jump, MoveKind::VTOL, MoveKind::UMU}) {
        const int value = MovementPoints(d, kind);
        const std::optional<int> slider = SliderMaximum(d, kind);
        if (!MovementUsable(d, kind)) {
            if (value <= 0) continue;
            const std::string why = kind == MoveKind::UMU ? "an Exoskeleton cannot move underwater"
                                    : d.TechBase == 0     ? "Inner Sphere suits cannot use VTOL"
                                                          : "only Exoskeleton and Light suits can use VTOL";
            Add(out, K::Error, Above(kind, value, 0) + ": " + why);
        } else if (slider && value > *slider) {
            std::string text = Above(kind, value, *slider);
            if (kind == MoveKind::Ground)
                text.append(" for ")
                    .append(WithArticle(std::string(chassis).append(" ").append(className)))
                    .append(" suit");
            else if (kind == MoveKind::Jump)
                text.append(" for ").append(WithArticle(className)).append(" suit");
            Add(out, K::Error, text);
        }
    }
}

// Jump, VTOL and underwater movement: one kind at most.
void CheckOneMovementKind(const Design& d, std::vector<Finding>& out) {
    std::vector<std::string> extra;
    for (MoveKind kind : {MoveKind::Jump, MoveKind::VTOL, MoveKind::UMU})
        if (const int value = MovementPoints(d, kind); value > 0)
            extra.push_back(std::string(MovementName(kind)) + " " + std::to_string(value));
    if (extra.size() > 1) {
        std::string kinds = extra[0];
        for (size_t i = 1; i < extra.size(); ++i)
            kinds += (i + 1 == extra.size() ? " and " : ", ") + extra[i];
        Add(out, Finding::Kind::Error,
            kinds + " together: a suit uses one of jump, VTOL and underwater movement at most");
    }
}

// The limits the sliders of the first two pages keep: each movement kind within what the weight class,
// chassis and technology allow, one kind beside ground at most, the armor within the class's points and
// weighing what its points and type make.
void CheckConstruction(const Design& d, std::vector<Finding>& out) {
    using K = Finding::Kind;
    const std::string className = WeightClassShortName(d.WeightClass);
    CheckMovement(d, out);
    CheckOneMovementKind(d, out);

    const int64_t armor = int64_t{d.ArmorPoints} + d.PlacedArmor;
    if (const std::optional<int> maximum = ArmorMaximum(d); maximum && armor > *maximum)
        Add(out, K::Error,
            "armor points " + std::to_string(armor) + " are above the maximum of " +
                std::to_string(*maximum) + " for " + WithArticle(className) + " suit");
    if (const std::optional<int> weight = ArmorWeightOf(d); weight && *weight != d.ArmorWeight)
        Add(out, K::Error,
            "armor weight " + std::to_string(d.ArmorWeight) + " kg does not match " + std::to_string(armor) +
                " points of " + ArmorTypeName(d.TechBase, d.ArmorType) + " armor, which weigh " +
                std::to_string(*weight) + " kg");

    if (d.IsQuad && d.WeightClass == 0)
        Add(out, K::Error, "a Quad Exoskeleton: an Exoskeleton is always Humanoid");
    if (!d.IsQuad && d.TurretSize > 0)
        Add(out, K::Error,
            "a turret of " + std::to_string(d.TurretSize) + (d.TurretSize == 1 ? " slot" : " slots") +
                " on a Humanoid: only a Quad carries a turret");
    if (d.TurretConfig && d.TurretSize <= 0) Add(out, K::Error, "a configurable turret without a turret");
}

// Items and their ammunition, owned or placed, that the design's technology base does not offer.
void CheckTechnology(const Design& d, const Catalog& catalog, std::vector<Finding>& out) {
    const std::string base = d.TechBase >= 0 && d.TechBase < kTechBaseCount ? kTechBaseNames[d.TechBase] : "";
    for (int i = 0; i < kCatalogSize; ++i) {
        const std::string& name = catalog[i].Name;
        if (OfferedByTechBase(name, d.TechBase)) continue;
        const auto refuse = [&](const std::string& entry) {
            Add(out, Finding::Kind::Error, entry + " is not offered to " + WithArticle(base) + " design");
        };
        if (d.OwnedCount[i] > 0 || d.PlacedCount[i] > 0) refuse(name);
        if (d.OwnedAmmo[i] > 0 || d.PlacedAmmo[i] > 0) refuse(name + kAmmoSuffix);
    }
}

}  // namespace

std::vector<Finding> CheckDesign(const Context& ctx) {
    const Design& d = ctx.design;
    const Catalog& catalog = ctx.catalog;
    std::vector<Finding> out;
    using K = Finding::Kind;

    if (d.FreeKg < 0) Add(out, K::Error, "overweight by " + std::to_string(-int64_t{d.FreeKg}) + " kg");
    if (d.MaxHeat > d.HeatDissipation)
        Add(out, K::Error,
            "heat " + std::to_string(int64_t{d.MaxHeat} - d.HeatDissipation) + " above dissipation");
    if (d.FreeCSlots < 0)
        Add(out, K::Error,
            std::to_string(d.UsedCSlots) + " critical slots used, the chassis has " +
                std::to_string(int64_t{d.UsedCSlots} + d.FreeCSlots));

    CheckConstruction(d, out);
    CheckTechnology(d, catalog, out);

    std::vector<const char*> broken;
    for (int i = 0; i < kCatalogSize; ++i)
        if (d.PlacedCount[i] > 0) BrokenRulesOfPlaced(ctx, LocationOf(d, i), i, broken);
    for (const char* message : broken) Add(out, K::Error, message);

    NotPlaced(out, kHeatSinkEntry, d.HeatSinks);
    NotPlaced(out, kASysPrefix + ctx.armorList.text, d.ArmorSlots);
    for (int i = 0; i < kCatalogSize; ++i) {
        NotPlaced(out, catalog[i].Name, d.OwnedCount[i]);
        if (d.OwnedAmmo[i] > 0) NotPlaced(out, catalog[i].Name + kAmmoSuffix, d.OwnedAmmo[i]);
    }

    // Slots of the other chassis still count as used; say where they are.
    const char* const chassis = kChassisNames[d.IsQuad ? 1 : 0];
    const char* const other = kChassisNames[d.IsQuad ? 0 : 1];
    static constexpr int kHumanoidOnly[] = {kBody, kLeftArm, kRightArm};
    static constexpr int kQuadOnly[] = {kQuadBody, kTurret};
    const std::span<const int> others =
        d.IsQuad ? std::span<const int>(kHumanoidOnly) : std::span<const int>(kQuadOnly);
    for (int location : others)
        if (const int n = FilledSlots(d, location); n > 0)
            Add(out, K::Note,
                std::string(CheckLocationName(location)) + " of the " + other + " chassis holds " +
                    std::to_string(n) + (n == 1 ? " filled slot" : " filled slots") + "; the design is a " +
                    chassis);
    return out;
}

bool HasError(const std::vector<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.kind == Finding::Kind::Error) return true;
    return false;
}

std::string FindingLine(const Finding& finding) {
    static const char* const kPrefix[] = {"error: ", "warning: ", "note: "};
    return kPrefix[static_cast<int>(finding.kind)] + finding.text;
}

}  // namespace vantrel
