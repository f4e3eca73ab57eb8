#include "rules/Comparison.h"

#include "equipment/DesignCheck.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"

#include <algorithm>

namespace vantrel {

namespace {

class RowsBuilder {
public:
    explicit RowsBuilder(std::size_t columns) : columns_(columns) {}

    void Text(const std::string& label, const std::vector<std::string>& values) {
        ComparisonRow row;
        row.label = label;
        row.values = values;
        Add(std::move(row));
    }
    void Number(const std::string& label, const std::vector<int64_t>& numbers) {
        ComparisonRow row;
        row.label = label;
        row.numeric = true;
        row.numbers = numbers;
        for (int64_t n : numbers) row.values.push_back(std::to_string(n));
        Add(std::move(row));
    }
    // Carried in total, with how many of them are placed: "3 (2 placed)".
    void Carried(const std::string& label, const std::vector<int64_t>& owned,
                 const std::vector<int64_t>& placed) {
        ComparisonRow row;
        row.label = label;
        row.numeric = true;
        for (std::size_t i = 0; i < columns_; ++i) {
            row.numbers.push_back(owned[i] + placed[i]);
            row.values.push_back(std::to_string(owned[i] + placed[i]) + " (" + std::to_string(placed[i]) +
                                 " placed)");
        }
        Add(std::move(row));
    }
    std::vector<ComparisonRow> Take() { return std::move(rows_); }

private:
    void Add(ComparisonRow row) {
        row.differs = std::any_of(row.values.begin(), row.values.end(),
                                  [&](const std::string& v) { return v != row.values.front(); });
        rows_.push_back(std::move(row));
    }

    std::size_t columns_;
    std::vector<ComparisonRow> rows_;
};

}  // namespace

std::vector<ComparisonRow> CompareDesigns(const std::vector<const Context*>& designs) {
    RowsBuilder rows(designs.size());
    if (designs.empty()) return {};
    auto texts = [&](auto&& of) {
        std::vector<std::string> values;
        for (const Context* c : designs) values.push_back(of(*c));
        return values;
    };
    auto numbers = [&](auto&& of) {
        std::vector<int64_t> values;
        for (const Context* c : designs) values.push_back(static_cast<int64_t>(of(*c)));
        return values;
    };
    rows.Text("Name", texts([](const Context& c) { return c.design.MechName; }));
    rows.Text("Model", texts([](const Context& c) { return c.design.Model; }));
    rows.Text("Chassis",
              texts([](const Context& c) { return std::string(kChassisNames[c.design.IsQuad ? 1 : 0]); }));
    rows.Text("Weight Class",
              texts([](const Context& c) { return std::string(kWeightClassNames[c.design.WeightClass]); }));
    rows.Text("Technology Base",
              texts([](const Context& c) { return std::string(kTechBaseNames[c.design.TechBase]); }));
    rows.Text("Suit Systems",
              texts([](const Context& c) { return std::string(kSuitSystemNames[c.design.SuitSystems]); }));
    rows.Text("Turret", texts([](const Context& c) {
                  if (!c.design.IsQuad) return std::string("N/A");
                  return TurretCaption(c.design.TurretSize) + (c.design.TurretConfig ? ", configurable" : "");
              }));
    rows.Text("Enhanced Imaging",
              texts([](const Context& c) { return std::string(c.design.EnhancedImaging ? "Yes" : "No"); }));
    rows.Number("Ground MP", numbers([](const Context& c) { return c.design.GroundMP; }));
    rows.Number("Jump MP", numbers([](const Context& c) { return c.design.JumpMP; }));
    rows.Number("VTOL MP", numbers([](const Context& c) { return c.design.VTOLMP; }));
    rows.Number("UMU MP", numbers([](const Context& c) { return c.design.UMUMP; }));
    rows.Text("Armor Type", texts([](const Context& c) { return c.armorList.text; }));
    rows.Carried("Armor Points", numbers([](const Context& c) { return c.design.ArmorPoints; }),
                 numbers([](const Context& c) { return c.design.PlacedArmor; }));
    rows.Number("Armor Weight", numbers([](const Context& c) { return c.design.ArmorWeight; }));
    rows.Carried("Heat Sinks", numbers([](const Context& c) { return c.design.HeatSinks; }),
                 numbers([](const Context& c) { return c.design.PlacedHeatSinks; }));
    // The status figures with their status-line labels; the values are those the status line shows.
    std::vector<std::array<std::string, 7>> status;
    for (const Context* c : designs) status.push_back(StatusTexts(c->design));
    for (std::size_t i = 0; i < 7; ++i) {
        const std::string& first = status.front()[i];
        std::vector<int64_t> values;
        for (const auto& s : status) values.push_back(std::stoll(s[i].substr(s[i].find(": ") + 2)));
        rows.Number(first.substr(0, first.find(": ")), values);
    }
    std::vector<int64_t> errors;
    std::vector<int64_t> warnings;
    for (const Context* c : designs) {
        const std::vector<Finding> findings = CheckDesign(*c);
        errors.push_back(std::count_if(findings.begin(), findings.end(),
                                       [](const Finding& f) { return f.kind == Finding::Kind::Error; }));
        warnings.push_back(std::count_if(findings.begin(), findings.end(),
                                         [](const Finding& f) { return f.kind == Finding::Kind::Warning; }));
    }
    rows.Number("Errors", errors);
    rows.Number("Warnings", warnings);

    const Catalog& catalog = designs.front()->catalog;
    for (int ammo = 0; ammo < 2; ++ammo) {
        for (int i = 0; i < kCatalogSize; ++i) {
            std::vector<int64_t> owned;
            std::vector<int64_t> placed;
            bool carried = false;
            for (const Context* c : designs) {
                owned.push_back(ammo ? c->design.OwnedAmmo[i] : c->design.OwnedCount[i]);
                placed.push_back(ammo ? c->design.PlacedAmmo[i] : c->design.PlacedCount[i]);
                carried = carried || owned.back() != 0 || placed.back() != 0;
            }
            if (carried) rows.Carried(catalog[i].Name + (ammo ? kAmmoSuffix : ""), owned, placed);
        }
    }
    return rows.Take();
}

std::string ComparisonCell(const ComparisonRow& row, std::size_t column) {
    const std::string& value = row.values.at(column);
    if (!row.numeric || column == 0) return value;
    const int64_t difference = row.numbers[column] - row.numbers[0];
    if (difference == 0) return value;
    return value + " (" + (difference > 0 ? "+" : "") + std::to_string(difference) + ")";
}

}  // namespace vantrel
