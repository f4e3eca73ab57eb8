#pragma once

#include <string>

namespace vantrel {

// True when `path` names something that exists but is not a regular file (a folder, a named pipe, a
// device). Checked before opening, since opening a named pipe blocks for ever.
bool IsNonRegularFile(const std::string& path);

extern const char* const kNotRegularFile;  // "the file is not a regular file"

}  // namespace vantrel
