#include "sheet/RecordSheet.h"

#include "equipment/SlotView.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace vantrel {

const char* const kUnequipped = "Unequipped";

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::optional<Paper> PaperNamed(std::string_view name) {
    for (Paper paper : {Paper::A4, Paper::Letter})
        if (SameLetters(name, PaperName(paper))) return paper;
    return std::nullopt;
}

const char* PaperName(Paper paper) { return paper == Paper::Letter ? "Letter" : "A4"; }

namespace {

const char* const kNone = "-";

struct Place {
    int location;
    const char* name;
    int count;
};

std::vector<Place> Places(const Design& d) {
    if (d.IsQuad) {
        return {
            {kQuadBody, LocationName(kQuadBody), kQuadSlotCount      },
            {kTurret,   LocationName(kTurret),   TurretUsableSlots(d)}
        };
    }
    return {
        {kBody,     LocationName(kBody),     kBodySlotCount},
        {kRightArm, LocationName(kRightArm), kArmSlotCount },
        {kLeftArm,  LocationName(kLeftArm),  kArmSlotCount }
    };
}

std::string OrNone(const std::string& text) { return text == "-1" ? std::string(kNone) : text; }
std::string OrNone(int value) { return value < 0 ? std::string(kNone) : std::to_string(value); }

SheetItem Line(const Catalog& catalog, int code, const std::string& caption, const std::string& location) {
    SheetItem row;
    row.name = caption;
    row.location = location;
    row.damage = row.minRange = row.shortRange = row.mediumRange = row.longRange = row.heat = kNone;
    if (code >= kSlotItemBase && code < kSlotAmmoBase) {
        const CatalogItem& item = catalog[code - kSlotItemBase];
        row.damage = OrNone(item.Damage);
        row.minRange = OrNone(item.MinRange);
        row.shortRange = OrNone(item.Short);
        row.mediumRange = OrNone(item.Medium);
        row.longRange = OrNone(item.Long);
        row.heat = OrNone(item.Heat);
    } else if (code >= kSlotAmmoBase && code <= kSlotAmmoLast) {
        row.shots = OrNone(catalog[code - kSlotAmmoBase].Shots);
    }
    return row;
}

bool Listed(int code) {
    return code == kSlotHeatSink || code == kSlotArmorSystem ||
           (code >= kSlotItemBase && code <= kSlotAmmoLast);
}

// Whether slot `s` of a location starts an entry the sheet counts there. The space adaptation and
// clamps lie in several locations as one unit (span -1 on each piece); a unit is counted where its
// first piece is.
bool CountedHere(const ConstSlotArrays& a, int s, int location, std::map<int, int>& linkedAt) {
    const int code = a.codes[s];
    if (!Listed(code)) return false;
    const bool item = code >= kSlotItemBase && code < kSlotAmmoBase;
    if (!item) return true;
    if (a.spans[s] == kSpanFollow) return false;
    if (a.spans[s] != kSpanNone) return true;
    const auto [at, first] = linkedAt.emplace(code, location);
    return first || at->second == location;
}

// Placed contents, location by location, each entry in the order its first slot comes.
void PlacedItems(const Context& ctx, std::vector<SheetItem>& out) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    std::map<int, int> linkedAt;  // item code -> location of its first piece
    for (const Place& place : Places(d)) {
        const ConstSlotArrays a = Slots(d, place.location);
        std::vector<std::pair<int, int>> here;  // code, count, in order of first slot
        for (int s = 0; s < place.count && s < a.count; ++s) {
            if (!CountedHere(a, s, place.location, linkedAt)) continue;
            const int code = a.codes[s];
            const auto known =
                std::find_if(here.begin(), here.end(), [code](const auto& e) { return e.first == code; });
            if (known != here.end())
                ++known->second;
            else
                here.emplace_back(code, 1);
        }
        for (const auto& [code, n] : here) {
            out.push_back(Line(catalog, code, SlotCaption(ctx, code), place.name));
            out.back().count = n;
        }
    }
}

void UnequippedItems(const Context& ctx, std::vector<SheetItem>& out) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    auto add = [&](int code, int count) {
        if (count <= 0) return;
        out.push_back(Line(catalog, code, SlotCaption(ctx, code), kUnequipped));
        out.back().count = count;
    };
    add(kSlotHeatSink, d.HeatSinks);
    add(kSlotArmorSystem, d.ArmorSlots);
    for (int i = 0; i < kCatalogSize; ++i) {
        add(kSlotItemBase + i, d.OwnedCount[i]);
        add(kSlotAmmoBase + i, d.OwnedAmmo[i]);
    }
}

}  // namespace

int DefaultTroopers(const Design& design) { return design.TechBase == 0 ? 4 : 5; }

RecordSheet BuildRecordSheet(const Context& ctx, int troopers) {
    const Design& d = ctx.design;
    RecordSheet sheet;
    sheet.name = d.MechName;
    sheet.model = d.Model;
    sheet.chassisLine = ChassisLine(d);
    // The readout keeps its own word; the sheet says what the window's chassis list says.
    if (const std::string readoutWord = "Chassis: Bipedal "; sheet.chassisLine.starts_with(readoutWord))
        sheet.chassisLine = "Chassis: Humanoid " + sheet.chassisLine.substr(readoutWord.size());
    sheet.techBaseLine = TechBaseLine(d);
    sheet.techLevelLine = d.TechBase == 2 ? "Technology Level: 3" : "Technology Level: 2";
    for (const MovementLine& line : MovementLines(d))
        sheet.movement.push_back({line.label, line.points, line.caption});

    sheet.armorType = ctx.armorList.text;
    const int64_t points = static_cast<int64_t>(d.ArmorPoints) + d.PlacedArmor;
    sheet.armorPoints = static_cast<int>(points);
    sheet.armorWeight = d.ArmorWeight;
    if (troopers < kMinTroopers || troopers > kMaxTroopers) troopers = DefaultTroopers(d);
    sheet.pips.assign(troopers, static_cast<int>(points < 0 ? 1 : points + 1));

    PlacedItems(ctx, sheet.items);
    UnequippedItems(ctx, sheet.items);

    sheet.isQuad = d.IsQuad;
    for (const Place& place : Places(d)) {
        SheetLocation location{place.name, {}};
        const ConstSlotArrays a = Slots(d, place.location);
        for (int s = 0; s < place.count && s < a.count; ++s)
            location.captions.push_back(SlotCaption(ctx, a.codes[s]));
        sheet.locations.push_back(std::move(location));
    }

    for (const std::string& text : StatusTexts(d)) sheet.totals.push_back(text);
    sheet.totals.push_back("Max Kg: " + std::to_string(static_cast<int64_t>(d.CurrentKg) + d.FreeKg));
    if (const char* warning = SaveWarning(d)) sheet.warning = warning;
    sheet.history = d.History;
    return sheet;
}

}  // namespace vantrel
