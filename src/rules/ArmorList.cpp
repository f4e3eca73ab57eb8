#include "rules/ArmorList.h"

#include "rules/Tables.h"

namespace vantrel {

void RebuildArmorList(ArmorList& list, int techBase) {
    list.entries.clear();
    for (int master : ArmorTypesOffered(techBase)) list.entries.emplace_back(AllOrig[master]);
    list.text.clear();
}

void SelectArmorEntry(ArmorList& list, int index) {
    const bool inside = index >= 0 && index < static_cast<int>(list.entries.size());
    list.text = inside ? list.entries[static_cast<size_t>(index)] : std::string();
}

ArmorList ArmorListFor(const Design& d) {
    ArmorList list;
    RebuildArmorList(list, d.TechBase);
    SelectArmorEntry(list, d.ArmorType);
    return list;
}

}  // namespace vantrel
