#include "files/Readout.h"

#include "equipment/SlotView.h"
#include "files/AtomicFile.h"
#include "model/TextCodec.h"
#include "model/ValueReader.h"
#include "rules/SpeedCaption.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace vantrel {

namespace {

const char* const kEol = "\r\n";

const char* const kChassisClass[5] = {"Exoskeleton (400Kg)", "Light (750Kg)", "Medium (1000Kg)",
                                      "Heavy (1500Kg)", "Assault (1900Kg)"};
const char* const kTechBaseLine[3] = {"Inner Sphere", "Clan", "Mixed"};

// The number a damage text holds; false when it is not a plain decimal number.
bool DamageValue(std::string_view text, double& value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

double CombinedDamage(const Catalog& catalog, const Design& d) {
    double sum = 0;
    for (int i = 0; i < kCatalogSize; ++i) {
        double damage = 0;
        if (catalog[i].Damage == "-1" || !DamageValue(catalog[i].Damage, damage)) continue;
        sum += (static_cast<double>(d.OwnedCount[i]) + d.PlacedCount[i]) * damage;
    }
    return sum;
}

// Every line of the readout ends in CR LF, the lines of the history notes too, whatever breaks
// the notes were typed with.
std::string WithCrLf(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += kEol;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += kEol;
        } else {
            out += text[i];
        }
    }
    return out;
}

class Lines {
public:
    void Add(const std::string& line) { out_ += line + kEol; }
    std::string& text() { return out_; }

private:
    std::string out_;
};

// Slots 0..count-1 of a location that show something, a multi-slot item on its first slot only.
void SlotLines(Lines& out, const Context& ctx, int location, int count) {
    const ConstSlotArrays a = Slots(ctx.design, location);
    for (int s = 0; s < count && s < a.count; ++s) {
        const std::string caption = SlotCaption(ctx, a.codes[s]);
        if (caption != kAvailable && a.spans[s] != kSpanFollow) out.Add("    " + caption);
    }
}

void EquipmentSection(Lines& out, const Context& ctx) {
    const Design& d = ctx.design;
    if (!d.IsQuad) {
        out.Add("  Body:");
        SlotLines(out, ctx, kBody, kBodySlotCount);
        out.Add("  Right Arm:");
        SlotLines(out, ctx, kRightArm, kArmSlotCount);
        out.Add("  Left Arm:");
        SlotLines(out, ctx, kLeftArm, kArmSlotCount);
    } else {
        out.Add("  Body:");
        SlotLines(out, ctx, kQuadBody, kQuadSlotCount);
        out.Add("  Turret:");
        const int usable = TurretUsableSlots(d);
        if (usable > 0)
            SlotLines(out, ctx, kTurret, usable);
        else
            out.Add("    N/A");
    }
    const std::vector<std::string> owned = OwnedEntries(ctx);
    if (!owned.empty()) {
        out.Add("  Unequipped:");
        for (const std::string& entry : owned) out.Add("    " + entry);
    }
}

}  // namespace

std::string ChassisLine(const Design& d) {
    if (d.WeightClass < 0 || d.WeightClass > 4) return {};
    return std::string("Chassis: ") + (d.IsQuad ? "Quad " : "Bipedal ") + kChassisClass[d.WeightClass];
}

std::string TechBaseLine(const Design& d) {
    if (d.TechBase < 0 || d.TechBase > 2) return {};
    return std::string("Tech Base: ") + kTechBaseLine[d.TechBase];
}

std::array<MovementLine, 4> MovementLines(const Design& d) {
    auto orNone = [](int points, const std::string& caption) {
        return points == 0 ? std::string("N/A") : caption;
    };
    return {
        {
         {"Ground Speed", d.GroundMP, SpeedCaption(d.GroundMP)},
         {"Jump Capability", d.JumpMP, orNone(d.JumpMP, JumpCaption(d.JumpMP))},
         {"VTOL Speed", d.VTOLMP, orNone(d.VTOLMP, SpeedCaption(d.VTOLMP))},
         {"Underwater Speed", d.UMUMP, orNone(d.UMUMP, SpeedCaption(d.UMUMP))},
         }
    };
}

std::string Readout(const Context& ctx) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    Lines out;
    out.Add("Name: " + d.MechName);
    if (!d.Model.empty()) out.Add("Model: " + d.Model);
    out.Add("");
    if (const std::string line = ChassisLine(d); !line.empty()) out.Add(line);
    if (const std::string line = TechBaseLine(d); !line.empty()) out.Add(line);
    out.Add("");
    for (const MovementLine& line : MovementLines(d)) out.Add(line.label + (": " + line.caption));
    out.Add("");
    out.Add("Armor:");
    out.Add("  Type: " + ctx.armorList.text);
    out.Add("  Points: " + std::to_string(static_cast<int64_t>(d.ArmorPoints) + d.PlacedArmor));
    out.Add("  Weight: " + std::to_string(d.ArmorWeight) + "Kg");
    out.Add("");
    out.Add("Equipment:");
    EquipmentSection(out, ctx);
    if (!d.History.empty()) {
        out.Add("");
        out.Add("History:");
        out.Add(WithCrLf(d.History));
    }
    out.Add("");
    out.Add("All Weapons - Combined Damage: " + FormatNumber(CombinedDamage(catalog, d)));
    out.Add("");
    out.Add("Cost: " + std::to_string(d.Cost) + " C-Bills");
    out.Add("Estimated Battle Value: " + std::to_string(d.EstimatedBV));
    return std::move(out.text());
}

bool WriteReadout(const std::string& path, const std::string& text, std::string& error) {
    return WriteFileAtomically(path, Utf8ToCp1252(text), error);
}

}  // namespace vantrel
