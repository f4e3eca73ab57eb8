#pragma once

#include "model/Design.h"

#include <optional>

namespace vantrel {

// The movement kinds in slider order: ground, jump, VTOL, underwater.
enum class MoveKind { Ground, Jump, VTOL, UMU };
constexpr int kMoveKindCount = 4;
constexpr int kGroundMinimum = 1;

// Whether the kind may be above 0 on this design: VTOL only on Clan or Mixed Exoskeleton and Light
// suits, underwater movement on anything but an Exoskeleton; ground and jump always.
bool MovementUsable(const Design& d, MoveKind kind);

// The top of the kind's slider for the weight class and chassis (VTOL 7 and underwater 5 whether usable
// or not); none for a weight class outside the table, whose sliders keep the maxima they had.
std::optional<int> SliderMaximum(const Design& d, MoveKind kind);

// The most points of the kind the design may have: the slider's top where the kind is usable, else 0.
std::optional<int> MovementMaximum(const Design& d, MoveKind kind);

// The most armor points, placed and unplaced together, the weight class carries.
std::optional<int> ArmorMaximum(const Design& d);

// Kg of `points` points of the armor at list index `armorType` of `techBase`; none for a pair the lists
// do not offer.
std::optional<int> ArmorWeightFor(int techBase, int armorType, int points);

// The design's armor weight as its points and type give it; none when the pair has no entry.
std::optional<int> ArmorWeightOf(const Design& d);

// Brings the movement within the class, chassis and technology as the first page's sliders hold it:
// an unusable VTOL or underwater movement to 0, then each kind brought between its slider's ends. The
// gestures of the first page end with it; opening a design does not, so a file is shown as it is.
void ClampMovement(Design& d);

// Brings the armor within the class as the armor slider holds it (placed points stay, unplaced ones
// are lowered) and works its weight out again from the points and the type.
void ClampArmor(Design& d);

// The design's field of a movement kind.
int32_t& MovementPoints(Design& d, MoveKind kind);
int32_t MovementPoints(const Design& d, MoveKind kind);

// "ground movement", "jump", "VTOL movement", "underwater movement".
const char* MovementName(MoveKind kind);

// "Exoskeleton", "Light", ... for the weight class; empty outside the table.
std::string WeightClassShortName(int weightClass);

}  // namespace vantrel
