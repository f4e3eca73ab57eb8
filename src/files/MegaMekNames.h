#pragma once

#include "model/Catalog.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One row of the table that names the catalog's entries in MegaMek's unit files
// (data/megamek-names.tsv, built into the program).
struct MegaMekName {
    std::string entry;              // the catalog name
    std::string name;               // MegaMek's internal name; empty when it has no equivalent
    std::string ammo;               // its ammunition's name; empty when none or without an equivalent
    std::vector<std::string> also;  // other names read as this entry
    std::string note;
    int index = -1;  // catalog index
    // The names in the form they are compared in (MegaMekNameKey).
    std::string nameKey, ammoKey;
    std::vector<std::string> alsoKeys;
};

struct MegaMekNameTable {
    std::vector<MegaMekName> rows;  // in file order
    std::vector<int> rowOfIndex;    // catalog index -> row, -1 when the table has no row for it

    const MegaMekName* ForIndex(int index) const;
    // The rows whose name or other names match `name` (compared by MegaMekNameKey), first the
    // one that names it primarily; empty when none does.
    std::vector<const MegaMekName*> ForName(std::string_view name) const;
    // The rows whose ammunition matches `name`.
    std::vector<const MegaMekName*> ForAmmo(std::string_view name) const;
};

// The table's text as built into the program.
std::string_view MegaMekNamesText();

// Reads the table against the catalog. A row naming no catalog entry, a row without its five
// columns or an entry listed twice is an error (`line` is its 1-based line).
bool ParseMegaMekNames(std::string_view text, const Catalog& catalog, MegaMekNameTable& out,
                       std::string& error, int& line);

// The form names are compared in: letters and digits in lower case, "Clan" read as "CL".
std::string MegaMekNameKey(std::string_view name);

// ASCII lower case, for the file's case-insensitive names and tags.
std::string LowerAscii(std::string_view text);

}  // namespace vantrel
