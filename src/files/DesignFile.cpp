#include "files/DesignFile.h"

#include "files/AtomicFile.h"
#include "model/RegularFile.h"
#include "model/ValueReader.h"
#include "rules/Tables.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vantrel {

const char* const kOverweightWarning = "Warning: Your Battle Armor is overweight and will not function.";
const char* const kHeatWarning = "Warning: Your Battle Armor generates too much heat and will not function.";

const char* SaveWarning(const Design& design) {
    if (design.FreeKg < 0) return kOverweightWarning;
    if (design.MaxHeat > design.HeatDissipation) return kHeatWarning;
    return nullptr;
}

namespace {

// What a number record may hold.
struct Check {
    enum Kind { Any, Range, Span, ArmorType } kind = Any;
    int32_t lo = 0;
    int32_t hi = 0;
    int slotsLeft = 0;  // Span: slots of the location from this slot on, this one included
};
Check Any() { return {}; }
Check Range(int32_t lo, int32_t hi) { return {Check::Range, lo, hi, 0}; }
Check Count() { return Range(0, kMaxCount); }
Check Movement() { return Range(0, kMaxMovementPoints); }
Check SlotCode() { return Range(kSlotArmorSystem, kSlotAmmoLast); }
// The stored heat totals size the heat sink slider (MaxHeat + 5) before anything recomputes them; a
// bound far above any real design keeps that arithmetic from overflowing.
constexpr int32_t kMaxStoredHeat = 1000000000;
Check Heat() { return Range(-kMaxStoredHeat, kMaxStoredHeat); }
Check SpanAt(int slot, int count) { return {Check::Span, 0, 0, count - slot}; }

std::string Indexed(const char* name, int index) {
    return std::string(name) + "[" + std::to_string(index) + "]";
}

// Every record of the file, in file order. Reading and writing both walk this one list, so they
// cannot drift apart. `D` is Design or const Design; the visitor sees each record as Text, Int or Flag.
template <typename D, typename V>
void ForEachRecord(D& d, V& v) {
    v.Text(d.MechName, "MechName");
    v.Text(d.Model, "Model");
    v.Int(d.WeightClass, "WeightClass", Range(0, kWeightClassCount - 1));
    v.Int(d.TechBase, "TechBase", Range(0, kTechBaseCount - 1));
    v.Flag(d.IsQuad, "IsQuad");
    v.Int(d.TurretSize, "TurretSize", Range(0, kTurretSlotCount));
    v.Flag(d.TurretConfig, "TurretConfig");
    v.Int(d.SuitSystems, "SuitSystems", Range(0, 2));
    v.Int(d.HeatSinks, "HeatSinks", Count());
    v.Int(d.GroundMP, "GroundMP", Movement());
    v.Int(d.JumpMP, "JumpMP", Movement());
    v.Int(d.VTOLMP, "VTOLMP", Movement());
    v.Int(d.UMUMP, "UMUMP", Movement());
    v.Int(d.ArmorType, "ArmorType", Check{Check::ArmorType});
    v.Int(d.ArmorPoints, "ArmorPoints", Count());
    v.Int(d.ArmorWeight, "ArmorWeight", Range(0, kMaxArmorWeight));
    v.Int(d.ArmorSlots, "ArmorSlots", Count());
    for (int i = 0; i < kCatalogSize; ++i) {
        v.Int(d.OwnedCount[i], Indexed("OwnedCount", i), Count());
        v.Int(d.OwnedAmmo[i], Indexed("OwnedAmmo", i), Count());
    }
    v.Text(d.History, "History");
    v.Int(d.CurrentKg, "CurrentKg", Any());
    v.Int(d.FreeKg, "FreeKg", Any());
    v.Int(d.MaxHeat, "MaxHeat", Heat());
    v.Int(d.HeatDissipation, "HeatDissipation", Heat());
    v.Int(d.UsedCSlots, "UsedCSlots", Any());
    v.Int(d.FreeCSlots, "FreeCSlots", Any());
    v.Int(d.EstimatedBV, "EstimatedBV", Any());
    v.Int(d.Cost, "Cost", Any());
    auto slots = [&v](auto& codes, auto& spans, const char* codeName, const char* spanName) {
        const int n = static_cast<int>(codes.size());
        for (int s = 0; s < n; ++s) {
            v.Int(codes[s], Indexed(codeName, s), SlotCode());
            v.Int(spans[s], Indexed(spanName, s), SpanAt(s, n));
        }
    };
    slots(d.BodySlots, d.BodySpan, "BodySlots", "BodySpan");
    slots(d.RightArmSlots, d.RightArmSpan, "RightArmSlots", "RightArmSpan");
    slots(d.LeftArmSlots, d.LeftArmSpan, "LeftArmSlots", "LeftArmSpan");
    slots(d.QuadSlots, d.QuadSpan, "QuadSlots", "QuadSpan");
    slots(d.TurretSlots, d.TurretSpan, "TurretSlots", "TurretSpan");
    v.Int(d.PlacedHeatSinks, "PlacedHeatSinks", Count());
    v.Int(d.Spare1, "Spare1", Any());
    v.Int(d.Spare2, "Spare2", Any());
    v.Int(d.Spare3, "Spare3", Any());
    v.Int(d.Spare4, "Spare4", Any());
    v.Int(d.PlacedArmor, "PlacedArmor", Count());
    v.Int(d.PlacedArmorSlots, "PlacedArmorSlots", Count());
    for (int i = 0; i < kCatalogSize; ++i) {
        v.Int(d.PlacedCount[i], Indexed("PlacedCount", i), Count());
        v.Int(d.PlacedAmmo[i], Indexed("PlacedAmmo", i), Count());
    }
    v.Flag(d.EnhancedImaging, "EnhancedImaging");
}

struct Writer {
    ValueWriter out;
    void Text(const std::string& s, const std::string&) { out.Text(s); }
    void Int(int32_t n, const std::string&, Check) { out.Int(n); }
    // A total beyond the record's 32 bits is kept at its bound; reading works it out again.
    void Int(int64_t n, const std::string&, Check) {
        out.Int(static_cast<int32_t>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX)));
    }
    void Flag(bool f, const std::string&) { out.Flag(f); }
};

