#pragma once

#include "sheet/RecordSheet.h"

#include <string>

namespace vantrel {

struct SheetLayout;

// Writes the one-page PDF of the sheet, replacing `path` in one step: when writing fails the old
// file stays as it was and `error` says why. Brings up the toolkit without a display when no
// application object exists yet (the command line).
bool WriteRecordSheetPdf(const std::string& path, const RecordSheet& sheet, Paper paper, std::string& error);

}  // namespace vantrel
