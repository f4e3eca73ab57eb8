#include "rules/Comparison.h"

#include "equipment/DesignCheck.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"

#include <algorithm>

namespace vantrel {

namespace {

// Builds the rows, one value a design, each read from a design by a function.
class RowsBuilder {
public:
    explicit RowsBuilder(const std::vector<const Context*>& designs) : designs_(designs) {}

    template <typename Of>
    void Text(const std::string& label, Of of) {
        ComparisonRow row;
        row.label = label;
        row.values.reserve(designs_.size());
        for (const Context* c : designs_) row.values.push_back(of(*c));
        Add(std::move(row));
    }
    void Numbers(const std::string& label, const std::vector<int64_t>& numbers) {
        ComparisonRow row;
        row.label = label;
        row.numeric = true;
        row.numbers = numbers;
        row.values.reserve(numbers.size());
        for (int64_t n : numbers) row.values.push_back(std::to_string(n));
        Add(std::move(row));
    }
    template <typename Of>
    void Number(const std::string& label, Of of) {
        Numbers(label, Each(of));
    }
    // Carried in total, with how many of them are placed: "3 (2 placed)".
    template <typename Owned, typename Placed>
    void Carried(const std::string& label, Owned owned, Placed placed) {
        ComparisonRow row;
        row.label = label;
        row.numeric = true;
        row.numbers.reserve(designs_.size());
        row.values.reserve(designs_.size());
        for (const Context* c : designs_) {
            const int64_t inPlace = placed(*c);
            row.numbers.push_back(owned(*c) + inPlace);
            row.values.push_back(std::to_string(row.numbers.back()) + " (" + std::to_string(inPlace) +
                                 " placed)");
        }
        Add(std::move(row));
    }
    template <typename Of>
    std::vector<int64_t> Each(Of of) const {
        std::vector<int64_t> values;
        values.reserve(designs_.size());
        for (const Context* c : designs_) values.push_back(static_cast<int64_t>(of(*c)));
        return values;
    }
    std::vector<ComparisonRow> Take() { return std::move(rows_); }

private:
    void Add(ComparisonRow row) {
        row.differs = std::any_of(row.values.begin(), row.values.end(),
                                  [&](const std::string& v) { return v != row.values.front(); });
        rows_.push_back(std::move(row));
    }

    const std::vector<const Context*>& designs_;
    std::vector<ComparisonRow> rows_;
};

void ChoiceRows(RowsBuilder& rows) {
    rows.Text("Name", [](const Context& c) { return c.design.MechName; });
    rows.Text("Model", [](const Context& c) { return c.design.Model; });
    rows.Text("Chassis",
              [](const Context& c) { return std::string(kChassisNames[c.design.IsQuad ? 1 : 0]); });
    rows.Text("Weight Class",
              [](const Context& c) { return std::string(kWeightClassNames[c.design.WeightClass]); });
    rows.Text("Technology Base",
              [](const Context& c) { return std::string(kTechBaseNames[c.design.TechBase]); });
    rows.Text("Suit Systems",
              [](const Context& c) { return std::string(kSuitSystemNames[c.design.SuitSystems]); });
    rows.Text("Turret", [](const Context& c) {
        if (!c.design.IsQuad) return std::string("N/A");
        return TurretCaption(c.design.TurretSize) + (c.design.TurretConfig ? ", configurable" : "");
    });
    rows.Text("Enhanced Imaging",
              [](const Context& c) { return std::string(c.design.EnhancedImaging ? "Yes" : "No"); });
    rows.Number("Ground MP", [](const Context& c) { return c.design.GroundMP; });
    rows.Number("Jump MP", [](const Context& c) { return c.design.JumpMP; });
    rows.Number("VTOL MP", [](const Context& c) { return c.design.VTOLMP; });
    rows.Number("UMU MP", [](const Context& c) { return c.design.UMUMP; });
    rows.Text("Armor Type", [](const Context& c) { return c.armorList.text; });
    rows.Carried(
        "Armor Points", [](const Context& c) { return int64_t{c.design.ArmorPoints}; },
        [](const Context& c) { return int64_t{c.design.PlacedArmor}; });
    rows.Number("Armor Weight", [](const Context& c) { return c.design.ArmorWeight; });
    rows.Carried(
        "Heat Sinks", [](const Context& c) { return int64_t{c.design.HeatSinks}; },
        [](const Context& c) { return int64_t{c.design.PlacedHeatSinks}; });
}

// The status figures under their status-line labels, with the values the status line shows; then the
// check's counts.
void FigureRows(RowsBuilder& rows) {
    for (std::size_t i = 0; i < 7; ++i) {
        const auto value = [i](const Context& c) {
            const std::string text = StatusTexts(c.design)[i];
            return std::stoll(text.substr(text.find(": ") + 2));
        };
        const std::string label = StatusTexts(Design{})[i];
        rows.Number(label.substr(0, label.find(": ")), value);
    }
    const auto count = [](Finding::Kind kind) {
        return [kind](const Context& c) {
            const std::vector<Finding> findings = CheckDesign(c);
            return std::count_if(findings.begin(), findings.end(),
                                 [kind](const Finding& f) { return f.kind == kind; });
        };
    };
    rows.Number("Errors", count(Finding::Kind::Error));
    rows.Number("Warnings", count(Finding::Kind::Warning));
}

// Every item, then every ammunition, that any of the designs carries, in catalog order.
void CarriedRows(RowsBuilder& rows, const Catalog& catalog) {
    for (const bool ammo : {false, true}) {
        for (int i = 0; i < kCatalogSize; ++i) {
            const auto owned = [ammo, i](const Context& c) {
                return int64_t{ammo ? c.design.OwnedAmmo[i] : c.design.OwnedCount[i]};
            };
            const auto placed = [ammo, i](const Context& c) {
                return int64_t{ammo ? c.design.PlacedAmmo[i] : c.design.PlacedCount[i]};
            };
            const std::vector<int64_t> owning =
                rows.Each([&](const Context& c) { return owned(c) + placed(c); });
            const bool carried = std::any_of(owning.begin(), owning.end(), [](int64_t n) { return n != 0; });
            if (carried) rows.Carried(catalog[i].Name + (ammo ? kAmmoSuffix : ""), owned, placed);
        }
    }
}

}  // namespace

std::vector<ComparisonRow> CompareDesigns(const std::vector<const Context*>& designs) {
    if (designs.empty()) return {};
    RowsBuilder rows(designs);
    ChoiceRows(rows);
    FigureRows(rows);
    CarriedRows(rows, designs.front()->catalog);
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
