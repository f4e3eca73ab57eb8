#pragma once

#include <string>
#include <vector>

namespace vantrel {

constexpr int kWeightClassCount = 5;
constexpr int kTechBaseCount = 3;
constexpr int kArmorTypeCount = 9;

struct ClassLimit {
    int groundMaxHumanoid;
    int groundMaxQuad;  // the Exoskeleton is Humanoid only; its figure repeats the Humanoid one
    int jumpMax;
    int armorMax;
    bool vtolUnlessInnerSphere;  // VTOL slider usable when the tech base is not Inner Sphere
    bool umuUsable;
};
extern const ClassLimit ClassLimits[kWeightClassCount];
constexpr int kVTOLMax = 7;
constexpr int kUMUMax = 5;

// Master list of the armor type names, in their fixed order.
extern const char* const AllOrig[kArmorTypeCount];

// The armor types offered per technology base, as master positions in list order.
const std::vector<int>& ArmorTypesOffered(int techBase);

// Name shown at list index `armorType` for `techBase`; empty when the pair is not offered.
std::string ArmorTypeName(int techBase, int armorType);

// Kg per armor point by tech base and list index; false when the pair has no entry.
bool ArmorKgPerPoint(int techBase, int armorType, int& kgPerPoint);

// Armor-system slots by armor type name; false for a name not in the table.
bool ArmorSlotCount(const std::string& name, int& slots);

// Captions of the fixed lists of the first page.
extern const char* const kWeightClassNames[kWeightClassCount];
extern const char* const kTechBaseNames[kTechBaseCount];
extern const char* const kChassisNames[2];
extern const char* const kSuitSystemNames[3];
std::string TurretCaption(int size);  // "None (0 Kg, 0 CSlot)", "10 Kg (1 CSlot)", ...

// A location of the suit by number, as the slot page, the sheets and the reports name it: the quad's
// body is the body to a player. Empty for a number that is no location.
const char* LocationName(int location);
// The design check weighs one chassis's locations against the other's, so it names the quad's body
// "Quad Body"; every other location as above.
const char* CheckLocationName(int location);

}  // namespace vantrel
