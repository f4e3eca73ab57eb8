#include "app/Cli.h"

#include "app/CliBlk.h"
#include "app/CliList.h"
#include "app/CliSheets.h"
#include "app/CliSuggest.h"
#include "equipment/DesignCheck.h"
#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "model/Context.h"
#include "model/Design.h"
#include "rules/ArmorList.h"
#include "rules/Breakdown.h"
#include "rules/MainCalc.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"
#include "sheet/RecordSheet.h"
#include "sheet/SheetPdf.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

// Runs before any QApplication exists, so nothing here may need Qt or a display (the record sheet
// brings up its own offscreen toolkit).

namespace vantrel {

namespace {

namespace fs = std::filesystem;

constexpr int kFailed = 2;

const char* const kUsage =
    "Usage: vantrel [DESIGN.vnt]\n"
    "       vantrel --summary DESIGN.vnt\n"
    "       vantrel --check DESIGN.vnt\n"
    "       vantrel --breakdown DESIGN.vnt\n"
    "       vantrel --export-text DESIGN.vnt OUT.txt\n"
    "       vantrel --record-sheet DESIGN.vnt OUT.pdf [--paper a4|letter] [--troopers N]\n"
    "       vantrel --list FOLDER [--recursive] [--format tsv|csv|json]\n"
    "       vantrel --record-sheet DESIGN.vnt... OUT.pdf [--kind play|design] [--per-page 1..4]\n"
    "                            [--gunnery N] [--anti-mech N] [--paper a4|letter] [--troopers N]\n"
    "       vantrel --export-blk DESIGN.vnt OUT.blk [--troopers N] [--year N]\n"
    "       vantrel --import-blk UNIT.blk OUT.vnt\n"
    "       vantrel --suggest DESIGN.vnt [--objective NAME] [--top N] [--time-limit S] [--apply OUT.vnt]\n"
    "       vantrel --help\n";

const char* const kHelp =
    "Vantrel, a design workshop for Battle Armor suits.\n"
    "\n"
    "Without options the program opens its window, with the design file when one is named.\n"
    "\n"
    "Options (no window is opened, no display is needed):\n"
    "  --summary DESIGN.vnt              print the seven status figures of the design, then the\n"
    "                                    warning a save would give, if any\n"
    "  --check DESIGN.vnt                print what is wrong or unfinished with the design, one\n"
    "                                    finding a line (error, warning, note); exit status 1\n"
    "                                    when there is an error\n"
    "  --breakdown DESIGN.vnt            print every term of the weight, the Battle Value and the\n"
    "                                    cost, each section with its total\n"
    "  --export-text DESIGN.vnt OUT.txt  write the text readout of the design to OUT.txt\n"
    "  --record-sheet DESIGN.vnt OUT.pdf write the one-page record sheet of the design to OUT.pdf;\n"
    "                                    --paper a4 (the default) or letter, --troopers 1 to 6\n"
    "                                    (4 for the Inner Sphere, 5 for Clan and Mixed by default)\n"
    "  --list FOLDER                     print one row per design file of the folder (--recursive:\n"
    "                                    and of its sub-folders), sorted by path: its name, model,\n"
    "                                    choices, status figures and check counts, or why it cannot\n"
    "                                    be read (exit status 1); --format tsv (the default), csv\n"
    "                                    or json\n"
    "  --record-sheet A.vnt B.vnt... OUT.pdf\n"
    "                                    write the sheets of several designs to one PDF, one\n"
    "                                    bookmark each; --kind play (squads for the table, four\n"
    "                                    to a page) or design (the default, one to a page),\n"
    "                                    --per-page 1 to 4; a design that cannot be read is named\n"
    "                                    on standard error, the others are drawn, exit status 1;\n"
    "                                    --gunnery and --anti-mech 0 to 8 fill in the skills\n"
    "  --export-blk DESIGN.vnt OUT.blk   write the design as a MegaMek unit file; --troopers 1 to 6\n"
    "                                    as for the record sheet, --year the unit's year (3075)\n"
    "  --import-blk UNIT.blk OUT.vnt     read a MegaMek Battle Armor unit file into a design file and\n"
    "                                    print what could not be carried over, one line each; exit\n"
    "                                    status 0 when nothing was left out, 1 when something was,\n"
    "                                    2 when the unit file is refused\n"
    "  --suggest DESIGN.vnt              print the best equipment to add, proven, up to --top N\n"
    "                                    proposals (5): --objective bv (the default),\n"
    "                                    damage-short, damage-medium, damage-long or bv-per-cost;\n"
    "                                    --time-limit S (2) ends the search with the best found;\n"
    "                                    --apply OUT.vnt writes the first proposal, placed; exit\n"
    "                                    status 1 when nothing can be added\n"
    "  --help                            show this text\n"
    "\n"
    "The equipment catalog stuff.plb is read from the program's folder. A file that cannot be read\n"
    "ends the command with one line on standard error and exit status 2.\n";

fs::path ProgramFolder(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return self.parent_path();
    fs::path fallback = fs::absolute(fs::path(argv0 ? argv0 : ""), ec);
    return ec ? fs::path(".") : fallback.parent_path();
}

int UsageError(const std::string& problem) {
    std::cerr << "vantrel: " << problem << "\n" << kUsage;
    return kFailed;
}

bool LoadProgramCatalog(const char* argv0, CatalogRef& catalog) {
    const std::string path = (ProgramFolder(argv0) / "stuff.plb").string();
    CatalogError error;
    if (LoadSharedCatalog(path, catalog, error)) return true;
    std::cerr << FormatCatalogError(path, error) << "\n";
    return false;
}

// The design of the file with its totals recomputed, as the window would show it.
bool OpenAndCalculate(const char* argv0, const std::string& fileName, Context& ctx) {
    if (!LoadProgramCatalog(argv0, ctx.catalog)) return false;
    std::string error;
    int badRecord = 0;
    if (!DoOpen(fileName, ctx.design, error, badRecord)) {
        std::cerr << FormatOpenError(fileName, badRecord, error) << "\n";
        return false;
    }
    ctx.armorList = ArmorListFor(ctx.design);
    MainCalc(ctx);
    return true;
}

int Summary(const char* argv0, const std::string& fileName) {
    auto ctx = std::make_unique<Context>();
    if (!OpenAndCalculate(argv0, fileName, *ctx)) return kFailed;
    const Design& design = ctx->design;
    for (const std::string& text : StatusTexts(design)) std::cout << text << "\n";
    if (const char* warning = SaveWarning(design)) std::cout << warning << "\n";
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

int Check(const char* argv0, const std::string& fileName) {
    auto ctx = std::make_unique<Context>();
    if (!OpenAndCalculate(argv0, fileName, *ctx)) return kFailed;
    const std::vector<Finding> findings = CheckDesign(*ctx);
    for (const Finding& f : findings) std::cout << FindingLine(f) << "\n";
    std::cout.flush();
    if (!std::cout) return kFailed;
    return HasError(findings) ? 1 : 0;
}

int BreakdownCommand(const char* argv0, const std::string& fileName) {
    auto ctx = std::make_unique<Context>();
    if (!OpenAndCalculate(argv0, fileName, *ctx)) return kFailed;
    std::cout << BreakdownText(MakeBreakdown(*ctx));
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

int ExportText(const char* argv0, const std::string& fileName, const std::string& outName) {
    if (SameFile(fileName, outName)) {
        std::cerr << "Cannot write the readout " << outName << ": " << kTargetIsTheDesign << ".\n";
        return kFailed;
    }
    auto ctx = std::make_unique<Context>();
    if (!OpenAndCalculate(argv0, fileName, *ctx)) return kFailed;
    std::string error;
    if (!WriteReadout(outName, Readout(*ctx), error)) {
        std::cerr << "Cannot write the readout " << outName << ": " << error << ".\n";
        return kFailed;
    }
    return 0;
}

struct SheetRequest {
    std::string design, out;
    Paper paper = Paper::A4;
    int troopers = 0;  // 0: the design's default squad
};

// The value of --paper or --troopers into the request; an empty problem when it is one.
std::string ParseSheetOption(const std::string& option, const std::string& value, SheetRequest& request) {
    if (option == "--paper") {
        const std::optional<Paper> paper = PaperNamed(value);
        if (!paper) return "--paper takes a4 or letter, not " + value;
        request.paper = *paper;
        return {};
    }
    if (value.size() != 1 || value[0] < '0' + kMinTroopers || value[0] > '0' + kMaxTroopers)
        return "--troopers takes a number from 1 to 6, not " + value;
    request.troopers = value[0] - '0';
    return {};
}

// The arguments after --record-sheet; an empty problem when they make a request.
std::string ParseSheetRequest(int argc, char** argv, SheetRequest& request) {
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--paper" && arg != "--troopers") {
            files.push_back(arg);
            continue;
        }
        if (i + 1 >= argc) return arg + " needs a value";
        std::string problem = ParseSheetOption(arg, argv[++i], request);
        if (!problem.empty()) return problem;
    }
    if (files.size() != 2) return "--record-sheet takes a design file and an output file";
    request.design = files[0];
    request.out = files[1];
    return {};
}

int RecordSheetCommand(const char* argv0, const SheetRequest& request) {
    if (SameFile(request.design, request.out)) {
        std::cerr << "Cannot write the record sheet " << request.out << ": " << kTargetIsTheDesign << ".\n";
        return kFailed;
    }
    auto ctx = std::make_unique<Context>();
    if (!OpenAndCalculate(argv0, request.design, *ctx)) return kFailed;
    std::string error;
    const RecordSheet sheet = BuildRecordSheet(*ctx, request.troopers);
    if (!WriteRecordSheetPdf(request.out, sheet, request.paper, error)) {
        std::cerr << "Cannot write the record sheet " << request.out << ": " << error << ".\n";
        return kFailed;
    }
    return 0;
}

int ListFromCommandLine(int argc, char** argv) {
    ListRequest request;
    if (const std::string problem = ParseListRequest(argc, argv, request); !problem.empty())
        return UsageError(problem);
    CatalogRef catalog;
    if (!LoadProgramCatalog(argv[0], catalog)) return kFailed;
    return ListCommand(catalog, request);
}

}  // namespace

// NOLINTNEXTLINE(readability-function-cognitive-complexity): a flat dispatch, one branch per option
int RunCommandLine(int argc, char** argv) {
    if (argc < 2) return kNotACommand;
    const std::string option = argv[1];
    // Anything that is not a double-dash option is the design to open in the window (or a
    // toolkit option such as -platform).
    if (option.rfind("--", 0) != 0 && option != "-h") return kNotACommand;
    if (option == "--help" || option == "-h") {
        if (argc != 2) return UsageError("--help takes no arguments");
        std::cout << kHelp << "\n" << kUsage;
        return 0;
    }
    if (option == "--summary") {
        if (argc != 3) return UsageError("--summary takes one design file");
        return Summary(argv[0], argv[2]);
    }
    if (option == "--check") {
        if (argc != 3) return UsageError("--check takes one design file");
        return Check(argv[0], argv[2]);
    }
    if (option == "--breakdown") {
        if (argc != 3) return UsageError("--breakdown takes one design file");
        return BreakdownCommand(argv[0], argv[2]);
    }
    if (option == "--export-text") {
        if (argc != 4) return UsageError("--export-text takes a design file and an output file");
        return ExportText(argv[0], argv[2], argv[3]);
    }
    if (option == "--export-blk") {
        BlkExportRequest request;
        if (const std::string problem = ParseExportBlkArgs(argc, argv, request); !problem.empty())
            return UsageError(problem);
        auto ctx = std::make_unique<Context>();
        if (!OpenAndCalculate(argv[0], request.design, *ctx)) return kFailed;
        return ExportBlk(request, *ctx);
    }
    if (option == "--import-blk") {
        BlkImportRequest request;
        if (const std::string problem = ParseImportBlkArgs(argc, argv, request); !problem.empty())
            return UsageError(problem);
        auto ctx = std::make_unique<Context>();
        if (!LoadProgramCatalog(argv[0], ctx->catalog)) return kFailed;
        return ImportBlk(request, *ctx);
    }
    if (option == "--record-sheet") {
        if (IsSheetBookRequest(argc, argv)) {
            std::string problem;
            const int status = RecordSheetsCommand(
                argc, argv, [&](CatalogRef& catalog) { return LoadProgramCatalog(argv[0], catalog); },
                problem);
            return problem.empty() ? status : UsageError(problem);
        }
        SheetRequest request;
        if (const std::string problem = ParseSheetRequest(argc, argv, request); !problem.empty())
            return UsageError(problem);
        return RecordSheetCommand(argv[0], request);
    }
    if (option == "--list") return ListFromCommandLine(argc, argv);
    if (option == "--suggest")
        return SuggestCommand(
            argc, argv,
            [&](const std::string& file, Context& ctx) { return OpenAndCalculate(argv[0], file, ctx); },
            UsageError);
    return UsageError("unknown option " + option);
}

}  // namespace vantrel
