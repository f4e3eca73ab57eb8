#include "model/Catalog.h"

#include "model/RegularFile.h"
#include "model/ValueReader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vantrel {

namespace {

const char* const kFieldNames[kValuesPerItem] = {
    "Name",  "Damage", "Weight", "CSlots",   "Heat",  "BV",    "Price",     "MinRange",
    "Short", "Medium", "Long",   "Category", "Extra", "Shots", "AmmoPrice", "AmmoWeight",
};

bool ReadField(ValueReader& r, CatalogItem& item, int field) {
    using S = ValueReader::Status;
    S s = S::Ok;
    switch (field) {
        case 0: s = r.ReadText(item.Name); break;
        case 1: s = r.ReadText(item.Damage); break;
        case 2: s = r.ReadInt(item.Weight); break;
        case 3: s = r.ReadInt(item.CSlots); break;
        case 4: s = r.ReadInt(item.Heat); break;
        case 5: s = r.ReadDouble(item.BV); break;
        case 6: s = r.ReadInt(item.Price); break;
        case 7: s = r.ReadInt(item.MinRange); break;
        case 8: s = r.ReadText(item.Short); break;
        case 9: s = r.ReadText(item.Medium); break;
        case 10: s = r.ReadText(item.Long); break;
        case 11: s = r.ReadInt(item.Category); break;
        case 12: s = r.ReadText(item.Extra); break;
        case 13: s = r.ReadInt(item.Shots); break;
        case 14: s = r.ReadInt(item.AmmoPrice); break;
        case 15: s = r.ReadInt(item.AmmoWeight); break;
    }
    return s == S::Ok;
}

}  // namespace

bool ParseCatalog(const std::string& bytes, Catalog& out, CatalogError& error,
                  void (*progress)(int recordsRead, void* user), void* user) {
    ValueReader r(bytes);
    for (int rec = 0; rec < kCatalogSize; ++rec) {
        CatalogItem& item = out[rec];
        for (int f = 0; f < kValuesPerItem; ++f) {
            if (!ReadField(r, item, f)) {
                error = {rec + 1, f + 1, std::string(kFieldNames[f]) + ": " + r.problem()};
                return false;
            }
        }
        // Category chooses the filter option and the turret rule; other values would be listed nowhere.
        if (item.Category < 0 || item.Category > 4) {
            error = {rec + 1, 12, "Category: " + std::to_string(item.Category) + " is not 0 to 4"};
            return false;
        }
        if (progress) progress(rec + 1, user);
    }
    return true;
}

bool LoadCatalog(const std::string& fileName, Catalog& out, CatalogError& error,
                 void (*progress)(int recordsRead, void* user), void* user) {
    if (IsNonRegularFile(fileName)) {
        error = {0, 0, kNotRegularFile};
        return false;
    }
    errno = 0;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        error = {0, 0, std::string("the file cannot be opened: ") + std::strerror(errno)};
        return false;
    }
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        in.setstate(std::ios::badbit);
    }
    if (in.bad()) {
        error = {0, 0, std::string("the file cannot be read: ") + std::strerror(errno)};
        return false;
    }
    return ParseCatalog(bytes, out, error, progress, user);
}

bool LoadSharedCatalog(const std::string& fileName, CatalogRef& out, CatalogError& error,
                       void (*progress)(int recordsRead, void* user), void* user) {
    auto loaded = std::make_shared<Catalog>();
    if (!LoadCatalog(fileName, *loaded, error, progress, user)) return false;
    out = CatalogRef(std::move(loaded));
    return true;
}

std::string FormatCatalogError(const std::string& fileName, const CatalogError& error) {
    if (error.record == 0)
        return "Cannot read the equipment catalog " + fileName + ": " + error.message + ".";
    return "Cannot read the equipment catalog " + fileName + ": record " + std::to_string(error.record) +
           ", field " + std::to_string(error.field) + " (" + error.message + ").";
}

}  // namespace vantrel
