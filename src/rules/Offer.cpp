#include "rules/Offer.h"

namespace vantrel {

bool OfferedByTechBase(const std::string& itemName, int techBase) {
    if (techBase == 0 && itemName.rfind("(C", 0) == 0) return false;
    if (techBase == 1 && itemName.rfind("(I", 0) == 0) return false;
    return true;
}

}  // namespace vantrel
