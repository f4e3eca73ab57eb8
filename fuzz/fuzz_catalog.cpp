// Any bytes given to the catalog reader: it must refuse or accept, never crash or hang.
#include "Exercise.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantrel::fuzz::ExerciseCatalog(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
