#pragma once

#include "model/Catalog.h"

#include <functional>
#include <string>

namespace vantrel {

// Whether the arguments after --record-sheet ask for more than today's one design sheet: several
// designs, --kind or --per-page.
bool IsSheetBookRequest(int argc, char** argv);

// --record-sheet A.vnt B.vnt ... OUT.pdf [--paper a4|letter] [--troopers N] [--kind play|design]
// [--per-page 1..4]: every design's sheet in one PDF, in the order named. A design that cannot be
// read is named on standard error and the others are still drawn (exit status 1). `loadCatalog`
// reads the program's catalog, saying why on standard error when it cannot. Arguments that make no
// request leave `usageProblem` saying why, and nothing is read or written.
int RecordSheetsCommand(int argc, char** argv, const std::function<bool(CatalogRef&)>& loadCatalog,
                        std::string& usageProblem);

}  // namespace vantrel
