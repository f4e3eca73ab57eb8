#pragma once

#include <array>
#include <string>

namespace vantrel {

constexpr int kCatalogSize = 302;
constexpr int kValuesPerItem = 16;

// Category numbers double as the index of the filter option that lists the item.
enum Category : int { kEnergy = 0, kBallistic = 1, kMissile = 2, kEquipment = 3, kAmmunition = 4 };

struct CatalogItem {
    std::string Name;
    std::string Damage;  // "-1" = none
    int Weight = 0;      // kg per unit, -1 = not shown
    int CSlots = 0;      // -1 = not shown
    int Heat = 0;        // negative = generates none
    double BV = 0.0;     // exactly -1.0 = none
    int Price = 0;       // <= 0 = not counted
    int MinRange = 0;    // -1 = none
    std::string Short;
    std::string Medium;
    std::string Long;
    int Category = 0;
    std::string Extra;
    int Shots = 0;
    int AmmoPrice = 0;
    int AmmoWeight = 0;  // -1 = takes no ammunition
};

using Catalog = std::array<CatalogItem, kCatalogSize>;

// Why a catalog could not be read: 1-based record and field (0 when the file itself failed).
struct CatalogError {
    int record = 0;
    int field = 0;
    std::string message;
};

// Reads exactly 302 records of 16 values; anything after them is ignored. `progress`, when
// given, is called with the number of records read after each record. On failure `out` may hold
// a partly read catalog and the error says where reading stopped.
bool LoadCatalog(const std::string& fileName, Catalog& out, CatalogError& error,
                 void (*progress)(int recordsRead, void* user) = nullptr, void* user = nullptr);

// Same as LoadCatalog, on bytes already in memory (Windows-1252 text).
bool ParseCatalog(const std::string& bytes, Catalog& out, CatalogError& error,
                  void (*progress)(int recordsRead, void* user) = nullptr, void* user = nullptr);

std::string FormatCatalogError(const std::string& fileName, const CatalogError& error);

}  // namespace vantrel
