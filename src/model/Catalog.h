#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

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

// The catalog every design of the session reads: loaded once, then shared and never changed. Copies
// of a context (a trial placement, a comparison, a second window) share it; a default one holds an
// empty catalog of its own.
class CatalogRef {
public:
    CatalogRef() : catalog_(std::make_shared<const Catalog>()) {}
    explicit CatalogRef(std::shared_ptr<const Catalog> catalog) : catalog_(std::move(catalog)) {}

    operator const Catalog&() const { return *catalog_; }  // NOLINT(google-explicit-constructor)
    const Catalog& get() const { return *catalog_; }
    const CatalogItem& operator[](std::size_t index) const { return (*catalog_)[index]; }
    auto begin() const { return catalog_->begin(); }
    auto end() const { return catalog_->end(); }
    std::size_t size() const { return catalog_->size(); }
    const std::shared_ptr<const Catalog>& shared() const { return catalog_; }

private:
    std::shared_ptr<const Catalog> catalog_;
};

// A catalog of its own for a context: a copy when `catalog` is a plain one.
inline CatalogRef ShareCatalog(Catalog catalog) {
    return CatalogRef(std::make_shared<const Catalog>(std::move(catalog)));
}

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

// LoadCatalog into a catalog to share; on failure `out` keeps the catalog it had, never a partial one.
bool LoadSharedCatalog(const std::string& fileName, CatalogRef& out, CatalogError& error,
                       void (*progress)(int recordsRead, void* user) = nullptr, void* user = nullptr);

// Same as LoadCatalog, on bytes already in memory (Windows-1252 text).
bool ParseCatalog(const std::string& bytes, Catalog& out, CatalogError& error,
                  void (*progress)(int recordsRead, void* user) = nullptr, void* user = nullptr);

std::string FormatCatalogError(const std::string& fileName, const CatalogError& error);

}  // namespace vantrel
