#include "rules/Limits.h"

#include "rules/Tables.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {

namespace {

const ClassLimit* LimitOf(int weightClass) {
    return weightClass >= 0 && weightClass < kWeightClassCount ? &ClassLimits[weightClass] : nullptr;
}

constexpr int32_t Design::*kMoveFields[kMoveKindCount] = {&Design::GroundMP, &Design::JumpMP, &Design::VTOLMP,
                                                          &Design::UMUMP};

}  // namespace

bool MovementUsable(const Design& d, MoveKind kind) {
    switch (kind) {
        case MoveKind::VTOL: return d.TechBase != 0 && d.WeightClass >= 0 && d.WeightClass <= 1;
        case MoveKind::UMU: return d.WeightClass != 0;
        default: return true;
    }
}

std::optional<int> SliderMaximum(const Design& d, MoveKind kind) {
    const ClassLimit* lim = LimitOf(d.WeightClass);
    switch (kind) {
        case MoveKind::Ground:
            if (!lim) return std::nullopt;
            return d.IsQuad ? lim->groundMaxQuad : lim->groundMaxHumanoid;
        case MoveKind::Jump:
            if (!lim) return std::nullopt;
            return lim->jumpMax;
        case MoveKind::VTOL: return kVTOLMax;
        case MoveKind::UMU: return kUMUMax;
    }
    return std::nullopt;
}

std::optional<int> MovementMaximum(const Design& d, MoveKind kind) {
    if (!MovementUsable(d, kind)) return 0;
    return SliderMaximum(d, kind);
}

std::optional<int> ArmorMaximum(const Design& d) {
    const ClassLimit* lim = LimitOf(d.WeightClass);
    if (!lim) return std::nullopt;
    return lim->armorMax;
}

std::optional<int> ArmorWeightFor(int techBase, int armorType, int points) {
    int kg = 0;
    if (!ArmorKgPerPoint(techBase, armorType, kg)) return std::nullopt;
    const int64_t weight = int64_t{points} * kg;
    if (weight < INT32_MIN || weight > INT32_MAX) return std::nullopt;
    return static_cast<int>(weight);
}

std::optional<int> ArmorWeightOf(const Design& d) {
    const int64_t points = int64_t{d.ArmorPoints} + d.PlacedArmor;
    if (points < INT32_MIN || points > INT32_MAX) return std::nullopt;
    return ArmorWeightFor(d.TechBase, d.ArmorType, static_cast<int>(points));
}

void ClampMovement(Design& d) {
    if (!MovementUsable(d, MoveKind::VTOL)) d.VTOLMP = 0;
    if (!MovementUsable(d, MoveKind::UMU)) d.UMUMP = 0;
    for (MoveKind kind : {MoveKind::Ground, MoveKind::Jump, MoveKind::VTOL, MoveKind::UMU}) {
        int32_t& value = MovementPoints(d, kind);
        const int bottom = kind == MoveKind::Ground ? kGroundMinimum : 0;
        if (value < bottom) value = bottom;
        if (const std::optional<int> top = SliderMaximum(d, kind); top && value > *top) value = *top;
    }
}

void ClampArmor(Design& d) {
    if (const std::optional<int> maximum = ArmorMaximum(d)) {
        // The slider cannot go below the placed points, so its top is never under them.
        const int top = std::max(*maximum, d.PlacedArmor);
        if (int64_t{d.PlacedArmor} + d.ArmorPoints > top) d.ArmorPoints = top - d.PlacedArmor;
    }
    if (const std::optional<int> weight = ArmorWeightOf(d)) d.ArmorWeight = *weight;
}

int32_t& MovementPoints(Design& d, MoveKind kind) { return d.*kMoveFields[static_cast<int>(kind)]; }

int32_t MovementPoints(const Design& d, MoveKind kind) { return d.*kMoveFields[static_cast<int>(kind)]; }

const char* MovementName(MoveKind kind) {
    switch (kind) {
        case MoveKind::Jump: return "jump";
        case MoveKind::VTOL: return "VTOL movement";
        case MoveKind::UMU: return "underwater movement";
        default: return "ground movement";
    }
}

std::string WeightClassShortName(int weightClass) {
    if (!LimitOf(weightClass)) return {};
    const std::string name = kWeightClassNames[weightClass];
    return name.substr(0, name.find(" - "));
}

}  // namespace vantrel
