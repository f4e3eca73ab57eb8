#pragma once

#include <string>

namespace vantrel {

// Technology marks lead an item's name: "(C" Clan only, "(I" Inner Sphere only; Mixed takes both.
// The equipment list, the design check, the finder and the loadout search all ask this one rule.
bool OfferedByTechBase(const std::string& itemName, int techBase);

}  // namespace vantrel
