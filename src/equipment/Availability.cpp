#include "equipment/Availability.h"

#include "equipment/AutoPlace.h"
#include "equipment/Placement.h"
#include "rules/Offer.h"

namespace vantrel {

const char* const kCategoryNames[5] = {"Energy", "Ballistic", "Missile", "Equipment", "Ammunition"};
const char* const kClanItemForInnerSphere = "Clan item: the design is Inner Sphere";
const char* const kInnerSphereItemForClan = "Inner Sphere item: the design is Clan";
const char* const kNoWeaponForAmmo = "no ammunition for a weapon it carries";

namespace {

bool Marked(const std::string& name, const char* mark) { return name.rfind(mark, 0) == 0; }

std::string NoLocationTakes(const Design& d) {
    return std::string("no location of a ") + (d.IsQuad ? "Quad" : "Humanoid") + " takes it";
}

// Tries entries on every location of the chassis with all its slots free, so only the construction
// rules and the shape of the chassis can refuse them. One copy serves every try: a refused drop
// leaves it untouched, and a placed one is undone before the next.
class PlacementTrial {
public:
    explicit PlacementTrial(const Context& ctx) : trial_(ctx) {
        Design& d = trial_.design;
        d.History.clear();  // copied back after every placed try
        for (int location = 0; location < kLocationCount; ++location) {
            SlotArrays a = Slots(d, location);
            for (int j = 0; j < a.count; ++j) {
                a.codes[j] = kSlotFree;
                a.spans[j] = kSpanNone;
            }
        }
        base_ = d;
        order_ = PlaceOrder(d);
    }

    // Empty when some location takes a unit of `text` (catalog index `idx`).
    std::string Refusal(const std::string& text, int idx) {
        for (int location : order_) {
            // Every slot is free, so the first one has the most room after it.
            if (DropOnSlot(trial_, location, 0, text, text).kind == DropResult::Kind::Placed) {
                trial_.design = base_;
                return {};
            }
        }
        // The rule that refuses it, asked as the design check asks of a placed unit: one more placed
        // unit, taken out again, leaves the counts as they stand.
        std::vector<const char*> broken;
        ++trial_.design.PlacedCount[idx];
        for (int location : order_) {
            BrokenRulesOfPlaced(trial_, location, idx, broken);
            if (!broken.empty()) break;
        }
        --trial_.design.PlacedCount[idx];
        return broken.empty() ? NoLocationTakes(base_) : std::string(broken.front());
    }

private:
    Context trial_;
    Design base_;
    std::vector<int> order_;
};

std::string WhyNotForTechBase(const std::string& name, int techBase) {
    if (OfferedByTechBase(name, techBase)) return {};
    return Marked(name, "(C") ? kClanItemForInnerSphere : kInnerSphereItemForClan;
}

}  // namespace

std::vector<CatalogEntry> CatalogEntries(const Catalog& catalog) {
    std::vector<CatalogEntry> out;
    out.reserve(2 * static_cast<std::size_t>(kCatalogSize));
    for (int i = 0; i < kCatalogSize; ++i) out.push_back({i, false});
    for (int i = 0; i < kCatalogSize; ++i)
        if (catalog[i].AmmoWeight != -1) out.push_back({i, true});
    return out;
}

std::string EntryText(const Catalog& catalog, const CatalogEntry& entry) {
    const std::string& name = catalog[entry.index].Name;
    return entry.ammo ? name + kAmmoSuffix : name;
}

int EntryCategory(const Catalog& catalog, const CatalogEntry& entry) {
    if (entry.ammo) return kAmmunition;
    const int category = catalog[entry.index].Category;
    return category >= kEnergy && category <= kAmmunition ? category : kEquipment;
}

const char* TechnologyOf(const std::string& itemName) {
    if (Marked(itemName, "(C")) return "Clan";
    if (Marked(itemName, "(I")) return "Inner Sphere";
    return "Both";
}

bool CarriesWeapon(const Design& d, int idx) { return d.OwnedCount[idx] >= 1 || d.PlacedCount[idx] >= 1; }

std::vector<std::string> WhyNotOffered(const Context& ctx, const std::vector<CatalogEntry>& entries) {
    std::vector<std::string> out(entries.size());
    std::vector<std::size_t> toTry;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const CatalogEntry& e = entries[k];
        if (e.index < 0 || e.index >= kCatalogSize) {
            out[k] = NoLocationTakes(ctx.design);
            continue;
        }
        out[k] = WhyNotForTechBase(ctx.catalog[e.index].Name, ctx.design.TechBase);
        if (out[k].empty() && e.ammo && !CarriesWeapon(ctx.design, e.index)) out[k] = kNoWeaponForAmmo;
        if (out[k].empty()) toTry.push_back(k);
    }
    if (toTry.empty()) return out;
    PlacementTrial trial(ctx);
    for (std::size_t k : toTry) out[k] = trial.Refusal(EntryText(ctx.catalog, entries[k]), entries[k].index);
    return out;
}

std::string WhyNotOffered(const Context& ctx, const CatalogEntry& entry) {
    return WhyNotOffered(ctx, std::vector<CatalogEntry>{entry}).front();
}

}  // namespace vantrel
