#include "files/BlkFile.h"

#include "equipment/AutoPlace.h"
#include "equipment/Clearing.h"
#include "equipment/Placement.h"
#include "equipment/SlotView.h"
#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "model/RegularFile.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

namespace vantrel {

namespace {

// ---------------------------------------------------------------------------------------------
// Shared facts of the format

// MegaMek's armor type codes for Battle Armor, by the master position of our armor names.
constexpr int kArmorCodes[kArmorTypeCount] = {28, 30, 29, 31, 34, 32, 33, 35, 36};
constexpr int kReflectiveArmorCode = 37;
constexpr int kReactiveArmorCode = 38;

constexpr const char* kComment = "#vantrel ";
constexpr int kMaxEquipmentLines = 1000;
constexpr int kMaxShots = 10000;

// Location words of the slot hints, by location number.
constexpr const char* kLocationWords[kLocationCount] = {"Body", "LeftArm", "RightArm", "Quad", "Turret"};
constexpr int kSlotCounts[kLocationCount] = {kBodySlotCount, kArmSlotCount, kArmSlotCount, kQuadSlotCount,
                                             kTurretSlotCount};

std::vector<int> ChassisLocations(const Design& d) { return PlaceOrder(d); }

// The mount suffix MegaMek gives a location of the suit.
const char* MountOf(int location) {
    switch (location) {
        case kBody:
        case kQuadBody: return "Body";
        case kLeftArm: return "LA";
        case kRightArm: return "RA";
        case kTurret: return "TU";
        default: return nullptr;
    }
}

// A value of one line; one that would read as a tag has its brackets turned round ones.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    if (first != std::string::npos && text[first] == '<' && text[last] == '>') {
        text[first] = '(';
        text[last] = ')';
    }
    return text;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Writing

class Writer {
public:
    void Block(const std::string& tag, const std::vector<std::string>& lines) {
        out_ += "<" + tag + ">\n";
        for (const std::string& l : lines) out_ += l + "\n";
        out_ += "</" + tag + ">\n\n";
    }
    void Block(const std::string& tag, const std::string& value) {
        Block(tag, std::vector<std::string>{value});
    }
    void Comment(const std::string& text) { out_ += kComment + text + "\n"; }
    void Raw(const std::string& text) { out_ += text; }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

std::string TypeTag(int techBase) {
    if (techBase == 1) return "Clan Level 2";
    if (techBase == 2) return "Mixed (IS Chassis)";
    return "IS Level 2";
}

// The first slot of every placed unit of item `code`, location by location in placing order.
std::vector<int> UnitMounts(const Design& d, int code, bool spans) {
    std::vector<int> mounts;
    for (int location : ChassisLocations(d)) {
        const ConstSlotArrays a = Slots(d, location);
        const int usable = std::min(a.count, UsableSlots(d, location));
        for (int i = 0; i < usable; ++i)
            if (a.codes[i] == code && (!spans || a.spans[i] != kSpanFollow)) mounts.push_back(location);
    }
    return mounts;
}

struct EquipmentLines {
    std::vector<std::string> block;     // lines MegaMek reads
    std::vector<std::string> comments;  // "#vantrel" lines
};

// The lines of `count` units of one entry: `mounts` gives the location of the first ones, the rest
// are owned and go without a mount.
void AddUnits(EquipmentLines& out, const std::string& megaMekName, const std::string& entry, bool shared,
              const std::vector<int>& mounts, int placed, int owned) {
    for (int u = 0; u < placed + owned; ++u) {
        const char* mount = u < placed && u < static_cast<int>(mounts.size()) ? MountOf(mounts[u]) : nullptr;
        if (megaMekName.empty()) {
            out.comments.push_back(std::string("item ") + (mount ? mount : "-") + "\t" + entry);
            continue;
        }
        std::string line = megaMekName;
        if (megaMekName.rfind("Infantry", 0) == 0) line += ":APM";
        if (mount) line += std::string(":") + mount;
        out.block.push_back(line);
        if (shared)
            out.comments.push_back(std::string("means ").append(megaMekName).append("\t").append(entry));
    }
}

// The ammunition of one entry: MegaMek keeps the loads of one location in one line, counted in shots.
void AddAmmoRuns(EquipmentLines& out, const std::string& ammoName, const std::string& entry, bool shared,
                 const std::vector<int>& mounts, int placedLoads, int ownedLoads, int shotsPerLoad) {
    std::vector<std::pair<int, int>> runs;  // location (-1 = owned), loads
    const int placed = std::min<int>(placedLoads, static_cast<int>(mounts.size()));
    for (int u = 0; u < placed; ++u) {
        if (runs.empty() || runs.back().first != mounts[u]) runs.push_back({mounts[u], 0});
        ++runs.back().second;
    }
    const int owned = ownedLoads + placedLoads - placed;
    if (owned > 0) runs.push_back({-1, owned});
    for (const auto& [location, loads] : runs) {
        std::string line = ammoName;
        if (location >= 0) line += std::string(":") + MountOf(location);
        line += ":Shots" + std::to_string(loads * shotsPerLoad) + "#";
        out.block.push_back(line);
        if (shared) out.comments.push_back(std::string("means ").append(ammoName).append("\t").append(entry));
    }
}

// MegaMek gives an anti-personnel weapon to the mount listed just before it.
std::vector<std::string> WithAntiPersonnelAfterMounts(const std::vector<std::string>& block) {
    std::vector<std::string> weapons, ordered;
    for (const std::string& l : block)
        if (l.find(":APM") != std::string::npos) weapons.push_back(l);
    size_t next = 0;
    for (const std::string& l : block) {
        if (l.find(":APM") != std::string::npos) continue;
        ordered.push_back(l);
        if (l.rfind("BAAPMount", 0) == 0 && next < weapons.size()) ordered.push_back(weapons[next++]);
    }
    ordered.insert(ordered.end(), weapons.begin() + static_cast<long>(next), weapons.end());
    return ordered;
}

EquipmentLines Equipment(const Context& ctx, const MegaMekNameTable& names) {
    EquipmentLines out;
    const Design& d = ctx.design;
    for (int idx = 0; idx < kCatalogSize; ++idx) {
        const CatalogItem& item = ctx.catalog[idx];
        const MegaMekName* row = names.ForIndex(idx);
        const std::string itemName = row ? row->name : std::string();
        const std::string ammoName = row ? row->ammo : std::string();
        if (d.PlacedCount[idx] > 0 || d.OwnedCount[idx] > 0) {
            const bool shared = !itemName.empty() && names.ForName(itemName).size() > 1;
            AddUnits(out, itemName, item.Name, shared, UnitMounts(d, kSlotItemBase + idx, true),
                     d.PlacedCount[idx], d.OwnedCount[idx]);
        }
        if (d.PlacedAmmo[idx] > 0 || d.OwnedAmmo[idx] > 0) {
            const std::string entry = item.Name + kAmmoSuffix;
            const std::vector<int> mounts = UnitMounts(d, kSlotAmmoBase + idx, false);
            if (ammoName.empty()) {
                AddUnits(out, ammoName, entry, false, mounts, d.PlacedAmmo[idx], d.OwnedAmmo[idx]);
                continue;
            }
            const bool shared = names.ForAmmo(ammoName).size() > 1;
            AddAmmoRuns(out, ammoName, entry, shared, mounts, d.PlacedAmmo[idx], d.OwnedAmmo[idx],
                        item.Shots);
        }
    }
    out.block = WithAntiPersonnelAfterMounts(out.block);
    return out;
}

std::string SlotHint(const Design& d, int location) {
    const ConstSlotArrays a = Slots(d, location);
    std::string text = std::string("slots ") + kLocationWords[location] + " ";
    for (int i = 0; i < a.count; ++i) text += (i ? "," : "") + std::to_string(a.codes[i]);
    return text;
}

// ---------------------------------------------------------------------------------------------
// Reading: the building blocks

struct Line {
    int number = 0;
    std::string text;
};

struct Block {
    int openLine = 0;
    std::vector<Line> lines;
};

struct Blocks {
    std::map<std::string, Block> byTag;  // lower-case tag -> its first block
    std::vector<Line> comments;          // "#vantrel" lines, prefix removed
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool Refuse(BlkRefusal& refusal, int line, std::string problem) {
    refusal.line = line;
    refusal.problem = std::move(problem);
    return false;
}

// The block being read: its tag as written and in lower case, and its lines.
struct OpenBlock {
    std::string tag;
    std::string name;
    Block block;
};

// A closing tag `text` on line `number` hands the open block to `out`; false with the refusal when it
// closes no block or another one.
bool CloseBlock(std::string_view text, int number, OpenBlock& open, Blocks& out, BlkRefusal& refusal) {
    const std::string closing = LowerAscii(Trim(text.substr(2, text.size() - 3)));
    if (open.tag.empty()) return Refuse(refusal, number, "</" + closing + "> closes no block");
    if (closing != open.tag)
        return Refuse(refusal, number,
                      "the block <" + open.name + "> opened on line " + std::to_string(open.block.openLine) +
                          " is closed by </" + std::string(text.substr(2, text.size() - 3)) + ">");
    out.byTag.emplace(open.tag, std::move(open.block));
    open.tag.clear();
    open.block = Block{};
    return true;
}

// The next line of `rest`, without its line feed; `rest` keeps what follows.
std::string_view NextLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return line;
}

bool SplitBlocks(const std::string& bytes, Blocks& out, BlkRefusal& refusal) {
    std::string_view rest(bytes);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    OpenBlock open;
    int number = 0;
    while (!rest.empty()) {
        ++number;
        const std::string_view text = Trim(NextLine(rest));
        if (text.empty()) continue;
        if (text.front() == '#') {
            if (text.rfind(kComment, 0) == 0)
                out.comments.push_back({number, std::string(text.substr(std::strlen(kComment)))});
            continue;
        }
        const bool tag = text.size() >= 3 && text.front() == '<' && text.back() == '>';
        if (tag && text[1] == '/') {
            if (!CloseBlock(text, number, open, out, refusal)) return false;
            continue;
        }
        if (tag) {
            if (!open.tag.empty())
                return Refuse(
                    refusal, open.block.openLine,
                    "the block <" + open.name + "> is not closed before line " + std::to_string(number));
            open.name = std::string(Trim(text.substr(1, text.size() - 2)));
            open.tag = LowerAscii(open.name);
            open.block.openLine = number;
            continue;
        }
        if (!open.tag.empty()) open.block.lines.push_back({number, std::string(text)});
    }
    if (!open.tag.empty())
        return Refuse(refusal, open.block.openLine, "the block <" + open.name + "> is not closed");
    return true;
}

// A whole number in [min, max]; the refusal names the tag.
bool ReadNumber(std::string_view text, int min, int max, int& value) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) return false;
    long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (negative) v = -v;
    if (v < min || v > max) return false;
    value = static_cast<int>(v);
    return true;
}

