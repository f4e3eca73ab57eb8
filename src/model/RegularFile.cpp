#include "model/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vantrel {

const char* const kNotRegularFile = "the file is not a regular file";

bool IsNonRegularFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

bool ReadFileBytes(const std::string& path, long maxBytes, std::string& bytes, std::string& error) {
    if (IsNonRegularFile(path)) {
        error = kNotRegularFile;
        return false;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = std::string("the file cannot be opened: ") + std::strerror(errno);
        return false;
    }
    bytes.clear();
    char buffer[65536];
    bool readError = false;
    for (;;) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, file);
        bytes.append(buffer, n);
        if (static_cast<long>(bytes.size()) > maxBytes) break;
        if (n < sizeof buffer) {
            readError = std::ferror(file) != 0;
            break;
        }
    }
    const int err = errno;
    std::fclose(file);
    if (readError) {
        error = std::string("the file cannot be read: ") + std::strerror(err);
        return false;
    }
    return true;
}

}  // namespace vantrel
