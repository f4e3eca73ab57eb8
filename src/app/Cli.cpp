#include "app/Cli.h"

namespace vantrel {

int RunCommandLine(int, char**) { return kNotACommand; }

}  // namespace vantrel
