#include "sheet/PlaySheet.h"

#include "equipment/DesignCheck.h"
#include "files/Readout.h"
#include "sheet/RecordSheet.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vantrel {

namespace {

const char* const kNone = "-";

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string Lookup(const std::map<std::string, std::string>& table, const std::string& name) {
    if (const auto at = table.find(name); at != table.end()) return at->second;
    if (name.size() > 4 && name[0] == '(' && name[2] == ')' && name[3] == ' ') {
        if (const auto at = table.find(name.substr(4)); at != table.end()) return at->second;
    }
    return {};
}

std::string OrNone(const std::string& text) {
    return text.empty() || text == "-1" ? std::string(kNone) : text;
}
std::string OrNone(int value) { return value < 0 ? std::string(kNone) : std::to_string(value); }

// Weapons and other things that hit: everything but the equipment category.
bool IsWeapon(const CatalogItem& item) { return item.Category != kEquipment; }

bool OneShot(const std::string& name) { return name.find("(OS)") != std::string::npos; }

// "Light (750Kg)" out of "Chassis: Bipedal Light (750Kg)".
std::string WeightClassOf(const Design& d) {
    const std::string line = ChassisLine(d);
    const auto space = line.find(' ', std::string("Chassis: ").size());
    return space == std::string::npos ? std::string() : line.substr(space + 1);
}

int Rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

std::map<std::string, std::string> ParsePlayTable(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string name = Trimmed(line.substr(0, tab));
        if (!name.empty()) out[name] = Trimmed(line.substr(tab + 1));
    }
    return out;
}

std::string PlayTables::ToHit(const std::string& catalogName) const { return Lookup(toHit, catalogName); }
std::string PlayTables::Effect(const std::string& catalogName) const { return Lookup(effects, catalogName); }

PlaySheet BuildPlaySheet(const Context& ctx, const PlayTables& tables, int troopers,
                         const PlaySkills& skills) {
    const Design& d = ctx.design;
    const Catalog& catalog = ctx.catalog;
    PlaySheet s;
    s.name = d.MechName;
    s.model = d.Model;
    s.chassis = d.IsQuad ? "Quad" : "Humanoid";
    s.weightClass = WeightClassOf(d);
    const std::string base = TechBaseLine(d);
    s.technology = base.substr(std::min(base.size(), std::string("Tech Base: ").size()));
    s.technology += d.TechBase == 2 ? ", level 3" : ", level 2";

    const MovementLine lines[4] = {
        {"Ground",     d.GroundMP, {}},
        {"Jump",       d.JumpMP,   {}},
        {"VTOL",       d.VTOLMP,   {}},
        {"Underwater", d.UMUMP,    {}}
    };
    for (const MovementLine& m : lines)
        if (m.points > 0 || s.movement.empty()) s.movement.push_back({m.label, m.points});

    const int squad = DefaultTroopers(d);
    s.troopers = troopers >= kMinTroopers && troopers <= kMaxTroopers ? troopers : squad;
    const int64_t armor = static_cast<int64_t>(d.ArmorPoints) + d.PlacedArmor;
    s.armorPips = static_cast<int>(std::clamp<int64_t>(armor, 0, 1 << 20));
    s.skills = skills;

    for (int i = 0; i < kCatalogSize; ++i) {
        const CatalogItem& item = catalog[i];
        const int count = d.PlacedCount[i] + d.OwnedCount[i];
        if (count <= 0) continue;
        if (!IsWeapon(item)) {
            s.equipment.push_back({count, item.Name, tables.Effect(item.Name)});
            continue;
        }
        PlayWeapon w;
        w.count = count;
        w.name = item.Name;
        w.damage = OrNone(item.Damage);
        w.minRange = OrNone(item.MinRange);
        w.shortRange = OrNone(item.Short);
        w.mediumRange = OrNone(item.Medium);
        w.longRange = OrNone(item.Long);
        w.toHit = tables.ToHit(item.Name);
        if (item.AmmoWeight > 0) {
            w.usesAmmo = true;
            const int64_t loads = static_cast<int64_t>(d.PlacedAmmo[i]) + d.OwnedAmmo[i];
            w.shots = static_cast<int>(std::clamp<int64_t>(loads * std::max(0, item.Shots), 0, 1 << 20));
        } else if (OneShot(item.Name)) {
            w.usesAmmo = true;
            w.shots = count;
        }
        s.weapons.push_back(std::move(w));
    }

    // The estimate counts the squad of the technology base.
    const double perTrooper = static_cast<double>(d.EstimatedBV) / squad;
    s.bvPerTrooper = Rounded(perTrooper);
    s.bvSquad = Rounded(perTrooper * s.troopers);

    for (const Finding& f : CheckDesign(ctx))
        if (f.kind == Finding::Kind::Error) s.errors.push_back(f.text);
    return s;
}

}  // namespace vantrel
