#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vantrel::test {

// The golden files of tests/data.
inline const std::filesystem::path kData = std::filesystem::path(VANTREL_SOURCE_DIR) / "tests" / "data";

inline std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vantrel::test
