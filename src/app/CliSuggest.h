#pragma once

#include <functional>
#include <string>

namespace vantrel {

struct Context;

// Reads a design file into the context with its totals worked out; false (the reason already on
// standard error) when the file is refused.
using OpenDesignFile = std::function<bool(const std::string& fileName, Context& ctx)>;
// Prints the problem with the usage and gives the exit status.
using UsageProblem = std::function<int(const std::string& problem)>;

// vantrel --suggest DESIGN.vnt [--objective NAME] [--top N] [--time-limit S] [--apply OUT.vnt]:
// 0 with at least one proposal, 1 when nothing can be added, 2 for a file refused or not written.
int SuggestCommand(int argc, char** argv, const OpenDesignFile& open, const UsageProblem& usage);

}  // namespace vantrel
