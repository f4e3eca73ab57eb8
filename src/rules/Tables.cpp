#include "rules/Tables.h"

#include "model/Design.h"

namespace vantrel {

const ClassLimit ClassLimits[kWeightClassCount] = {
    {3, 3, 3, 2,  true,  false}, // Exoskeleton
    {3, 5, 3, 6,  true,  true }, // Light
    {3, 5, 3, 10, false, true }, // Medium
    {2, 4, 2, 14, false, true }, // Heavy
    {2, 4, 2, 18, false, true }, // Assault
};

const char* const AllOrig[kArmorTypeCount] = {
    "Standard",         "Advanced",         "Prototype",      "Basic Stealth", "Prototype Stealth",
    "Standard Stealth", "Improved Stealth", "Fire Resistant", "Mimetic",
};

namespace {

const std::vector<int> kOffered[kTechBaseCount] = {
    {0,  1, 2, 3, 4, 5, 6, 8},
    { 0, 3, 5, 6, 7 },
    { 0, 1, 2, 3, 4,  5,  6,  7,  8},
};

// Kg per point by master position; 0 = not offered under that base.
constexpr int kKgInnerSphere[kArmorTypeCount] = {50, 40, 100, 55, 115, 60, 65, 0, 50};
constexpr int kKgClan[kArmorTypeCount] = {40, 0, 0, 45, 0, 50, 55, 45, 0};
constexpr int kKgMixed[kArmorTypeCount] = {40, 40, 100, 45, 115, 50, 55, 45, 50};
constexpr int kSlots[kArmorTypeCount] = {0, 8, 0, 3, 5, 5, 7, 4, 8};

int MasterPosition(int techBase, int armorType) {
    if (techBase < 0 || techBase >= kTechBaseCount) return -1;
    const auto& list = kOffered[techBase];
    if (armorType < 0 || armorType >= static_cast<int>(list.size())) return -1;
    return list[armorType];
}

}  // namespace

const std::vector<int>& ArmorTypesOffered(int techBase) {
    static const std::vector<int> kNone;
    if (techBase < 0 || techBase >= kTechBaseCount) return kNone;
    return kOffered[techBase];
}

std::string ArmorTypeName(int techBase, int armorType) {
    const int master = MasterPosition(techBase, armorType);
    return master < 0 ? std::string() : std::string(AllOrig[master]);
}

bool ArmorKgPerPoint(int techBase, int armorType, int& kgPerPoint) {
    const int master = MasterPosition(techBase, armorType);
    if (master < 0) return false;
    const int* table = techBase == 0 ? kKgInnerSphere : techBase == 1 ? kKgClan : kKgMixed;
    kgPerPoint = table[master];
    return true;
}

bool ArmorSlotCount(const std::string& name, int& slots) {
    for (int i = 0; i < kArmorTypeCount; ++i) {
        if (name == AllOrig[i]) {
            slots = kSlots[i];
            return true;
        }
    }
    return false;
}

const char* const kWeightClassNames[kWeightClassCount] = {
    "Exoskeleton - 400 Kg", "Light - 750 Kg", "Medium - 1,000 Kg", "Heavy - 1,500 Kg", "Assault - 1,900 Kg",
};
const char* const kTechBaseNames[kTechBaseCount] = {"Inner Sphere", "Clan", "Mixed"};
const char* const kChassisNames[2] = {"Humanoid", "Quad"};
const char* const kSuitSystemNames[3] = {"Basic", "Inner Sphere", "Clan"};

std::string TurretCaption(int size) {
    if (size == 0) return "None (0 Kg, 0 CSlot)";
    return std::to_string(size * 10) + " Kg (" + std::to_string(size) + " CSlot)";
}

const char* LocationName(int location) {
    static const char* const kNames[kLocationCount] = {"Body", "Left Arm", "Right Arm", "Body", "Turret"};
    return location >= 0 && location < kLocationCount ? kNames[location] : "";
}

const char* CheckLocationName(int location) {
    return location == kQuadBody ? "Quad Body" : LocationName(location);
}

}  // namespace vantrel
