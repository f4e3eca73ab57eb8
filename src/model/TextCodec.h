#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// Files on disk are Windows-1252; the program works in UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'; invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);

// Whether the code page holds the character (otherwise it would be written as '?').
bool FitsCp1252(uint32_t codePoint);

}  // namespace vantrel
