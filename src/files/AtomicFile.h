#pragma once

#include <string>

namespace vantrel {

// Writes `bytes` to `path` without ever leaving a half-written file there: the bytes go to a new
// temporary file in the same folder, which then replaces the target in one rename. On failure the
// temporary file is removed, an existing file at `path` is left as it was, and `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

}  // namespace vantrel
