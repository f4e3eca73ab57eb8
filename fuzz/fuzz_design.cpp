// Any bytes given to the design-file reader; whatever it accepts must then survive the calculation,
// the readout, the slot drawing and the clearing routines.
#include "Exercise.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantrel::fuzz::ExerciseDesign(vantrel::fuzz::ShippedCatalog(),
                                  std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
