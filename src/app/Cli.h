#pragma once

namespace vantrel {

constexpr int kNotACommand = -1;

// Handles --help, --summary, --check, --breakdown, --export-text, --record-sheet, --export-blk and
// --import-blk; returns the exit status, or kNotACommand when the arguments ask for the window.
int RunCommandLine(int argc, char** argv);

}  // namespace vantrel
