#pragma once

#include "files/MegaMekNames.h"
#include "model/Context.h"

#include <string>
#include <vector>

namespace vantrel {

// MegaMek's "building block" unit files (.blk) for Battle Armor: written from a design and read
// into a new one. What MegaMek has no field for (heat sinks, suit systems, the other movement
// modes, slot positions, items without an equivalent) travels in comment lines starting
// "#vantrel", which MegaMek skips, so a design comes back from its own file without loss.

constexpr int kDefaultUnitYear = 3075;
constexpr long kMaxBlkFileBytes = 1L << 20;  // published unit files are a few kilobytes

struct BlkExportOptions {
    int troopers = 0;  // 1..6; 0 = by technology base (4 Inner Sphere, 5 Clan and Mixed)
    int year = kDefaultUnitYear;
};

// The squad a technology base fields when nobody chose one.
int TroopersByTechBase(int techBase);

// The unit file of the design (UTF-8, LF line ends). The armor is named by the design's armor
// type; the totals are not written.
std::string BlkFileBytes(const Context& ctx, const MegaMekNameTable& names, const BlkExportOptions& options);

// Writes the bytes, replacing `path` in one step: the old file stays when writing fails.
bool WriteBlkFile(const std::string& path, const std::string& bytes, std::string& error);

// One thing the import could not carry over, with the file's line (0 when it concerns the file).
struct BlkReportLine {
    int line = 0;
    std::string text;
};

// The imported design, ready to be shown as a new unsaved design.
struct BlkImport {
    Design design;
    ArmorList armorList;
    int troopers = 0;
    std::vector<BlkReportLine> report;
};

// Why a file was refused: its line (0 when the file as a whole) and the problem.
struct BlkRefusal {
    int line = 0;
    std::string problem;
};

// Reads a unit file's bytes. Refuses (false) a file that is not a Battle Armor unit, lacks a
// required tag, holds an unclosed block or a number out of range; `out` is then untouched.
// Accepted, every mounted item is placed where its mount says through the drop's own rules, what
// they refuse stays owned, and `out.report` lists everything not carried over.
bool ParseBlkFile(const std::string& bytes, const CatalogRef& catalog, const MegaMekNameTable& names,
                  BlkImport& out, BlkRefusal& refusal);

// Same, on a file; also refuses what is not a regular file or is larger than kMaxBlkFileBytes.
bool ReadBlkFile(const std::string& path, const CatalogRef& catalog, const MegaMekNameTable& names,
                 BlkImport& out, BlkRefusal& refusal);

// "unit.blk, line 12: the problem" (without the line when it is 0).
std::string FormatBlkLine(const std::string& fileName, int line, const std::string& text);

// The report as the window shows it and the command line prints it, one line each.
std::string BlkReportText(const std::string& fileName, const std::vector<BlkReportLine>& report);

}  // namespace vantrel
