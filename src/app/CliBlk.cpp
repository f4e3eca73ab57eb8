#include "app/CliBlk.h"

#include "files/BlkFile.h"
#include "files/DesignFile.h"
#include "files/MegaMekNames.h"

#include <filesystem>
#include <iostream>

namespace vantrel {

namespace {

constexpr int kRefused = 2;

// The same file under two names (or one that does not exist yet under the same path).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    const auto na = std::filesystem::absolute(a, ec).lexically_normal();
    const auto nb = std::filesystem::absolute(b, ec).lexically_normal();
    return !ec && na == nb;
}

bool ReadNames(const Catalog& catalog, MegaMekNameTable& names) {
    std::string error;
    int line = 0;
    if (ParseMegaMekNames(MegaMekNamesText(), catalog, names, error, line)) return true;
    std::cerr << "The MegaMek name table does not fit the catalog (line " << line << "): " << error << ".\n";
    return false;
}

// "--troopers 4" or "--year 3067" into `value`; an empty problem when it is one.
std::string ReadOption(const std::string& option, const std::string& text, int min, int max, int& value) {
    int v = 0;
    bool ok = !text.empty() && text.size() <= 5;
    for (char c : text) ok = ok && c >= '0' && c <= '9';
    if (ok) v = std::stoi(text);
    if (!ok || v < min || v > max)
        return option + " takes a number from " + std::to_string(min) + " to " + std::to_string(max) +
               ", not " + text;
    value = v;
    return {};
}

}  // namespace

std::string ParseExportBlkArgs(int argc, char** argv, BlkExportRequest& request) {
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--troopers" && arg != "--year") {
            files.push_back(arg);
            continue;
        }
        if (i + 1 >= argc) return arg + " needs a value";
        std::string problem = arg == "--troopers" ? ReadOption(arg, argv[++i], 1, 6, request.troopers)
                                                  : ReadOption(arg, argv[++i], 1, 9999, request.year);
        if (!problem.empty()) return problem;
    }
    if (files.size() != 2) return "--export-blk takes a design file and an output file";
    request.design = files[0];
    request.out = files[1];
    if (SameFile(request.design, request.out)) return "--export-blk would write over the design it reads";
    return {};
}

std::string ParseImportBlkArgs(int argc, char** argv, BlkImportRequest& request) {
    if (argc != 4) return "--import-blk takes a unit file and an output file";
    request.unit = argv[2];
    request.out = argv[3];
    if (SameFile(request.unit, request.out)) return "--import-blk would write over the unit file it reads";
    return {};
}

int ExportBlk(const BlkExportRequest& request, const Context& ctx) {
    MegaMekNameTable names;
    if (!ReadNames(ctx.catalog, names)) return kRefused;
    BlkExportOptions options;
    options.troopers = request.troopers;
    if (request.year > 0) options.year = request.year;
    std::string error;
    if (!WriteBlkFile(request.out, BlkFileBytes(ctx, names, options), error)) {
        std::cerr << "Cannot write the unit file " << request.out << ": " << error << ".\n";
        return kRefused;
    }
    return 0;
}

int ImportBlk(const BlkImportRequest& request, const Context& ctx) {
    MegaMekNameTable names;
    if (!ReadNames(ctx.catalog, names)) return kRefused;
    BlkImport imported;
    BlkRefusal refusal;
    if (!ReadBlkFile(request.unit, ctx.catalog, names, imported, refusal)) {
        std::cerr << FormatBlkLine(request.unit, refusal.line, refusal.problem) << "\n";
        return kRefused;
    }
    std::string error;
    if (!DoSaveAs(imported.design, request.out, error)) {
        std::cerr << "Cannot write the design " << request.out << ": " << error << ".\n";
        return kRefused;
    }
    std::cout << BlkReportText(request.unit, imported.report);
    std::cout.flush();
    if (!std::cout) return kRefused;
    return imported.report.empty() ? 0 : 1;
}

}  // namespace vantrel
