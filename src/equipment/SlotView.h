#pragma once

#include "model/Context.h"

#include <string>
#include <vector>

namespace vantrel {

// Fixed texts of entries and slot captions.
extern const char* const kHeatSinkEntry;  // "Heat Sink"
extern const char* const kArmorPrefix;    // "Armor: "
extern const char* const kASysPrefix;     // "ASys: "
extern const char* const kAvailable;      // "Available"
extern const char* const
    kMovementCaptions[5];  // index 1..4: "Ground Movement", "Jump Jets", "VTOL", "UMU (Underwater)"
extern const char* const kSpaceAdaptation;  // "Space Operations Adaptation"
extern const char* const kClampTail;        // "Magnetic Clamps": the end of both clamp names

bool EndsWith(const std::string& text, const std::string& tail);
// Entries and captions of ammunition end in "Ammo".
inline bool IsAmmoText(const std::string& text) { return EndsWith(text, "Ammo"); }

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
constexpr Rgb kColourFree{0, 192, 0};
constexpr Rgb kColourHover{255, 255, 255};
constexpr Rgb kColourHeatSink{255, 0, 0};
constexpr Rgb kColourMovement{255, 128, 0};
constexpr Rgb kColourArmor{192, 192, 192};
constexpr Rgb kColourItem{255, 0, 255};
constexpr Rgb kColourSelected{0, 255, 255};

// Caption of a slot code; armor slots carry the text the armor type list shows.
// Codes outside the known ranges give an empty caption.
std::string SlotCaption(const Context& ctx, int code);
Rgb SlotColour(int code);

// The owned list of the equipment and slot pages: heat sinks, armor-system entries, then per catalog
// index the item lines followed by its ammunition lines.
std::vector<std::string> OwnedEntries(const Context& ctx);

// The same lines as runs of one text each, in the same order: a count per kind instead of a line per
// unit. Kinds with no units are left out.
struct OwnedRun {
    std::string text;
    int count = 0;
};
std::vector<OwnedRun> OwnedRuns(const Context& ctx);

}  // namespace vantrel
