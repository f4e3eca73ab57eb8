#pragma once

#include "model/Catalog.h"

#include <array>
#include <cstdint>
#include <string>

namespace vantrel {

// Slot codes of the critical slots.
constexpr int kSlotArmorSystem = -2;
constexpr int kSlotFree = -1;
constexpr int kSlotHeatSink = 0;
constexpr int kSlotGround = 1;
constexpr int kSlotJump = 2;
constexpr int kSlotVTOL = 3;
constexpr int kSlotUMU = 4;
constexpr int kSlotArmor = 5;
constexpr int kSlotItemBase = 6;    // item code = catalog index + 6
constexpr int kSlotAmmoBase = 308;  // ammunition code = catalog index + 308
constexpr int kSlotAmmoLast = kSlotAmmoBase + kCatalogSize - 1;

// Span values beside the slot codes.
constexpr int kSpanNone = -1;
constexpr int kSpanFollow = -2;

// Locations, numbered as the selection stores them.
enum Location : int { kBody = 0, kLeftArm = 1, kRightArm = 2, kQuadBody = 3, kTurret = 4 };
constexpr int kLocationCount = 5;
constexpr int kBodySlotCount = 12;
constexpr int kArmSlotCount = 4;
constexpr int kQuadSlotCount = 16;
constexpr int kTurretSlotCount = 9;

using Counts = std::array<int32_t, kCatalogSize>;

struct Design {
    std::string MechName;
    std::string Model;
    int32_t WeightClass = 0;
    int32_t TechBase = 0;
    bool IsQuad = false;
    int32_t TurretSize = 0;
    bool TurretConfig = false;
    int32_t SuitSystems = 0;
    int32_t GroundMP = 0;
    int32_t JumpMP = 0;
    int32_t VTOLMP = 0;
    int32_t UMUMP = 0;
    int32_t HeatSinks = 0;
    int32_t PlacedHeatSinks = 0;
    int32_t ArmorType = 0;
    int32_t ArmorPoints = 0;
    int32_t PlacedArmor = 0;
    int32_t ArmorWeight = 0;
    int32_t ArmorSlots = 0;
    int32_t PlacedArmorSlots = 0;
    bool EnhancedImaging = false;
    std::string History;
    int32_t Spare1 = 0;
    int32_t Spare2 = 0;
    int32_t Spare3 = 0;
    int32_t Spare4 = 0;

    Counts OwnedCount{};
    Counts OwnedAmmo{};
    Counts PlacedCount{};
    Counts PlacedAmmo{};

    std::array<int32_t, kBodySlotCount> BodySlots{};
    std::array<int32_t, kBodySlotCount> BodySpan{};
    std::array<int32_t, kArmSlotCount> RightArmSlots{};
    std::array<int32_t, kArmSlotCount> RightArmSpan{};
    std::array<int32_t, kArmSlotCount> LeftArmSlots{};
    std::array<int32_t, kArmSlotCount> LeftArmSpan{};
    std::array<int32_t, kQuadSlotCount> QuadSlots{};
    std::array<int32_t, kQuadSlotCount> QuadSpan{};
    std::array<int32_t, kTurretSlotCount> TurretSlots{};
    std::array<int32_t, kTurretSlotCount> TurretSpan{};

    // Totals, written only by MainCalc (and restored by reading a design file).
    int32_t CurrentKg = 0;
    int32_t FreeKg = 0;
    int32_t MaxHeat = 0;
    int32_t HeatDissipation = 0;
    int32_t UsedCSlots = 0;
    int32_t FreeCSlots = 0;
    int32_t EstimatedBV = 0;
    // 64 bits: a design at the reader's limits costs billions. The file keeps it within its record.
    int64_t Cost = 0;

    bool operator==(const Design&) const = default;
};

// Pointer to the content and span arrays of one location, with its length.
struct SlotArrays {
    int32_t* codes;
    int32_t* spans;
    int count;
};
SlotArrays Slots(Design& d, int location);
struct ConstSlotArrays {
    const int32_t* codes;
    const int32_t* spans;
    int count;
};
ConstSlotArrays Slots(const Design& d, int location);

// Turret slots that take equipment: the turret's size less the one a configurable turret takes.
int TurretUsableSlots(const Design& d);

// Resets every design field to the values of a new design (totals included, before any calculation).
void NewDesign(Design& d);

// Catalog lookups by entry text: the item's name, or the name followed by " Ammo".
int16_t FindIndex(const Catalog& catalog, const std::string& strName);
void AddToStash(const Catalog& catalog, Design& d, const std::string& strName, int16_t intNum);

extern const char* const kAmmoSuffix;  // " Ammo"

}  // namespace vantrel
