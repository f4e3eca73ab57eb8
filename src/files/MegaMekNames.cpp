#include "files/MegaMekNames.h"

#include "model/Design.h"

namespace vantrel {

namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        out.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

std::vector<std::string> SplitCommas(std::string_view text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        if (comma > start) out.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

// Names are compared as MegaMek's files spell them loosely: letters and digits only, in lower
// case, with the Clan prefix "Clan" read as "CL" ("Clan BA Small Laser" = "CLBASmallLaser").
std::string Key(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
    }
    if (out.rfind("clan", 0) == 0) out.replace(0, 4, "cl");
    return out;
}

}  // namespace

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

const MegaMekName* MegaMekNameTable::ForIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(rowOfIndex.size()) || rowOfIndex[index] < 0) return nullptr;
    return &rows[rowOfIndex[index]];
}

std::string MegaMekNameKey(std::string_view name) { return Key(name); }

std::vector<const MegaMekName*> MegaMekNameTable::ForName(std::string_view name) const {
    const std::string key = Key(name);
    std::vector<const MegaMekName*> primary, other;
    for (const MegaMekName& row : rows) {
        if (!row.nameKey.empty() && row.nameKey == key) {
            // A row with a note shares its name with an earlier one; the row without a note leads.
            if (row.note.empty())
                primary.insert(primary.begin(), &row);
            else
                primary.push_back(&row);
            continue;
        }
        for (const std::string& a : row.alsoKeys)
            if (a == key) other.push_back(&row);
    }
    primary.insert(primary.end(), other.begin(), other.end());
    return primary;
}

std::vector<const MegaMekName*> MegaMekNameTable::ForAmmo(std::string_view name) const {
    const std::string key = Key(name);
    std::vector<const MegaMekName*> out;
    for (const MegaMekName& row : rows)
        if (!row.ammoKey.empty() && row.ammoKey == key) out.push_back(&row);
    return out;
}

bool ParseMegaMekNames(std::string_view text, const Catalog& catalog, MegaMekNameTable& out,
                       std::string& error, int& line) {
    MegaMekNameTable table;
    table.rowOfIndex.assign(kCatalogSize, -1);
    line = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (raw.empty() || raw.front() == '#') continue;
        const std::vector<std::string_view> cols = SplitTabs(raw);
        if (cols.size() != 5) {
            error = "a row needs five tab-separated columns";
            return false;
        }
        MegaMekName row;
        row.entry = std::string(cols[0]);
        row.name = cols[1] == "-" ? std::string() : std::string(cols[1]);
        row.ammo = cols[2] == "-" ? std::string() : std::string(cols[2]);
        row.also = SplitCommas(cols[3]);
        row.note = std::string(cols[4]);
        row.nameKey = Key(row.name);
        row.ammoKey = Key(row.ammo);
        for (const std::string& a : row.also) row.alsoKeys.push_back(Key(a));
        row.index = FindIndex(catalog, row.entry);
        if (row.index < 0 || catalog[row.index].Name != row.entry) {
            error = "\"" + row.entry + "\" is no catalog entry";
            return false;
        }
        if (table.rowOfIndex[row.index] >= 0) {
            error = "\"" + row.entry + "\" is listed twice";
            return false;
        }
        table.rowOfIndex[row.index] = static_cast<int>(table.rows.size());
        table.rows.push_back(std::move(row));
    }
    out = std::move(table);
    line = 0;
    return true;
}

}  // namespace vantrel
