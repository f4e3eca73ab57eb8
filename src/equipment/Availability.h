#pragma once

#include "model/Context.h"

#include <string>
#include <vector>

namespace vantrel {

// One entry a design may take from the catalog: an item, or one load of its ammunition.
struct CatalogEntry {
    int index = 0;
    bool ammo = false;
    bool operator==(const CatalogEntry&) const = default;
};

// Every item of the catalog in catalog order, then the ammunition of every item that takes some,
// as the available list orders them.
std::vector<CatalogEntry> CatalogEntries(const Catalog& catalog);

// The text of the entry in the lists: the item's name, or the name followed by " Ammo".
std::string EntryText(const Catalog& catalog, const CatalogEntry& entry);

// The category an entry is listed under: the item's own; ammunition under "Ammunition".
int EntryCategory(const Catalog& catalog, const CatalogEntry& entry);
extern const char* const kCategoryNames[5];  // "Energy" .. "Ammunition"

// "Clan", "Inner Sphere" or "Both", from the technology mark that leads the item's name.
const char* TechnologyOf(const std::string& itemName);

// The reasons a design cannot take an entry.
extern const char* const kClanItemForInnerSphere;  // "Clan item: the design is Inner Sphere"
extern const char* const kInnerSphereItemForClan;  // "Inner Sphere item: the design is Clan"
extern const char* const kNoWeaponForAmmo;         // "no ammunition for a weapon it carries"

// Whether the design carries the weapon of catalog index `idx`, owned or placed.
bool CarriesWeapon(const Design& d, int idx);

// Why the design cannot take each entry, in the order given; an empty text where it can. An entry is
// refused for its technology base, for ammunition of a weapon the design does not carry, and where
// a drop would refuse it on every location of the chassis whatever slots were free (the rule's own
// message, or that no location takes it). The drop itself decides, on a copy with every slot freed.
std::vector<std::string> WhyNotOffered(const Context& ctx, const std::vector<CatalogEntry>& entries);
std::string WhyNotOffered(const Context& ctx, const CatalogEntry& entry);

}  // namespace vantrel
