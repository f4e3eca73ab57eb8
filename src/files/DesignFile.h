#pragma once

#include "model/Design.h"

#include <string>

namespace vantrel {

// Limits a design file must keep beside the ranges of its lists; larger values would only come
// from a damaged file and would swamp the owned lists and the totals.
constexpr int32_t kMaxMovementPoints = 16;
constexpr int32_t kMaxCount = 1000;           // any unit count, heat sinks, armor points or slots
constexpr int32_t kMaxArmorWeight = 1000000;  // kg

// Writes the 1332 records of the design (Windows-1252, CR LF after every record). The target is
// replaced in one step: on failure the old file stays as it was and `error` says why.
bool DoSaveAs(const Design& design, const std::string& fileName, std::string& error);

// The bytes DoSaveAs writes.
std::string DesignFileBytes(const Design& design);

// Reads the 1332 records into a fresh design and assigns it to `out` only when every record was read
// and is inside its limits. On failure `out` is untouched, `badRecord` is the 1-based number of the
// first missing or bad record (0 when the file itself cannot be read) and `error` names the variable
// and the problem.
bool DoOpen(const std::string& fileName, Design& out, std::string& error, int& badRecord);

// Same as DoOpen, on the bytes of a file.
bool ParseDesignFile(const std::string& bytes, Design& out, std::string& error, int& badRecord);

// One line for the user: the file, the record and the problem.
std::string FormatOpenError(const std::string& fileName, int badRecord, const std::string& error);

// The warnings of the save commands; at most one applies, overweight first.
extern const char* const kOverweightWarning;
extern const char* const kHeatWarning;
// The warning a save of this design shows, or nullptr.
const char* SaveWarning(const Design& design);

}  // namespace vantrel
