#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel {

// Writes `bytes` to `path` without ever leaving a half-written file there: the bytes go to a new
// temporary file in the same folder, which then replaces the target in one rename. On failure the
// temporary file is removed, an existing file at `path` is left as it was, and `error` says why.
// The temporary file is forced to disk before the rename and the folder after it, so a power cut
// leaves either the old file or the new one. A target that is not a regular file, or is read-only,
// is refused. Temporary files of a save killed half way (older than ten minutes) are removed.
// A target that is not a regular file, or that this user cannot open for writing ("the file is
// read-only"), is refused. A replaced file keeps its permissions, and its owner and group where the
// system lets this user give them.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// The checks WriteFileAtomically makes of the target before it writes, for work that is long to do
// before the bytes exist: false with `error` set when the target would be refused.
bool CheckWriteTarget(const std::string& path, std::string& error);

// The refusal of an output that would replace the design it is made from.
extern const char* const kTargetIsTheDesign;  // "it is the design file itself"

// True when both names reach the same existing file (through links, hard links or another spelling).
bool SameFile(const std::string& a, const std::string& b);

// What tells whether a file was replaced or written since it was last looked at.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};
// None when the file does not exist or cannot be looked at.
std::optional<FileStamp> StampOf(const std::string& path);

// Tests see each flush to disk ("file", then "folder"); nullptr turns the hook off.
using SyncHook = void (*)(const char* what);
void SetSyncHookForTesting(SyncHook hook);

}  // namespace vantrel
