// Any bytes given to the MegaMek unit-file reader; whatever it accepts is written and read again.
#include "Exercise.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantrel::fuzz::ExerciseBlk(vantrel::fuzz::ShippedCatalog(),
                               std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
