// Any bytes given to the MegaMek unit-file reader; whatever it accepts is written and read again.
#include "Exercise.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
const vantrel::Catalog& TheCatalog() {
    static const vantrel::Catalog catalog = [] {
        vantrel::Catalog c;
        vantrel::CatalogError e;
        if (!vantrel::LoadCatalog(VANTREL_CATALOG_PATH, c, e)) std::abort();
        return c;
    }();
    return catalog;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantrel::fuzz::ExerciseBlk(TheCatalog(), std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
