#include "app/CliSheets.h"

#include "sheet/SheetBook.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

namespace {

constexpr int kSomeFailed = 1;
constexpr int kFailed = 2;

bool TakesValue(const std::string& arg) {
    return arg == "--paper" || arg == "--troopers" || arg == "--kind" || arg == "--per-page" ||
           arg == "--gunnery" || arg == "--anti-mech";
}

struct BookRequest {
    std::vector<std::string> designs;
    std::string out;
    Paper paper = Paper::A4;
    int troopers = 0;
    SheetKind kind = SheetKind::Design;
    int perPage = 0;
    PlaySkills skills;
};

bool Digit(const std::string& value, int low, int high, int& out) {
    if (value.size() != 1 || value[0] < '0' + low || value[0] > '0' + high) return false;
    out = value[0] - '0';
    return true;
}

std::string ParseOption(const std::string& option, const std::string& value, BookRequest& r) {
    if (option == "--paper") {
        const std::optional<Paper> paper = PaperNamed(value);
        if (!paper) return "--paper takes a4 or letter, not " + value;
        r.paper = *paper;
    } else if (option == "--troopers") {
        if (!Digit(value, kMinTroopers, kMaxTroopers, r.troopers))
            return "--troopers takes a number from 1 to 6, not " + value;
    } else if (option == "--kind") {
        if (value == "play")
            r.kind = SheetKind::Play;
        else if (value == "design")
            r.kind = SheetKind::Design;
        else
            return "--kind takes play or design, not " + value;
    } else if (option == "--gunnery" || option == "--anti-mech") {
        int skill = 0;
        if (!Digit(value, 0, 8, skill)) return option + " takes a skill from 0 to 8, not " + value;
        (option == "--gunnery" ? r.skills.gunnery : r.skills.antiMech) = value;
    } else if (!Digit(value, 1, 4, r.perPage)) {
        return "--per-page takes a number from 1 to 4, not " + value;
    }
    return {};
}

// The last name that is not an option is the output; the ones before it are the designs.
std::string Parse(int argc, char** argv, BookRequest& r) {
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!TakesValue(arg)) {
            files.push_back(arg);
            continue;
        }
        if (i + 1 >= argc) return arg + " needs a value";
        if (std::string problem = ParseOption(arg, argv[++i], r); !problem.empty()) return problem;
    }
    if (files.size() < 2) return "--record-sheet takes one or more design files and an output file";
    r.out = files.back();
    files.pop_back();
    r.designs = std::move(files);
    return {};
}

// The sheet must not take the place of a design it is drawn from.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool IsSheetBookRequest(int argc, char** argv) {
    int files = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--kind" || arg == "--per-page" || arg == "--gunnery" || arg == "--anti-mech") return true;
        if (TakesValue(arg))
            ++i;
        else
            ++files;
    }
    return files > 2;
}

int RecordSheetsCommand(int argc, char** argv, const std::function<bool(CatalogRef&)>& loadCatalog,
                        std::string& usageProblem) {
    BookRequest request;
    usageProblem = Parse(argc, argv, request);
    if (!usageProblem.empty()) return kFailed;
    for (const std::string& design : request.designs) {
        if (SameFile(design, request.out)) {
            std::cerr << "Cannot write the record sheets " << request.out << ": it is the design " << design
                      << ".\n";
            return kFailed;
        }
    }
    CatalogRef catalog;
    if (!loadCatalog(catalog)) return kFailed;
    SheetBook book;
    book.kind = request.kind;
    book.perPage = request.perPage;
    const PlayTables tables = request.kind == SheetKind::Play ? LoadPlayTables() : PlayTables{};
    const std::vector<std::string> failed =
        AddDesignFiles(book, catalog, request.designs, request.troopers, tables, request.skills);
    for (const std::string& line : failed) std::cerr << line << "\n";
    if (book.Count() == 0) return kFailed;
    std::string error;
    if (!WriteSheetBookPdf(request.out, book, request.paper, error)) {
        std::cerr << "Cannot write the record sheets " << request.out << ": " << error << ".\n";
        return kFailed;
    }
    return failed.empty() ? 0 : kSomeFailed;
}

}  // namespace vantrel
