#include "model/RegularFile.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

const char* const kNotRegularFile = "the file is not a regular file";

bool IsNonRegularFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

}  // namespace vantrel
