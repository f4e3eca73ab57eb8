#include "files/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

std::string Reason(int err) {
    return err != 0 ? std::string(std::strerror(err)) : std::string("unknown error");
}

std::string TempName() {
    static std::mt19937 generator{std::random_device{}()};
    static const char* const kHex = "0123456789abcdef";
    std::string name = ".vantrel-";
    for (int i = 0; i < 12; ++i) name += kHex[generator() % 16];
    return name + ".tmp";
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    if (path.empty()) {
        error = "no file name was given";
        return false;
    }
    std::error_code ec;
    fs::path target(path);
    // Replace what a symbolic link points to, not the link itself.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec)) {
        error = "it is a folder";
        return false;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    // Exclusive creation ("x"): never write into a file someone else just made under the same name.
    std::FILE* file = nullptr;
    fs::path temp;
    int err = 0;
    for (int attempt = 0; attempt < 16 && file == nullptr; ++attempt) {
        temp = folder / TempName();
        errno = 0;
        file = std::fopen(temp.c_str(), "wbx");
        err = errno;
        if (file == nullptr && err != EEXIST) break;
    }
    if (file == nullptr) {
        error = "a file cannot be created in " + folder.string() + ": " + Reason(err);
        return false;
    }

    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = ok && std::fflush(file) == 0;
    err = errno;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        fs::remove(temp, ec);
        error = "writing failed: " + Reason(err);
        return false;
    }

    // The new file takes the permissions of the one it replaces.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);

    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        error = "the file cannot be replaced: " + ec.message();
        return false;
    }
    return true;
}

}  // namespace vantrel
