#pragma once

namespace vantrel {

constexpr int kNotACommand = -1;

// Handles --help and the commands that run without a window (--summary, --check, --breakdown,
// --export-text, --record-sheet, --list, --export-blk, --import-blk, ...); returns the exit status, or
// kNotACommand when the arguments ask for the window.
int RunCommandLine(int argc, char** argv);

}  // namespace vantrel
