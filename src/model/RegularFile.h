#pragma once

#include <string>

namespace vantrel {

// True when `path` names something that exists but is not a regular file (a folder, a named pipe, a
// device). Checked before opening, since opening a named pipe blocks for ever.
bool IsNonRegularFile(const std::string& path);

extern const char* const kNotRegularFile;  // "the file is not a regular file"

// Reads a regular file whole, stopping once more than `maxBytes` have come in (the caller refuses such
// a file by its size); false with the reason when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, long maxBytes, std::string& bytes, std::string& error);

}  // namespace vantrel
