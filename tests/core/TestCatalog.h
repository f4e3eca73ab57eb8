#pragma once

#include "model/Catalog.h"
#include "model/Context.h"

#include <initializer_list>
#include <string>

namespace vantrel::test {

// A catalog of 302 plain one-slot energy items named "Item 0".."Item 301" (no heat, no BV, no price,
// no ammunition), on which a test overwrites the records it needs.
Catalog PlainCatalog();

// Sets record `index` to a named item with the given values and returns it for further edits.
CatalogItem& Put(Catalog& c, int index, const std::string& name, int weight, int slots,
                 int category = kEquipment);

// Where RulesCatalog() puts the items the construction rules name, and a few weapons.
constexpr int kParaFoil = 0, kMineDispenser = 1, kJumpBooster = 2, kPartialWing = 3, kClamps = 4,
              kClawClamps = 5, kSpaceOps = 6, kBombRack = 7, kCamo = 8, kManipulator = 9, kMediumLaser = 20,
              kSrm4 = 21, kSmallLaser = 22, kEcm = 23, kAngelEcm = 24;

// PlainCatalog() with those records set: the rule items with their weights and slots, a Medium
// Laser (500 kg, 3 slots), an SRM 4 (240 kg, 2 slots, 40 kg loads) and a Small Laser (200 kg).
Catalog RulesCatalog();

// Gives `ctx` a catalog of its own, which the test may go on editing through it (a catalog file edited
// since a design was placed, records set up one by one); returns it. The program's catalog never
// changes once read.
Catalog& Editable(Context& ctx, Catalog catalog);
// The catalog Editable gave `ctx`, to edit further.
Catalog& Edited(Context& ctx);

// The catalog shipped with the program (data/stuff.plb), loaded once.
const CatalogRef& ShippedCatalog();

}  // namespace vantrel::test
