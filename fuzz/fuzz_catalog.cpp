// Any bytes given to the catalog reader: it must refuse or accept, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Catalog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vantrel::Catalog catalog;
    vantrel::CatalogError error;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!vantrel::ParseCatalog(bytes, catalog, error)) (void)vantrel::FormatCatalogError("fuzz.plb", error);
    return 0;
}
