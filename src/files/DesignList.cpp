#include "files/DesignList.h"

#include "equipment/DesignCheck.h"
#include "files/BlkFile.h"
#include "files/DesignFile.h"
#include "files/MegaMekNames.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>

namespace vantrel {

namespace fs = std::filesystem;

const char* const kDesignColumnNames[kDesignColumnCount] = {
    "file",       "name",    "model",    "chassis",          "weight_class", "tech_base",
    "ground_mp",  "jump_mp", "vtol_mp",  "umu_mp",           "armor_type",   "armor_points",
    "current_kg", "free_kg", "max_heat", "heat_dissipation", "free_cslots",  "estimated_bv",
    "cost",       "errors",  "warnings", "problem",
};

bool IsNumericColumn(int column) {
    return (column >= kColGroundMP && column <= kColUMUMP) ||
           (column >= kColArmorPoints && column <= kColWarnings);
}

namespace {

bool ReadVnt(const CatalogRef&, const std::string& path, Design& out, std::string& problem) {
    std::string error;
    int badRecord = 0;
    if (DoOpen(path, out, error, badRecord)) return true;
    problem = FormatOpenError(path, badRecord, error);
    return false;
}

// A MegaMek unit file, read as Import MegaMek Unit reads it; what it could not carry over is the
// import's report, not a reason to leave the file out.
bool ReadBlk(const CatalogRef& catalog, const std::string& path, Design& out, std::string& problem) {
    MegaMekNameTable names;
    std::string error;
    int line = 0;
    if (!ParseMegaMekNames(MegaMekNamesText(), catalog, names, error, line)) {
        problem = "Cannot read " + path + ": the MegaMek name table does not fit the catalog (line " +
                  std::to_string(line) + ": " + error + ").";
        return false;
    }
    BlkImport unit;
    BlkRefusal refusal;
    if (!ReadBlkFile(path, catalog, names, unit, refusal)) {
        problem = FormatBlkLine(path, refusal.line, refusal.problem);
        return false;
    }
    out = std::move(unit.design);
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The value of a status text, "Free Kg: -145" -> "-145", so the row shows exactly what the status
// line and --summary show.
std::string StatusValue(const std::string& text) {
    const auto colon = text.find(": ");
    return colon == std::string::npos ? text : text.substr(colon + 2);
}

// "Medium - 1,000 Kg" -> "Medium".
std::string ShortClassName(int weightClass) {
    const std::string caption = kWeightClassNames[weightClass];
    return caption.substr(0, caption.find(" - "));
}

void StartFresh(Context& ctx) {
    // Built around the catalog it had, so no catalog of its own is made on the way.
    ctx = Context(std::move(ctx.catalog));
}

void WalkFolder(const fs::path& folder, bool recursive, std::vector<ListedFile>& out) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        out.push_back(
            {folder.string(), "Cannot read the folder " + folder.string() + ": " + ec.message() + "."});
        return;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const fs::directory_entry& entry = *it;
        std::error_code statEc;
        const bool isLink = entry.is_symlink(statEc);
        if (entry.is_directory(statEc)) {
            if (recursive && !isLink) WalkFolder(entry.path(), true, out);
            continue;
        }
        if (ReaderFor(entry.path().string())) out.push_back({entry.path().string(), {}});
    }
    if (ec)
        out.push_back(
            {folder.string(), "Cannot read the folder " + folder.string() + ": " + ec.message() + "."});
}

void Put(std::string& text, int number) { text = std::to_string(number); }

std::string CsvField(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string JsonString(const std::string& cell) {
    std::string text = "\"";
    for (char c : cell) {
        switch (c) {
            case '"': text += "\\\""; break;
            case '\\': text += "\\\\"; break;
            case '\n': text += "\\n"; break;
            case '\r': text += "\\r"; break;
            case '\t': text += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    text += escaped;
                } else {
                    text += c;
                }
        }
    }
    return text + "\"";
}

}  // namespace

namespace {
// A unit file reader of another program goes here, beside the design file's own.
constexpr DesignReader kDesignReaders[] = {
    {".vnt", ReadVnt},
    {".blk", ReadBlk},
};
}  // namespace

std::span<const DesignReader> DesignReaders() { return kDesignReaders; }

const DesignReader* ReaderFor(const std::string& path) {
    const std::string extension = Lower(fs::path(path).extension().string());
    for (const DesignReader& reader : DesignReaders())
        if (extension == reader.extension) return &reader;
    return nullptr;
}

bool ListDesignFiles(const std::string& folder, bool recursive, std::vector<ListedFile>& out,
                     std::string& error) {
    out.clear();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        error = "Cannot read the folder " + folder + ": " +
                (ec                       ? ec.message()
                 : fs::exists(folder, ec) ? "not a folder"
                                          : "no such folder") +
                ".";
        return false;
    }
    WalkFolder(folder, recursive, out);
    std::sort(out.begin(), out.end(),
              [](const ListedFile& a, const ListedFile& b) { return a.path < b.path; });
    return true;
}

