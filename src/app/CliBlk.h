#pragma once

#include "model/Context.h"

#include <string>

namespace vantrel {

// --export-blk DESIGN.vnt OUT.blk [--troopers N] [--year N]
struct BlkExportRequest {
    std::string design, out;
    int troopers = 0;  // 0: by technology base
    int year = 0;      // 0: the default year
};
// --import-blk UNIT.blk OUT.vnt
struct BlkImportRequest {
    std::string unit, out;
};

// The arguments after the option; an empty problem when they make a request.
std::string ParseExportBlkArgs(int argc, char** argv, BlkExportRequest& request);
std::string ParseImportBlkArgs(int argc, char** argv, BlkImportRequest& request);

// `ctx` holds the opened design (export) or the catalog (import). Exit status: export 0 or 2;
// import 0 when nothing was left out, 1 when the report printed on standard output is not empty,
// 2 when the unit file is refused (one line on standard error) or the design cannot be written.
int ExportBlk(const BlkExportRequest& request, const Context& ctx);
int ImportBlk(const BlkImportRequest& request, const Context& ctx);

}  // namespace vantrel
