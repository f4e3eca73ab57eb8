#include "TestCatalog.h"

#include <stdexcept>

namespace vantrel::test {

Catalog PlainCatalog() {
    Catalog c;
    for (int i = 0; i < kCatalogSize; ++i) {
        CatalogItem& it = c[i];
        it = CatalogItem{};
        it.Name = "Item " + std::to_string(i);
        it.Damage = "-1";
        it.Weight = 10;
        it.CSlots = 1;
        it.Heat = -1;
        it.BV = -1.0;
        it.Price = 0;
        it.MinRange = -1;
        it.Short = it.Medium = it.Long = "-1";
        it.Category = kEnergy;
        it.Extra = "-1";
        it.Shots = 0;
        it.AmmoPrice = 0;
        it.AmmoWeight = -1;
    }
    return c;
}

CatalogItem& Put(Catalog& c, int index, const std::string& name, int weight, int slots, int category) {
    CatalogItem& it = c.at(index);
    it.Name = name;
    it.Weight = weight;
    it.CSlots = slots;
    it.Category = category;
    return it;
}

const Catalog& ShippedCatalog() {
    static const Catalog catalog = [] {
        Catalog c;
        CatalogError e;
        if (!LoadCatalog(VANTREL_CATALOG_PATH, c, e))
            throw std::runtime_error(FormatCatalogError(VANTREL_CATALOG_PATH, e));
        return c;
    }();
    return catalog;
}

}  // namespace vantrel::test
