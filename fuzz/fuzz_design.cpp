// Any bytes given to the design-file reader; whatever it accepts must then survive the calculation,
// the readout, the slot drawing and the clearing routines.
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
    vantrel::fuzz::ExerciseDesign(TheCatalog(), std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
