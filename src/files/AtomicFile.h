#pragma once

#include <string>

namespace vantrel {

// Writes `bytes` to `path` without ever leaving a half-written file there: the bytes go to a new
// temporary file in the same folder, which then replaces the target in one rename. On failure the
// temporary file is removed, an existing file at `path` is left as it was, and `error` says why.
// The temporary file is forced to disk before the rename and the folder after it, so a power cut
// leaves either the old file or the new one. A target that is not a regular file, or is read-only,
// is refused. Temporary files of a save killed half way (older than ten minutes) are removed.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Tests see each flush to disk ("file", then "folder"); nullptr turns the hook off.
using SyncHook = void (*)(const char* what);
void SetSyncHookForTesting(SyncHook hook);

}  // namespace vantrel