class Tags {
public:
    explicit Tags(const Blocks& blocks) : blocks_(blocks) {}

    const Block* Find(const std::string& tag) const {
        const auto it = blocks_.byTag.find(tag);
        return it == blocks_.byTag.end() ? nullptr : &it->second;
    }
    // The first value of a tag, empty when the block is empty.
    std::string Value(const std::string& tag) const {
        const Block* b = Find(tag);
        return b && !b->lines.empty() ? b->lines.front().text : std::string();
    }
    bool Require(const std::string& tag, const char* shown, BlkRefusal& refusal) const {
        if (Find(tag)) return true;
        return Refuse(refusal, 0, std::string("the required tag <") + shown + "> is missing");
    }
    // An optional tag that is missing or empty leaves `value` as it was.
    bool Number(const std::string& tag, const char* shown, int min, int max, int& value, BlkRefusal& refusal,
                bool required = true) const {
        const Block* b = Find(tag);
        if (b == nullptr) return true;
        const int line = b->lines.empty() ? b->openLine : b->lines.front().number;
        if (b->lines.empty())
            return required ? Refuse(refusal, line, std::string("<") + shown + "> has no value") : true;
        if (!ReadNumber(b->lines.front().text, min, max, value))
            return Refuse(refusal, line,
                          std::string("<") + shown + "> must be a whole number from " + std::to_string(min) +
                              " to " + std::to_string(max) + ", not \"" +
                              b->lines.front().text.substr(0, 40) + "\"");
        return true;
    }

private:
    const Blocks& blocks_;
};

