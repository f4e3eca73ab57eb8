#include "app/Cli.h"

#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "model/Design.h"
#include "rules/MainCalc.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

// Runs before any QApplication exists, so nothing here may need Qt or a display.

namespace vantrel {

namespace {

namespace fs = std::filesystem;

constexpr int kFailed = 2;

const char* const kUsage =
    "Usage: vantrel [DESIGN.vnt]\n"
    "       vantrel --summary DESIGN.vnt\n"
    "       vantrel --export-text DESIGN.vnt OUT.txt\n"
    "       vantrel --help\n";

const char* const kHelp =
    "Vantrel, a design workshop for Battle Armor suits.\n"
    "\n"
    "Without options the program opens its window, with the design file when one is named.\n"
    "\n"
    "Options (no window is opened, no display is needed):\n"
    "  --summary DESIGN.vnt              print the seven status figures of the design, then the\n"
    "                                    warning a save would give, if any\n"
    "  --export-text DESIGN.vnt OUT.txt  write the text readout of the design to OUT.txt\n"
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

bool LoadProgramCatalog(const char* argv0, Catalog& catalog) {
    const std::string path = (ProgramFolder(argv0) / "stuff.plb").string();
    CatalogError error;
    if (LoadCatalog(path, catalog, error)) return true;
    std::cerr << FormatCatalogError(path, error) << "\n";
    return false;
}

// The design of the file with its totals recomputed, as the window would show it.
bool OpenAndCalculate(const char* argv0, const std::string& fileName, Catalog& catalog, Design& design,
                      std::string& armorText) {
    if (!LoadProgramCatalog(argv0, catalog)) return false;
    std::string error;
    int badRecord = 0;
    if (!DoOpen(fileName, design, error, badRecord)) {
        std::cerr << FormatOpenError(fileName, badRecord, error) << "\n";
        return false;
    }
    armorText = ArmorTypeName(design.TechBase, design.ArmorType);
    MainCalc(catalog, design, armorText);
    return true;
}

int Summary(const char* argv0, const std::string& fileName) {
    Catalog catalog;
    Design design;
    std::string armorText;
    if (!OpenAndCalculate(argv0, fileName, catalog, design, armorText)) return kFailed;
    for (const std::string& text : StatusTexts(design)) std::cout << text << "\n";
    if (const char* warning = SaveWarning(design)) std::cout << warning << "\n";
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

int ExportText(const char* argv0, const std::string& fileName, const std::string& outName) {
    Catalog catalog;
    Design design;
    std::string armorText;
    if (!OpenAndCalculate(argv0, fileName, catalog, design, armorText)) return kFailed;
    std::string error;
    if (!WriteReadout(outName, Readout(catalog, design, armorText), error)) {
        std::cerr << "Cannot write the readout " << outName << ": " << error << ".\n";
        return kFailed;
    }
    return 0;
}

}  // namespace

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
    if (option == "--export-text") {
        if (argc != 4) return UsageError("--export-text takes a design file and an output file");
        return ExportText(argv[0], argv[2], argv[3]);
    }
    return UsageError("unknown option " + option);
}

}  // namespace vantrel
