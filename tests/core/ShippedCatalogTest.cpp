// Guards the catalog shipped beside the program (data/stuff.plb, written by
// tools/make_catalog.py): the names the construction rules look up, the conventions the lists
// rely on, and the bytes of the file itself.

#include "TestCatalog.h"
#include "model/Catalog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel {
namespace {

const CatalogRef& Shipped() { return test::ShippedCatalog(); }

int CountNamed(const std::string& name) {
    int n = 0;
    for (const CatalogItem& it : Shipped()) n += it.Name == name ? 1 : 0;
    return n;
}

const CatalogItem* Named(const std::string& name) {
    for (const CatalogItem& it : Shipped())
        if (it.Name == name) return &it;
    return nullptr;
}

// The record of that name, or an empty one (and a failure) when there is none.
const CatalogItem& Item(const std::string& name) {
    static const CatalogItem none{};
    const CatalogItem* it = Named(name);
    if (it == nullptr) ADD_FAILURE() << "no record named " << name;
    return it != nullptr ? *it : none;
}

// "12", "0", "1.5": what the text readout can add up.
bool IsPlainDecimal(const std::string& s) { return std::regex_match(s, std::regex(R"(\d+(\.\d+)?)")); }

std::string FileBytes() {
    std::ifstream in(VANTREL_CATALOG_PATH, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ShippedCatalog, LoadsWithUniqueUsableNames) {
    Catalog c;
    CatalogError e;
    ASSERT_TRUE(LoadCatalog(VANTREL_CATALOG_PATH, c, e)) << FormatCatalogError(VANTREL_CATALOG_PATH, e);

    std::set<std::string> names;
    for (int i = 0; i < kCatalogSize; ++i) {
        const CatalogItem& it = Shipped()[i];
        SCOPED_TRACE("record " + std::to_string(i + 1) + " " + it.Name);
        EXPECT_FALSE(it.Name.empty());
        EXPECT_TRUE(names.insert(it.Name).second) << "duplicate name";
        EXPECT_GE(it.Category, kEnergy);
        EXPECT_LE(it.Category, kAmmunition);
        // A name ending in "Ammo" would be taken for a load by placement and clearing.
        EXPECT_FALSE(it.Name.ends_with("Ammo"));
        EXPECT_EQ(it.Name.find_first_of("\","), std::string::npos);
        // Entries the lists make up themselves must not also name a record.
        EXPECT_NE(it.Name, "Heat Sink");
        EXPECT_FALSE(it.Name.starts_with("Armor: ") || it.Name.starts_with("ASys: "));
        for (const char* movement : {"Ground Movement", "Jump Jets", "VTOL", "UMU (Underwater)"})
            EXPECT_NE(it.Name, movement);
        // An item of no slots could never be placed or cleared as a whole.
        EXPECT_GE(it.CSlots, 1);
        EXPECT_GE(it.Weight, 0);
        EXPECT_GT(it.Price, 0);
    }
    // Design files store catalog indices: the first and last records pin the order.
    EXPECT_EQ(Shipped()[0].Name, "(C) ER Flamer");
    EXPECT_EQ(Shipped()[kCatalogSize - 1].Name, "Vibrabomb Mine");
    for (int i = 1; i < kCatalogSize; ++i) EXPECT_LE(Shipped()[i - 1].Category, Shipped()[i].Category) << i;
}

TEST(ShippedCatalog, RuleItemsServeEveryTechBase) {
    // Looked up by name by the construction rules; the clamps and arm items take one slot each.
    for (const char* name :
         {"Camo System", "Para Foil", "Partial Wing", "Jump Booster", "Mine Dispenser", "Bomb Rack",
          "Magnetic Clamps", "Claws and Magnetic Clamps", "Space Operations Adaptation", "Armored Glove",
          "Vibro-Claws", "Battle Claw", "Heavy Battle Claw", "Manipulator", "Salvage Arm"}) {
        EXPECT_EQ(CountNamed(name), 1) << name;
        EXPECT_EQ(Item(name).Category, kEquipment) << name;
    }
    EXPECT_EQ(Item("Camo System").CSlots, 2);
    for (const char* name :
         {"Magnetic Clamps", "Claws and Magnetic Clamps", "Space Operations Adaptation", "Armored Glove",
          "Vibro-Claws", "Battle Claw", "Heavy Battle Claw", "Manipulator", "Salvage Arm"})
        EXPECT_EQ(Item(name).CSlots, 1) << name;

    // Tech marks are "(C) " and "(I) " exactly; anything else starting "(C" or "(I" would be
    // filtered without being meant as a mark.
    int clan = 0, innerSphere = 0;
    for (const CatalogItem& it : Shipped()) {
        if (it.Name.starts_with("(C) "))
            ++clan;
        else if (it.Name.starts_with("(I) "))
            ++innerSphere;
        else
            EXPECT_NE(it.Name[0], '(') << it.Name;
    }
    EXPECT_GE(clan, 30);
    EXPECT_GE(innerSphere, 30);
}

TEST(ShippedCatalog, ValuesFollowTheConventions) {
    bool torpedo = false, detachable = false;
    for (const CatalogItem& it : Shipped()) {
        SCOPED_TRACE(it.Name);
        EXPECT_TRUE(it.Damage == "-1" || IsPlainDecimal(it.Damage)) << it.Damage;
        if (it.AmmoWeight > 0) {
            EXPECT_TRUE(it.Shots > 0 && it.AmmoPrice > 0);
        } else {
            EXPECT_EQ(std::tuple(it.AmmoWeight, it.Shots, it.AmmoPrice), std::tuple(-1, -1, -1));
        }
        EXPECT_TRUE(it.BV == -1.0 || it.BV >= 0.0) << it.BV;
        EXPECT_GE(it.MinRange, -1);
        if (it.Category == kEquipment) {
            EXPECT_LT(it.Heat, 0);
        }
        if (it.Category <= kMissile) {
            EXPECT_GE(it.Heat, 0);
        }

        const bool isTorpedo = it.Name.find(" (T)") != std::string::npos;
        const bool isDetachable = it.Name.ends_with(" (D)");
        torpedo |= isTorpedo;
        detachable |= isDetachable;
        if (isTorpedo || isDetachable) {
            EXPECT_EQ(it.Category, kMissile);
        }
        if (isDetachable || it.Name.ends_with(" (OS)")) {
            EXPECT_EQ(it.AmmoWeight, -1);
        }
        // A one-shot launcher carries its only volley: lighter, half the price, no loads.
        if (it.Name.ends_with(" (OS)")) {
            const CatalogItem& full = Item(it.Name.substr(0, it.Name.size() - 5));
            EXPECT_LT(it.Weight, full.Weight);
            EXPECT_EQ(it.Price * 2, full.Price);
            EXPECT_EQ(it.Damage, full.Damage);
        }
        // Where both bases build an item differently, the Clan one is never heavier.
        const CatalogItem* is = it.Name.starts_with("(C) ") ? Named("(I) " + it.Name.substr(4)) : nullptr;
        if (is != nullptr) {
            EXPECT_LE(it.Weight, is->Weight);
        }
    }
    EXPECT_TRUE(torpedo);
    EXPECT_TRUE(detachable);
}

TEST(ShippedCatalog, TableValues) {
    const CatalogItem& srm4 = Item("(I) SRM 4");
    EXPECT_EQ(srm4.Damage, "8");  // the full volley
    EXPECT_EQ(std::tuple(srm4.Weight, srm4.CSlots, srm4.Category), std::tuple(240, 2, kMissile));
    EXPECT_GT(srm4.AmmoWeight, 0);

    const CatalogItem& ml = Item("(I) Medium Laser");
    EXPECT_EQ(std::tuple(ml.Weight, ml.CSlots, ml.Heat, ml.BV, ml.Price, ml.MinRange, ml.Category),
              std::tuple(500, 3, 3, 46.0, 40000, -1, kEnergy));
    EXPECT_EQ(ml.AmmoWeight, -1);
    EXPECT_EQ(ml.Short + "/" + ml.Medium + "/" + ml.Long, "3/6/9");

    const CatalogItem& l = Item("(C) LRM 4 (OS)");
    EXPECT_EQ(std::tuple(l.Weight, l.CSlots, l.BV, l.Price, l.MinRange, l.Long),
              std::tuple(100, 3, 9.0, 12000, 6, "21"));

    EXPECT_EQ(Item("Claws and Magnetic Clamps").BV, 1.5);
    EXPECT_EQ(Item("Magnetic Clamps").BV, 1.0);
    EXPECT_EQ(Item("Mine Dispenser").BV, 8.0);

    EXPECT_EQ(Item("(I) ECM Suite").Weight, 100);
    EXPECT_EQ(Item("(C) ECM Suite").Weight, 75);
    EXPECT_EQ(CountNamed("ECM Suite"), 0);

    const CatalogItem& bombs = Item("(C) Micro Bomb Rack");
    EXPECT_EQ(std::tuple(bombs.MinRange, bombs.Short), std::tuple(-1, "-1"));
}

TEST(ShippedCatalog, FileBytes) {
    const std::string bytes = FileBytes();
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    int lines = 0, commas = 0;
    bool quoted = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
            continue;
        }
        if (b == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
            ASSERT_FALSE(quoted) << "line " << lines + 1 << " ends inside a text";
            EXPECT_EQ(commas, kValuesPerItem - 1) << "line " << lines + 1;
            commas = 0;
            ++lines;
            continue;
        }
        ASSERT_GE(b, 0x20) << "control byte at " << i;
        // DEL and the five positions Windows-1252 leaves undefined.
        ASSERT_TRUE(b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            << "byte " << static_cast<int>(b) << " at " << i;
        if (b == '"') quoted = !quoted;
        if (b == ',' && !quoted) ++commas;
    }
    EXPECT_EQ(lines, kCatalogSize);  // one record per line, nothing after the last
}

}  // namespace
}  // namespace vantrel