// ---------------------------------------------------------------------------------------------
// Reading: the "#vantrel" lines

struct Hints {
    std::optional<std::array<int, 4>> movement;
    std::optional<int> heatSinks, armorSlots, suitSystems;
    std::optional<bool> imaging;
    std::optional<std::array<int, 4>> spare;
    std::optional<std::array<int, 2>> turret;
    std::optional<std::string> history;
    std::array<std::vector<int>, kLocationCount> slots;
    std::map<std::string, std::vector<std::string>> means;  // name key -> entries, in order
    std::vector<Line> items;                                // "<mount>\t<entry>"
};

// Up to `n` whole numbers separated by blanks; false when one is not a number in range.
template <std::size_t N>
bool Numbers(std::string_view text, std::array<int, N>& out, int min, int max) {
    for (std::size_t i = 0; i < N; ++i) {
        text = Trim(text);
        const size_t blank = text.find(' ');
        if (!ReadNumber(text.substr(0, blank), min, max, out[i])) return false;
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    return Trim(text).empty();
}

// `N` whole numbers into `into`; false, and `into` left alone, when they cannot be read.
template <std::size_t N>
bool ReadInto(std::string_view value, std::optional<std::array<int, N>>& into, int min, int max) {
    std::array<int, N> read{};
    if (!Numbers(value, read, min, max)) return false;
    into = read;
    return true;
}

bool ReadInto(std::string_view value, std::optional<int>& into, int min, int max) {
    std::array<int, 1> one{};
    if (!Numbers(value, one, min, max)) return false;
    into = one[0];
    return true;
}

// "slots <location word> <code>,<code>,...": the slot codes of one location, at most as many as it has.
bool ReadSlotsHint(std::string_view value, Hints& h) {
    const size_t sp = value.find(' ');
    const std::string_view word = value.substr(0, sp);
    const int location = static_cast<int>(std::find_if(std::begin(kLocationWords), std::end(kLocationWords),
                                                       [&](const char* w) { return word == w; }) -
                                          std::begin(kLocationWords));
    if (location >= kLocationCount || sp == std::string_view::npos) return false;
    std::vector<int> codes;
    std::string_view list = value.substr(sp + 1);
    while (!list.empty()) {
        const size_t comma = list.find(',');
        int code = 0;
        if (!ReadNumber(list.substr(0, comma), kSlotArmorSystem, kSlotAmmoLast, code) ||
            codes.size() >= static_cast<size_t>(kSlotCounts[location]))
            return false;
        codes.push_back(code);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    h.slots[location] = std::move(codes);
    return true;
}

// One "#vantrel <key> <value>" line into `h`; false when it is not understood.
bool ReadHint(std::string_view key, std::string_view value, const Line& c, Hints& h) {
    if (key == "movement") return ReadInto(value, h.movement, 0, kMaxMovementPoints);
    if (key == "heatsinks") return ReadInto(value, h.heatSinks, 0, kMaxCount);
    if (key == "armorslots") return ReadInto(value, h.armorSlots, 0, kMaxCount);
    if (key == "suitsystems") return ReadInto(value, h.suitSystems, 0, 2);
    if (key == "imaging") {
        std::optional<int> imaging;
        if (!ReadInto(value, imaging, 0, 1)) return false;
        h.imaging = *imaging == 1;
        return true;
    }
    if (key == "spare") return ReadInto(value, h.spare, -999999999, 999999999);
    if (key == "turret") {
        std::optional<std::array<int, 2>> turret;
        if (!ReadInto(value, turret, 0, kTurretSlotCount) || (*turret)[1] > 1) return false;
        h.turret = turret;
        return true;
    }
    if (key == "history") {
        h.history = Unescape(value);
        return true;
    }
    if (key == "slots") return ReadSlotsHint(value, h);
    if (key == "means") {
        const size_t tab = value.find('\t');
        if (tab == std::string_view::npos) return false;
        h.means[MegaMekNameKey(value.substr(0, tab))].emplace_back(value.substr(tab + 1));
        return true;
    }
    if (key == "item") {
        if (value.find('\t') == std::string_view::npos) return false;
        h.items.push_back({c.number, std::string(value)});
        return true;
    }
    return false;
}

// Comment lines that cannot be read are left aside with a report line: they are hints, and the
// file's own tags still make a unit.
Hints ReadHints(const std::vector<Line>& comments, std::vector<BlkReportLine>& report) {
    Hints h;
    for (const Line& c : comments) {
        const std::string_view text = c.text;
        const size_t blank = text.find(' ');
        const std::string_view key = text.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        if (!ReadHint(key, value, c, h))
            report.push_back(
                {c.number, "the comment \"#vantrel " + c.text.substr(0, 60) + "\" is not understood"});
    }
    return h;
}

// ---------------------------------------------------------------------------------------------
// Reading: the design

// What the suit's sliders allow; a value read beyond them is kept and reported.
void ReportLimits(const Design& d, int line, std::vector<BlkReportLine>& report) {
    if (d.WeightClass < 0 || d.WeightClass >= kWeightClassCount) return;
    const ClassLimit& lim = ClassLimits[d.WeightClass];
    const auto check = [&](const char* what, int value, bool usable, int most) {
        if (value == 0 || (usable && value <= most)) return;
        report.push_back({line, std::string(what) + " " + std::to_string(value) +
                                    " is more than this suit allows (" + std::to_string(usable ? most : 0) +
                                    "); kept as read, the design check shows it"});
    };
    check("Ground MP", d.GroundMP, true, d.IsQuad ? lim.groundMaxQuad : lim.groundMaxHumanoid);
    check("Jump MP", d.JumpMP, true, lim.jumpMax);
    check("VTOL MP", d.VTOLMP, lim.vtolUnlessInnerSphere && d.TechBase != 0, kVTOLMax);
    check("UMU MP", d.UMUMP, lim.umuUsable, kUMUMax);
    check("Armor", d.ArmorPoints, true, lim.armorMax);
}

// The location a mount flag names on this chassis; -1 for one it lacks.
int MountLocation(const std::string& flag, bool quad) {
    if (quad) return flag == "body" ? kQuadBody : flag == "tu" ? kTurret : -1;
    return flag == "body" ? kBody : flag == "la" ? kLeftArm : flag == "ra" ? kRightArm : -1;
}

struct Mounted {
    int line = 0;
    std::string name;           // as written
    std::optional<int> mount;   // location; none = owned
    bool mountMissing = false;  // the mount names a location this chassis lacks
    std::string mountWord;
    int shots = 0;
};

class Importer {
public:
    Importer(const CatalogRef& catalog, const MegaMekNameTable& names, BlkImport& out)
        : names_(names), out_(out), ctx_(std::make_unique<Context>()) {
        ctx_->catalog = catalog;
    }

    bool Run(const Blocks& blocks, BlkRefusal& refusal) {
        const Tags tags(blocks);
        hints_ = ReadHints(blocks.comments, report_);
        if (!Header(tags, refusal)) return false;
        Design& d = ctx_->design;
        if (!Chassis(tags, refusal) || !Movement(tags, refusal) || !Armor(tags, refusal)) return false;
        std::vector<Mounted> lines;
        if (!EquipmentBlocks(tags, lines, refusal)) return false;

        ctx_->armorList = ArmorListFor(d);
        int kg = 0;
        if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = d.ArmorPoints * kg;
        ctx_->RebuildSlots = true;
        RebuildMovementSlots(*ctx_);
        for (const Mounted& m : lines) Item(m);
        for (const Line& item : hints_.items) CommentItem(item);
        WorkingEntries();
        if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg))
            d.ArmorWeight = (d.ArmorPoints + d.PlacedArmor) * kg;
        MainCalc(*ctx_);

        out_.design = d;
        out_.armorList = ctx_->armorList;
        out_.troopers = troopers_;
        std::stable_sort(report_.begin(), report_.end(),
                         [](const BlkReportLine& a, const BlkReportLine& b) { return a.line < b.line; });
        out_.report = std::move(report_);
        return true;
    }

private:
    bool Header(const Tags& tags, BlkRefusal& refusal) {
        if (!tags.Require("unittype", "UnitType", refusal)) return false;
        const std::string unitType = tags.Value("unittype");
        if (LowerAscii(unitType) != "battlearmor")
            return Refuse(refusal, tags.Find("unittype")->openLine,
                          "this is not a Battle Armor unit (UnitType \"" + unitType.substr(0, 40) + "\")");
        for (const auto& [tag, shown] : {
                 std::pair{"name",          "Name"         },
                 {"type",          "type"         },
                 {"trooper count", "Trooper Count"},
                 {"weightclass",   "weightclass"  },
                 {"chassis",       "chassis"      },
                 {"motion_type",   "motion_type"  },
                 {"cruisemp",      "cruiseMP"     },
                 {"armor",         "armor"        }
        })
            if (!tags.Require(tag, shown, refusal)) return false;
        Design& d = ctx_->design;
        NewDesign(d);
        d.MechName = tags.Value("name");
        d.Model = tags.Value("model");
        const std::string type = LowerAscii(tags.Value("type"));
        if (type.rfind("is", 0) == 0)
            d.TechBase = 0;
        else if (type.rfind("clan", 0) == 0)
            d.TechBase = 1;
        else if (type.rfind("mixed", 0) == 0)
            d.TechBase = 2;
        else
            return Refuse(refusal, tags.Find("type")->openLine,
                          "unknown technology base \"" + tags.Value("type").substr(0, 40) + "\"");
        d.SuitSystems = hints_.suitSystems.value_or(d.TechBase == 1 ? 2 : 1);
        return tags.Number("trooper count", "Trooper Count", 1, 6, troopers_, refusal) &&
               tags.Number("weightclass", "weightclass", 0, kWeightClassCount - 1, d.WeightClass, refusal);
    }

    bool Chassis(const Tags& tags, BlkRefusal& refusal) {
        Design& d = ctx_->design;
        const std::string chassis = LowerAscii(tags.Value("chassis"));
        if (chassis != "biped" && chassis != "quad")
            return Refuse(refusal, tags.Find("chassis")->openLine,
                          "unknown chassis \"" + tags.Value("chassis").substr(0, 40) + "\"");
        d.IsQuad = chassis == "quad";
        if (d.IsQuad && d.WeightClass == 0)
            report_.push_back({tags.Find("chassis")->openLine,
                               "an Exoskeleton cannot be a quad; kept as read, the design check shows it"});
        if (hints_.heatSinks) d.HeatSinks = *hints_.heatSinks;
        if (hints_.imaging) d.EnhancedImaging = *hints_.imaging;
        if (hints_.history) d.History = *hints_.history;
        if (hints_.spare) {
            d.Spare1 = (*hints_.spare)[0];
            d.Spare2 = (*hints_.spare)[1];
            d.Spare3 = (*hints_.spare)[2];
            d.Spare4 = (*hints_.spare)[3];
        }
        const Block* turret = tags.Find("turret");
        if (turret == nullptr || turret->lines.empty()) {
            TurretHint();
            return true;
        }
        const std::string text = turret->lines.front().text;
        const size_t colon = text.find(':');
        int size = 0;
        if (colon == std::string::npos ||
            !ReadNumber(std::string_view(text).substr(colon + 1), 0, kTurretSlotCount, size))
            return Refuse(refusal, turret->lines.front().number,
                          "<turret> must be \"Standard:<slots>\" or \"Modular:<slots>\", not \"" +
                              text.substr(0, 40) + "\"");
        const std::string kind = LowerAscii(text.substr(0, colon));
        const bool configurable = kind == "modular" || kind == "configurable";
        if (!d.IsQuad) {
            if (size > 0)
                report_.push_back({turret->lines.front().number,
                                   "a humanoid has no turret; the turret is not carried over"});
            return true;
        }
        d.TurretConfig = configurable && size > 0;
        d.TurretSize = size + (d.TurretConfig ? 1 : 0);
        if (d.TurretSize > kTurretSlotCount) {
            report_.push_back({turret->lines.front().number, "a turret of " + std::to_string(d.TurretSize) +
                                                                 " slots is larger than the largest (" +
                                                                 std::to_string(kTurretSlotCount) + "); " +
                                                                 std::to_string(kTurretSlotCount) + " used"});
            d.TurretSize = kTurretSlotCount;
        }
        TurretHint();
        return true;
    }

    // A configurable turret of one slot offers none, so the file's tag cannot tell it from no
    // turret; the comment can, when it agrees with the tag.
    void TurretHint() {
        Design& d = ctx_->design;
        if (!hints_.turret || !d.IsQuad) return;
        Design hinted = d;
        hinted.TurretSize = (*hints_.turret)[0];
        hinted.TurretConfig = (*hints_.turret)[1] == 1;
        if (TurretUsableSlots(hinted) != TurretUsableSlots(d)) return;
        d.TurretSize = hinted.TurretSize;
        d.TurretConfig = hinted.TurretConfig;
    }

    bool Movement(const Tags& tags, BlkRefusal& refusal) {
        Design& d = ctx_->design;
        int cruise = 0, jumping = 0;
        if (!tags.Number("cruisemp", "cruiseMP", 0, kMaxMovementPoints, cruise, refusal) ||
            !tags.Number("jumpingmp", "jumpingMP", 0, kMaxMovementPoints, jumping, refusal, false))
            return false;
        const std::string motion = LowerAscii(tags.Value("motion_type"));
        d.GroundMP = cruise;
        d.JumpMP = d.VTOLMP = d.UMUMP = 0;
        int* mode = nullptr;
        if (motion == "jump" || motion == "inf_jump")
            mode = &d.JumpMP;
        else if (motion == "vtol")
            mode = &d.VTOLMP;
        else if (motion == "umu" || motion == "inf_umu" || motion == "submarine")
            mode = &d.UMUMP;
        else if (motion != "leg" && motion != "inf_leg")
            return Refuse(refusal, tags.Find("motion_type")->openLine,
                          "unknown movement \"" + tags.Value("motion_type").substr(0, 40) + "\"");
        if (mode) *mode = jumping;
        if (hints_.movement) {
            // The file's own fields lead; the comment adds the modes MegaMek has no field for.
            const auto& m = *hints_.movement;
            if (mode != &d.JumpMP) d.JumpMP = m[1];
            if (mode != &d.VTOLMP) d.VTOLMP = m[2];
            if (mode != &d.UMUMP) d.UMUMP = m[3];
        } else if (!mode && jumping > 0) {
            report_.push_back(
                {tags.Find("jumpingmp")->openLine,
                 "jumpingMP " + std::to_string(jumping) + " on a unit that walks is not carried over"});
        }
        limitsLine_ = tags.Find("cruisemp")->openLine;
        return true;
    }

    bool Armor(const Tags& tags, BlkRefusal& refusal) {
        Design& d = ctx_->design;
        const Block* armor = tags.Find("armor");
        if (armor->lines.size() > 1)
            return Refuse(refusal, armor->lines[1].number,
                          "<armor> takes one value, the points of one trooper");
        if (!tags.Number("armor", "armor", 0, kMaxCount, d.ArmorPoints, refusal)) return false;
        int code = kArmorCodes[0];
        if (!tags.Number("armor_type", "armor_type", -1, 1000, code, refusal, false)) return false;
        if (code == 0 || code == -1) code = kArmorCodes[0];  // older files: no Battle Armor code yet
        const int* found = std::find(std::begin(kArmorCodes), std::end(kArmorCodes), code);
        int master = static_cast<int>(found - std::begin(kArmorCodes));
        const int line = tags.Find("armor_type") ? tags.Find("armor_type")->openLine : armor->openLine;
        if (found == std::end(kArmorCodes)) {
            const char* what = code == kReflectiveArmorCode ? "laser reflective armor"
                               : code == kReactiveArmorCode ? "reactive armor"
                                                            : "this armor type";
            report_.push_back({line, std::string(what) + " (armor_type " + std::to_string(code) +
                                         ") has no equivalent; Standard used"});
            master = 0;
        }
        const std::vector<int>& offered = ArmorTypesOffered(d.TechBase);
        const auto pos = std::find(offered.begin(), offered.end(), master);
        if (pos == offered.end()) {
            report_.push_back({line, std::string(AllOrig[master]) + " armor is not offered to " +
                                         kTechBaseNames[d.TechBase] + " suits; Standard used"});
            master = 0;
        }
        d.ArmorType = static_cast<int>(std::find(offered.begin(), offered.end(), master) - offered.begin());
        int slots = 0;
        if (ArmorSlotCount(AllOrig[master], slots)) d.ArmorSlots = slots;
        if (hints_.armorSlots) d.ArmorSlots = *hints_.armorSlots;
        ReportLimits(d, limitsLine_, report_);
        return true;
    }

    // Parses "name:flag:flag..." of one equipment line.
    Mounted ParseLine(const Line& l) {
        Mounted m;
        m.line = l.number;
        const std::string& text = l.text;
        size_t start = 0;
        bool first = true;
        bool sizeNext = false;
        while (start <= text.size()) {
            size_t colon = text.find(':', start);
            if (colon == std::string::npos) colon = text.size();
            const std::string part(Trim(std::string_view(text).substr(start, colon - start)));
            start = colon + 1;
            if (first) {
                m.name = part;
                first = false;
                continue;
            }
            if (sizeNext) {
                sizeNext = false;
                continue;
            }
            sizeNext = ReadFlag(l, part, m);
        }
        return m;
    }

    // One flag after the name into `m`; true when the part after it is the flag's value.
    bool ReadFlag(const Line& l, const std::string& part, Mounted& m) {
        const std::string flag = LowerAscii(part);
        if (flag == "body" || flag == "la" || flag == "ra" || flag == "tu") {
            m.mountWord = part;
            const int loc = MountLocation(flag, ctx_->design.IsQuad);
            if (loc < 0)
                m.mountMissing = true;
            else
                m.mount = loc;
        } else if (flag.rfind("shots", 0) == 0) {
            std::string digits = flag.substr(5);
            if (!digits.empty() && digits.back() == '#') digits.pop_back();
            if (!ReadNumber(digits, 0, kMaxShots, m.shots)) m.shots = -1;
        } else if (flag == "size") {
            return true;
        } else if (flag == "apm" || flag == "dwp" || flag == "sswm" || flag == "omni" || flag.empty()) {
            // Mount flags with no counterpart: the item itself carries over.
        } else {
            report_.push_back({l.number, "the flag \":" + part.substr(0, 30) + "\" of \"" +
                                             m.name.substr(0, 60) + "\" is not understood and left out"});
        }
        return false;
    }

    bool EquipmentBlocks(const Tags& tags, std::vector<Mounted>& lines, BlkRefusal& refusal) {
        int total = 0;
        const auto take = [&](const Block* b, bool perTrooper, const std::string& tag) {
            if (b == nullptr) return true;
            for (const Line& l : b->lines) {
                if (++total > kMaxEquipmentLines)
                    return Refuse(refusal, l.number, "too many equipment lines");
                if (perTrooper) {
                    report_.push_back({l.number, "per-trooper equipment is not carried over: \"" +
                                                     l.text.substr(0, 60) + "\" (" + tag + ")"});
                    continue;
                }
                lines.push_back(ParseLine(l));
            }
            return true;
        };
        if (!take(tags.Find("squad equipment"), false, "") ||
            !take(tags.Find("point equipment"), false, "") ||
            !take(tags.Find("slotless_equipment"), false, ""))
            return false;
        for (int t = 1; t <= 6; ++t) {
            const std::string tag = "Trooper " + std::to_string(t) + " Equipment";
            if (!take(tags.Find(LowerAscii(tag)), true, tag)) return false;
        }
        return true;
    }

    // Lines MegaMek writes for what every suit has: attacks, movement systems, the armor's slots.
    static bool Automatic(const std::string& name) {
        const std::string key = MegaMekNameKey(name);
        static const char* const kAutomatic[] = {"swarmmek",  "swarmweaponmek", "stopswarm",
                                                 "legattack", "bajumpjet",      "baimprovedjumpjet",
                                                 "bavtol",    "baumu",          "0"};
        for (const char* a : kAutomatic)
            if (key == a) return true;
        // Armor occupies slots as equipment lines ("Clan BA Fire Resistant", "BA-Fire Resistant Armor").
        return key.rfind("isba", 0) == 0 || key.rfind("clba", 0) == 0 || key.rfind("ba", 0) == 0
                   ? IsArmorName(LowerAscii(name))
                   : false;
    }
    static bool IsArmorName(const std::string& lower) {
        if (lower.find("ba") == std::string::npos) return false;
        for (const char* a : {"stealth", "fire resistant", "mimetic", "reflective", "reactive", "ba standard",
                              "ba advanced", "ba prototype"})
            if (lower.find(a) != std::string::npos) return true;
        return false;
    }

    // The entry a name stands for: an item or its ammunition; empty when none.
    std::string EntryFor(const std::string& name) {
        const std::string key = MegaMekNameKey(name);
        if (auto it = hints_.means.find(key); it != hints_.means.end() && !it->second.empty()) {
            std::string entry = it->second.front();
            it->second.erase(it->second.begin());
            return entry;
        }
        const Design& d = ctx_->design;
        std::vector<const MegaMekName*> rows = names_.ForName(name);
        if (rows.empty()) {
            // MegaMek tries the name with the technology base's prefix as well.
            const char* prefix = d.TechBase == 1 ? "CL" : "IS";
            rows = names_.ForName(prefix + name);
            if (rows.empty() && (key.rfind("is", 0) == 0 || key.rfind("cl", 0) == 0))
                rows = names_.ForName(key.substr(2));
        }
        if (!rows.empty()) return rows.front()->entry;
        const std::vector<const MegaMekName*> ammo = names_.ForAmmo(name);
        if (ammo.empty()) return {};
        // Shared by the launchers of both bases: the one the unit carries, else the base's own.
        const MegaMekName* pick = nullptr;
        for (const MegaMekName* r : ammo)
            if (!pick && d.OwnedCount[r->index] + d.PlacedCount[r->index] > 0) pick = r;
        const char* mark = d.TechBase == 1 ? "(C)" : "(I)";
        for (const MegaMekName* r : ammo)
            if (!pick && r->entry.rfind(mark, 0) == 0) pick = r;
        return (pick ? pick : ammo.front())->entry + kAmmoSuffix;
    }

    void Item(const Mounted& m) {
        if (m.name.empty() || Automatic(m.name)) return;
        const std::string entry = EntryFor(m.name);
        if (entry.empty()) {
            report_.push_back(
                {m.line, "\"" + m.name.substr(0, 60) + "\" has no equivalent in the catalog; left out"});
            return;
        }
        int units = 1;
        if (IsAmmoText(entry)) {
            const int idx = FindIndex(ctx_->catalog, entry);
            const int per = idx >= 0 ? ctx_->catalog[idx].Shots : 0;
            if (m.shots < 0) {
                report_.push_back({m.line, "the shots of \"" + m.name.substr(0, 60) +
                                               "\" are not a number; one load taken"});
            } else if (m.shots > 0 && per > 0) {
                units = (m.shots + per - 1) / per;
                if (m.shots % per != 0)
                    report_.push_back({m.line, std::to_string(m.shots) + " shots of \"" +
                                                   m.name.substr(0, 60) + "\" are not whole loads of " +
                                                   std::to_string(per) + "; " + std::to_string(units) +
                                                   " loads taken"});
            }
        }
        Place(m.line, entry, m.mount, m.mountMissing ? m.mountWord : std::string(), units);
    }

    void CommentItem(const Line& item) {
        const size_t tab = item.text.find('\t');
        const std::string word = item.text.substr(0, tab);
        const std::string entry = item.text.substr(tab + 1);
        const int idx = FindIndex(ctx_->catalog, entry);
        if (idx < 0) {
            report_.push_back({item.number, "\"" + entry.substr(0, 60) + "\" is no catalog entry; left out"});
            return;
        }
        Mounted m;
        m.line = item.number;
        m.mountWord = word;
        if (word != "-") {
            Line l{item.number, "x:" + word};
            const Mounted parsed = ParseLine(l);
            m.mount = parsed.mount;
            m.mountMissing = parsed.mountMissing || (!parsed.mount && word != "-");
        }
        Place(item.number, entry, m.mount, m.mountMissing ? word : std::string(), 1);
    }

    // A free hint slot for `code` in `location` not yet used by an earlier unit.
    std::optional<int> HintSlot(int location, int code) {
        const std::vector<int>& hint = hints_.slots[location];
        for (int i = 0; i < static_cast<int>(hint.size()); ++i)
            if (hint[i] == code && !used_[location][i]) return i;
        return std::nullopt;
    }
    void UseHint(int location, int slot, int count) {
        for (int i = slot; i < slot + count && i < static_cast<int>(used_[location].size()); ++i)
            used_[location][i] = true;
    }

    // Linked units (the space adaptation's arm slots, the clamps' other arm) land on the first free
    // slot; the hint moves them where the file had them.
    void FollowHints(const Design& before, int droppedIn, int code) {
        Design& d = ctx_->design;
        for (int location = 0; location < kLocationCount; ++location) {
            if (location == droppedIn) continue;
            SlotArrays now = Slots(d, location);
            const ConstSlotArrays was = Slots(before, location);
            for (int i = 0; i < now.count; ++i) {
                if (now.codes[i] != code || was.codes[i] == code) continue;
                const std::optional<int> want = HintSlot(location, code);
                if (want && *want != i && *want < now.count && now.codes[*want] == kSlotFree) {
                    std::swap(now.codes[i], now.codes[*want]);
                    std::swap(now.spans[i], now.spans[*want]);
                }
                if (want) UseHint(location, *want, 1);
            }
        }
    }

    // One unit of `entry` into location `mount`: on its hinted slot when it has one, else where the place
    // command would put it; the hints follow what was placed.
    DropResult PlaceOne(int mount, const std::string& entry, int idx, bool ammo) {
        const int code = (ammo ? kSlotAmmoBase : kSlotItemBase) + idx;
        const Design before = ctx_->design;
        DropResult r;
        if (const std::optional<int> hint = HintSlot(mount, code)) {
            r = DropOnSlot(*ctx_, mount, *hint, entry, entry);
            if (r.kind == DropResult::Kind::Placed)
                UseHint(mount, *hint, ammo ? 1 : std::max(1, ctx_->catalog[idx].CSlots));
        }
        if (r.kind != DropResult::Kind::Placed) {
            const PlaceTarget t = FindPlaceSlot(*ctx_, mount, entry);
            r = DropOnSlot(*ctx_, mount, t.slot, entry, entry);
        }
        if (r.kind == DropResult::Kind::Placed) FollowHints(before, mount, code);
        return r;
    }

    void Place(int line, const std::string& entry, std::optional<int> mount, const std::string& missingMount,
               int units) {
        Design& d = ctx_->design;
        const int idx = FindIndex(ctx_->catalog, entry);
        const bool ammo = IsAmmoText(entry);
        for (int u = 0; u < units; ++u) {
            if ((ammo ? d.OwnedAmmo[idx] + d.PlacedAmmo[idx] : d.OwnedCount[idx] + d.PlacedCount[idx]) >=
                kMaxCount) {
                report_.push_back({line, "more than " + std::to_string(kMaxCount) + " of " + entry +
                                             "; the rest left out"});
                return;
            }
            AddToStash(ctx_->catalog, d, entry, 1);
            if (!missingMount.empty()) {
                std::string text = entry;
                text.append(": a ").append(d.IsQuad ? "quad" : "humanoid").append(" has no mount \"");
                text.append(missingMount).append("\"; it stays unplaced");
                report_.push_back({line, text});
                continue;
            }
            if (!mount) continue;  // listed without a mount: owned, as MegaMek has it
            const DropResult r = PlaceOne(*mount, entry, idx, ammo);
            if (r.kind == DropResult::Kind::Placed) continue;
            const std::string why =
                !r.message.empty() ? r.message : std::string("the rules do not allow it there");
            std::string text = entry;
            text.append(" cannot be placed in the ").append(LocationName(*mount)).append(": ").append(why);
            report_.push_back({line, text.append(" It stays unplaced.")});
        }
    }

    // Heat sinks, armor-system slots and armor points go where the hints had them.
    void WorkingEntries() {
        const std::string armor = ctx_->armorList.text;
        const std::pair<int, std::string> kinds[] = {
            {kSlotHeatSink,    kHeatSinkEntry      },
            {kSlotArmorSystem, kASysPrefix + armor },
            {kSlotArmor,       kArmorPrefix + armor}
        };
        for (const auto& [code, entry] : kinds) {
            for (int location : ChassisLocations(ctx_->design)) {
                const std::vector<int>& hint = hints_.slots[location];
                for (int i = 0; i < static_cast<int>(hint.size()); ++i) {
                    if (hint[i] != code) continue;
                    if (!HasOwned(code)) break;
                    (void)DropOnSlot(*ctx_, location, i, entry, entry);
                }
            }
        }
    }
    bool HasOwned(int code) const {
        const Design& d = ctx_->design;
        if (code == kSlotHeatSink) return d.HeatSinks > 0;
        if (code == kSlotArmorSystem) return d.ArmorSlots > 0;
        return d.ArmorPoints > 0;
    }

    const MegaMekNameTable& names_;
    BlkImport& out_;
    std::unique_ptr<Context> ctx_;
    Hints hints_;
    std::vector<BlkReportLine> report_;
    std::array<std::array<bool, 16>, kLocationCount> used_{};
    int troopers_ = 0;
    int limitsLine_ = 0;
};

}  // namespace

