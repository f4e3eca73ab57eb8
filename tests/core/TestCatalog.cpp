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

Catalog RulesCatalog() {
    Catalog c = PlainCatalog();
    Put(c, kParaFoil, "Para Foil", 35, 1);
    Put(c, kMineDispenser, "Mine Dispenser", 50, 2);
    Put(c, kJumpBooster, "Jump Booster", 125, 2);
    Put(c, kPartialWing, "Partial Wing", 200, 1);
    Put(c, kClamps, "Magnetic Clamps", 30, 1);
    Put(c, kClawClamps, "Claws and Magnetic Clamps", 35, 1);
    Put(c, kSpaceOps, "Space Operations Adaptation", 100, 1);
    Put(c, kBombRack, "Bomb Rack", 100, 2);
    Put(c, kCamo, "Camo System", 200, 2);
    Put(c, kManipulator, "Manipulator", 0, 1);
    Put(c, kMediumLaser, "Medium Laser", 500, 3, kEnergy);
    Put(c, kSrm4, "SRM 4", 240, 2, kMissile).AmmoWeight = 40;
    Put(c, kSmallLaser, "Small Laser", 200, 1, kEnergy);
    Put(c, kEcm, "ECM Suite", 100, 1);
    Put(c, kAngelEcm, "Angel ECM Suite", 250, 3);
    return c;
}

Catalog& Editable(Context& ctx, Catalog catalog) {
    auto owned = std::make_shared<Catalog>(std::move(catalog));
    Catalog& edited = *owned;
    ctx.catalog = CatalogRef(std::move(owned));
    return edited;
}

// Made writable by Editable, so casting the constness away is sound.
Catalog& Edited(Context& ctx) { return const_cast<Catalog&>(ctx.catalog.get()); }

const CatalogRef& ShippedCatalog() {
    static const CatalogRef catalog = [] {
        CatalogRef c;
        CatalogError e;
        if (!LoadSharedCatalog(VANTREL_CATALOG_PATH, c, e))
            throw std::runtime_error(FormatCatalogError(VANTREL_CATALOG_PATH, e));
        return c;
    }();
    return catalog;
}

}  // namespace vantrel::test
