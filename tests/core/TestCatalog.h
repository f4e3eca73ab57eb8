#pragma once

#include "model/Catalog.h"

#include <initializer_list>
#include <string>

namespace vantrel::test {

// A catalog of 302 plain one-slot energy items named "Item 0".."Item 301" (no heat, no BV, no price,
// no ammunition), on which a test overwrites the records it needs.
Catalog PlainCatalog();

// Sets record `index` to a named item with the given values and returns it for further edits.
CatalogItem& Put(Catalog& c, int index, const std::string& name, int weight, int slots,
                 int category = kEquipment);

// The catalog shipped with the program (data/stuff.plb), loaded once.
const Catalog& ShippedCatalog();

}  // namespace vantrel::test