int TroopersByTechBase(int techBase) { return techBase == 0 ? 4 : 5; }

std::string BlkFileBytes(const Context& ctx, const MegaMekNameTable& names, const BlkExportOptions& options) {
    const Design& d = ctx.design;
    Writer w;
    w.Raw("#building block data file\n");
    w.Block("BlockVersion", "1");
    w.Block("UnitType", "BattleArmor");
    w.Block("Name", OneLine(d.MechName));
    w.Block("Model", OneLine(d.Model));
    w.Block("year", std::to_string(options.year));
    w.Block("type", TypeTag(d.TechBase));
    const char* motion = "Leg";
    int motive = 0;
    if (d.JumpMP > 0) {
        motion = "Jump";
        motive = d.JumpMP;
    } else if (d.VTOLMP > 0) {
        motion = "VTOL";
        motive = d.VTOLMP;
    } else if (d.UMUMP > 0) {
        motion = "UMU";
        motive = d.UMUMP;
    }
    w.Block("motion_type", motion);
    w.Block("cruiseMP", std::to_string(d.GroundMP));
    const std::vector<int>& offered = ArmorTypesOffered(d.TechBase);
    const int master =
        d.ArmorType >= 0 && d.ArmorType < static_cast<int>(offered.size()) ? offered[d.ArmorType] : 0;
    w.Block("armor_type", std::to_string(kArmorCodes[master]));
    const EquipmentLines equipment = Equipment(ctx, names);
    w.Block(d.TechBase == 1 ? "Point Equipment" : "Squad Equipment", equipment.block);
    w.Block("chassis", d.IsQuad ? "quad" : "biped");
    if (d.IsQuad && TurretUsableSlots(d) > 0)
        w.Block("turret", std::string(d.TurretConfig ? "Modular:" : "Standard:") +
                              std::to_string(TurretUsableSlots(d)));
    w.Block("jumpingMP", std::to_string(motive));
    w.Block("armor", std::to_string(d.ArmorPoints + d.PlacedArmor));
    const int troopers =
        options.troopers >= 1 && options.troopers <= 6 ? options.troopers : TroopersByTechBase(d.TechBase);
    w.Block("Trooper Count", std::to_string(troopers));
    w.Block("weightclass", std::to_string(d.WeightClass));

    w.Raw("# What MegaMek has no field for, so that Vantrel reads this unit back as it was.\n");
    w.Comment("movement " + std::to_string(d.GroundMP) + " " + std::to_string(d.JumpMP) + " " +
              std::to_string(d.VTOLMP) + " " + std::to_string(d.UMUMP));
    w.Comment("suitsystems " + std::to_string(d.SuitSystems));
    w.Comment("heatsinks " + std::to_string(d.HeatSinks + d.PlacedHeatSinks));
    w.Comment("armorslots " + std::to_string(d.ArmorSlots + d.PlacedArmorSlots));
    if (d.IsQuad) w.Comment("turret " + std::to_string(d.TurretSize) + " " + (d.TurretConfig ? "1" : "0"));
    w.Comment(std::string("imaging ") + (d.EnhancedImaging ? "1" : "0"));
    w.Comment("spare " + std::to_string(d.Spare1) + " " + std::to_string(d.Spare2) + " " +
              std::to_string(d.Spare3) + " " + std::to_string(d.Spare4));
    if (!d.History.empty()) w.Comment("history " + Escape(d.History));
    for (const std::string& c : equipment.comments) w.Comment(c);
    for (int location : ChassisLocations(d)) w.Comment(SlotHint(d, location));
    return w.Take();
}

