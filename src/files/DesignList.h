#pragma once

#include "model/Catalog.h"
#include "model/Context.h"
#include "model/Design.h"

#include <array>
#include <cstddef>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// The columns of a listing of design files, in the order they are written.
enum DesignColumn : int {
    kColFile,
    kColName,
    kColModel,
    kColChassis,
    kColWeightClass,
    kColTechBase,
    kColGroundMP,
    kColJumpMP,
    kColVTOLMP,
    kColUMUMP,
    kColArmorType,
    kColArmorPoints,
    kColCurrentKg,
    kColFreeKg,
    kColMaxHeat,
    kColHeatDissipation,
    kColFreeCSlots,
    kColEstimatedBV,
    kColCost,
    kColErrors,
    kColWarnings,
    kColProblem,
    kDesignColumnCount
};

// "file", "name", ... "problem": the header of TSV and CSV and the keys of JSON.
extern const char* const kDesignColumnNames[kDesignColumnCount];

// Columns holding a whole number (empty on the row of a file that could not be read).
bool IsNumericColumn(int column);

// One listed file: the texts of its columns. `problem` is empty when the design was read.
struct DesignRow {
    std::array<std::string, kDesignColumnCount> cells;

    const std::string& operator[](int column) const { return cells[column]; }
    bool Readable() const { return cells[kColProblem].empty(); }
    bool operator==(const DesignRow&) const = default;
};

// A reader of one kind of design file: the extension it takes (lower case, with the dot) and how it
// reads a file into a design, or says why it cannot.
struct DesignReader {
    const char* extension;
    bool (*read)(const CatalogRef& catalog, const std::string& path, Design& out, std::string& problem);
};

// Every kind of design file the listing reads; another reader joins by adding its line here.
std::span<const DesignReader> DesignReaders();

// The reader for the file's extension (any case), or nullptr when the file is no design.
const DesignReader* ReaderFor(const std::string& path);

// A path to list, with the problem found while walking the folders (a sub-folder that could not be
// read), if any.
struct ListedFile {
    std::string path;
    std::string problem;
};

// The design files of `folder` (and of its sub-folders when `recursive`; links to folders are not
// followed), sorted by path. Other files are left out; a design file that is not a regular file (a
// named pipe) is kept, so its row says why it cannot be read. False with `error` when the folder
// itself cannot be read.
bool ListDesignFiles(const std::string& folder, bool recursive, std::vector<ListedFile>& out,
                     std::string& error);

// The row of one file, read as the window reads a design: opened, its totals worked out, checked.
// `scratch` holds the catalog; its other fields are overwritten.
DesignRow ReadDesignRow(Context& scratch, const ListedFile& file);

// Reads the rows of `files` on `workers` threads and hands them on in the files' order, at most
// `batchSize` at a time, so memory does not grow with the number of files. Reading stops after a
// batch for which `batchDone` returns false.
void ReadDesignRows(const CatalogRef& catalog, const std::vector<ListedFile>& files, int workers,
                    std::size_t batchSize, const std::function<bool(std::vector<DesignRow>&)>& batchDone);

enum class ListFormat { Tsv, Csv, Json };

// The header line (TSV, CSV) or the opening bracket (JSON).
void WriteListStart(std::ostream& out, ListFormat format);
// One row; `first` tells JSON whether a comma goes before it.
void WriteListRow(std::ostream& out, ListFormat format, const DesignRow& row, bool first);
// The closing bracket of JSON; nothing for the others.
void WriteListEnd(std::ostream& out, ListFormat format, bool empty);

// The cells joined by tabs, tabs and line breaks inside a cell turned into blanks; no line end.
std::string TsvLine(const std::vector<std::string>& cells);

}  // namespace vantrel
