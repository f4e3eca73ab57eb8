#include "files/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

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

bool IsOurTempName(const std::string& name) {
    if (name.size() != 9 + 12 + 4 || name.rfind(".vantrel-", 0) != 0 || name.substr(21) != ".tmp")
        return false;
    return name.find_first_not_of("0123456789abcdef", 9) == 21;
}

// A save killed half way leaves its temporary file; one older than any save could take is stale.
void RemoveStaleTempFiles(const fs::path& folder) {
    std::error_code ec;
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(10);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsOurTempName(name) || !it->is_regular_file(ec)) continue;
        if (it->last_write_time(ec) < cutoff && !ec) fs::remove(it->path(), ec);
    }
}

SyncHook gSyncHook = nullptr;

// Forces data to the disk: a rename alone can leave an empty file after a power cut.
bool Sync(int fd, const char* what) {
    if (gSyncHook != nullptr) gSyncHook(what);
    return ::fsync(fd) == 0;
}

bool SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = Sync(fd, "folder");
    ::close(fd);
    return ok;
}

}  // namespace

void SetSyncHookForTesting(SyncHook hook) { gSyncHook = hook; }

namespace {

// The file a write to `path` replaces: what a symbolic link points to, not the link itself. Sets
// `error` and returns nothing when the target must not be replaced.
std::optional<fs::path> WriteTarget(const std::string& path, std::string& error) {
    if (path.empty()) {
        error = "no file name was given";
        return std::nullopt;
    }
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec)) {
        error = "it is a folder";
        return std::nullopt;
    }
    const fs::file_status current = fs::status(target, ec);
    if (ec || !fs::exists(current)) return target;
    // A pipe or a device would be replaced by a plain file, a read-only file without a question.
    if (!fs::is_regular_file(current)) {
        error = "it is not a regular file";
        return std::nullopt;
    }
    // The mode bits alone miss a file of another user in a folder this user may write in: the
    // rename would replace it all the same. Only what this user may open for writing is replaced.
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((current.permissions() & kWrite) == fs::perms::none ||
        ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        error = "the file is read-only";
        return std::nullopt;
    }
    return target;
}

// The replacement takes the old file's owner and group; a user who may not give the owner away
// still keeps the group where it is one of theirs. Failing both leaves the new file this user's.
void KeepOwner(const fs::path& temp, const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) return;
    if (::chown(temp.c_str(), old.st_uid, old.st_gid) == 0) return;
    [[maybe_unused]] const int ignored = ::chown(temp.c_str(), static_cast<uid_t>(-1), old.st_gid);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    const std::optional<fs::path> checked = WriteTarget(path, error);
    if (!checked) return false;
    const fs::path& target = *checked;
    std::error_code ec;
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    RemoveStaleTempFiles(folder);

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
    ok = ok && Sync(fileno(file), "file");
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

    // The new file takes the owner and permissions of the one it replaces (a change of owner drops
    // set-id bits, so the permissions come second).
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) {
        KeepOwner(temp, target);
        fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);
    }

    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        error = "the file cannot be replaced: " + ec.message();
        return false;
    }
    // The new name is durable only once the folder is on disk too; the file itself already is.
    SyncFolder(folder);
    return true;
}

const char* const kTargetIsTheDesign = "it is the design file itself";

bool CheckWriteTarget(const std::string& path, std::string& error) {
    return WriteTarget(path, error).has_value();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    const bool same = fs::equivalent(a, b, ec);
    return !ec && same;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
                     static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
}

}  // namespace vantrel