bool WriteBlkFile(const std::string& path, const std::string& bytes, std::string& error) {
    return WriteFileAtomically(path, bytes, error);
}

bool ParseBlkFile(const std::string& bytes, const CatalogRef& catalog, const MegaMekNameTable& names,
                  BlkImport& out, BlkRefusal& refusal) {
    if (static_cast<long>(bytes.size()) > kMaxBlkFileBytes)
        return Refuse(refusal, 0,
                      "the file is larger than " + std::to_string(kMaxBlkFileBytes / 1024) + " KB");
    Blocks blocks;
    if (!SplitBlocks(bytes, blocks, refusal)) return false;
    BlkImport result;
    Importer importer(catalog, names, result);
    if (!importer.Run(blocks, refusal)) return false;
    out = std::move(result);
    return true;
}

bool ReadBlkFile(const std::string& path, const CatalogRef& catalog, const MegaMekNameTable& names,
                 BlkImport& out, BlkRefusal& refusal) {
    std::string bytes, error;
    if (!ReadFileBytes(path, kMaxBlkFileBytes, bytes, error)) return Refuse(refusal, 0, error);
    return ParseBlkFile(bytes, catalog, names, out, refusal);
}

std::string FormatBlkLine(const std::string& fileName, int line, const std::string& text) {
    if (line <= 0) return fileName + ": " + text;
    return fileName + ", line " + std::to_string(line) + ": " + text;
}

std::string BlkReportText(const std::string& fileName, const std::vector<BlkReportLine>& report) {
    std::string out;
    for (const BlkReportLine& r : report) out += FormatBlkLine(fileName, r.line, r.text) + "\n";
    return out;
}

}  // namespace vantrel