// Reads record after record; after the first failure it reads nothing more.
struct Reader {
    explicit Reader(const std::string& bytes, const Design& d) : in(bytes), design(d) {}
    ValueReader in;
    const Design& design;  // the design being filled, for checks that depend on earlier records
    int record = 0;        // records handled so far
    bool failed = false;
    std::string error;

    bool Start() {
        if (failed) return false;
        ++record;
        return true;
    }
    void Fail(const std::string& name, const std::string& problem) {
        failed = true;
        error = name + ": " + problem;
    }
    bool Done(ValueReader::Status s, const std::string& name) {
        if (s == ValueReader::Status::Ok) return true;
        Fail(name, in.problem());
        return false;
    }
    void Text(std::string& s, const std::string& name) {
        if (Start()) Done(in.ReadText(s), name);
    }
    void Flag(bool& f, const std::string& name) {
        if (Start()) Done(in.ReadFlag(f), name);
    }
    void Int(int64_t& n, const std::string& name, Check check) {
        int32_t stored = 0;
        Int(stored, name, check);
        n = stored;
    }
    void Int(int32_t& n, const std::string& name, Check check) {
        if (!Start() || !Done(in.ReadInt(n), name)) return;
        const std::string value = std::to_string(n);
        switch (check.kind) {
            case Check::Any: break;
            case Check::Range:
                if (n < check.lo || n > check.hi)
                    Fail(name, value + " is outside " + std::to_string(check.lo) + " to " +
                                   std::to_string(check.hi));
                break;
            case Check::Span:
                if (n != kSpanFollow && n != kSpanNone && (n < 1 || n > check.slotsLeft))
                    Fail(name, value + " is not -2, -1 or a span of 1 to " + std::to_string(check.slotsLeft) +
                                   (check.slotsLeft == 1 ? " slot" : " slots"));
                break;
            case Check::ArmorType: {
                // An index past the armor list of the tech base would select nothing there.
                const int offered = static_cast<int>(ArmorTypesOffered(design.TechBase).size());
                if (n < 0 || n >= offered)
                    Fail(name, value + " is outside the " + std::to_string(offered) +
                                   " armor types of tech base " + std::to_string(design.TechBase));
                break;
            }
        }
    }
};

// A design file is a few kilobytes; anything far larger is not one, and is not read into memory.
constexpr long kMaxFileBytes = 64L * 1024 * 1024;

}  // namespace

std::string DesignFileBytes(const Design& design) {
    Writer w;
    ForEachRecord(design, w);
    return w.out.bytes();
}

bool DoSaveAs(const Design& design, const std::string& fileName, std::string& error) {
    return WriteFileAtomically(fileName, DesignFileBytes(design), error);
}

bool ParseDesignFile(const std::string& bytes, Design& out, std::string& error, int& badRecord) {
    Design fresh;
    NewDesign(fresh);
    Reader r(bytes, fresh);
    ForEachRecord(fresh, r);
    if (r.failed) {
        badRecord = r.record;
        error = r.error;
        return false;
    }
    out = std::move(fresh);
    badRecord = 0;
    error.clear();
    return true;
}

bool DoOpen(const std::string& fileName, Design& out, std::string& error, int& badRecord) {
    badRecord = 0;
    std::string bytes;
    if (!ReadFileBytes(fileName, kMaxFileBytes, bytes, error)) return false;
    if (static_cast<long>(bytes.size()) > kMaxFileBytes) {
        error = "the file is far too large to be a design file";
        return false;
    }
    return ParseDesignFile(bytes, out, error, badRecord);
}

std::string FormatOpenError(const std::string& fileName, int badRecord, const std::string& error) {
    std::string text = "Cannot open the design file " + fileName + ": ";
    if (badRecord > 0) text += "record " + std::to_string(badRecord) + ", ";
    return text + error + ".";
}

}  // namespace vantrel