DesignRow ReadDesignRow(Context& scratch, const ListedFile& file) {
    DesignRow row;
    auto& c = row.cells;
    c[kColFile] = file.path;
    if (!file.problem.empty()) {
        c[kColProblem] = file.problem;
        return row;
    }
    const DesignReader* reader = ReaderFor(file.path);
    StartFresh(scratch);
    std::string problem;
    if (!reader) {
        c[kColProblem] = "Not a design file: " + file.path + ".";
        return row;
    }
    if (!reader->read(scratch.catalog, file.path, scratch.design, problem)) {
        c[kColProblem] = problem.empty() ? "Cannot read " + file.path + "." : problem;
        return row;
    }
    scratch.armorList = ArmorListFor(scratch.design);
    MainCalc(scratch);
    const Design& d = scratch.design;
    c[kColName] = d.MechName;
    c[kColModel] = d.Model;
    c[kColChassis] = kChassisNames[d.IsQuad ? 1 : 0];
    c[kColWeightClass] = ShortClassName(d.WeightClass);
    c[kColTechBase] = kTechBaseNames[d.TechBase];
    Put(c[kColGroundMP], d.GroundMP);
    Put(c[kColJumpMP], d.JumpMP);
    Put(c[kColVTOLMP], d.VTOLMP);
    Put(c[kColUMUMP], d.UMUMP);
    c[kColArmorType] = scratch.armorList.text;
    // Placed and not yet placed, as the readout counts them.
    c[kColArmorPoints] = std::to_string(int64_t{d.ArmorPoints} + d.PlacedArmor);
    const auto status = StatusTexts(d);
    for (int i = 0; i < 7; ++i) c[kColCurrentKg + i] = StatusValue(status[i]);
    int errors = 0;
    int warnings = 0;
    for (const Finding& f : CheckDesign(scratch)) {
        errors += f.kind == Finding::Kind::Error;
        warnings += f.kind == Finding::Kind::Warning;
    }
    Put(c[kColErrors], errors);
    Put(c[kColWarnings], warnings);
    return row;
}

void ReadDesignRows(const CatalogRef& catalog, const std::vector<ListedFile>& files, int workers,
                    std::size_t batchSize, const std::function<bool(std::vector<DesignRow>&)>& batchDone) {
    workers = std::max(1, workers);
    batchSize = std::max<std::size_t>(1, batchSize);
    // One scratch context a worker over the shared catalog, kept for every batch.
    std::vector<std::unique_ptr<Context>> scratch;
    for (int i = 0; i < workers; ++i) {
        scratch.push_back(std::make_unique<Context>());
        scratch.back()->catalog = catalog;
    }
    std::vector<DesignRow> batch;
    for (std::size_t start = 0; start < files.size(); start += batchSize) {
        const std::size_t count = std::min(batchSize, files.size() - start);
        batch.assign(count, DesignRow{});
        std::atomic<std::size_t> next{0};
        auto work = [&](Context& ctx) {
            for (std::size_t i = next++; i < count; i = next++)
                batch[i] = ReadDesignRow(ctx, files[start + i]);
        };
        std::vector<std::thread> threads;
        for (int w = 1; w < workers && static_cast<std::size_t>(w) < count; ++w)
            threads.emplace_back(work, std::ref(*scratch[w]));
        work(*scratch[0]);
        for (std::thread& t : threads) t.join();
        if (!batchDone(batch)) return;
    }
}

void WriteListStart(std::ostream& out, ListFormat format) {
    if (format == ListFormat::Json) {
        out << "[";
        return;
    }
    const std::vector<std::string> header(kDesignColumnNames, kDesignColumnNames + kDesignColumnCount);
    if (format == ListFormat::Tsv) {
        out << TsvLine(header) << "\n";
    } else {
        for (int i = 0; i < kDesignColumnCount; ++i) out << (i ? "," : "") << header[i];
        out << "\r\n";
    }
}

void WriteListRow(std::ostream& out, ListFormat format, const DesignRow& row, bool first) {
    switch (format) {
        case ListFormat::Tsv: out << TsvLine({row.cells.begin(), row.cells.end()}) << "\n"; return;
        case ListFormat::Csv:
            for (int i = 0; i < kDesignColumnCount; ++i) out << (i ? "," : "") << CsvField(row[i]);
            out << "\r\n";
            return;
        case ListFormat::Json:
            out << (first ? "\n  {" : ",\n  {");
            for (int i = 0; i < kDesignColumnCount; ++i) {
                out << (i ? ", " : "") << '"' << kDesignColumnNames[i] << "\": ";
                if (!IsNumericColumn(i))
                    out << JsonString(row[i]);
                else
                    out << (row[i].empty() ? "null" : row[i]);
            }
            out << "}";
            return;
    }
}

void WriteListEnd(std::ostream& out, ListFormat format, bool empty) {
    if (format == ListFormat::Json) out << (empty ? "]\n" : "\n]\n");
}

std::string TsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) line += '\t';
        for (char ch : cells[i]) line += (ch == '\t' || ch == '\n' || ch == '\r') ? ' ' : ch;
    }
    return line;
}

}  // namespace vantrel
