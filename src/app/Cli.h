#pragma once

namespace vantrel {

constexpr int kNotACommand = -1;

// Handles --help, --summary and --export-text; returns the exit status, or kNotACommand when the
// arguments ask for the window.
int RunCommandLine(int argc, char** argv);

}  // namespace vantrel
