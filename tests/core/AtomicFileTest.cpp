// Who may replace a file, and whose it stays.

#include "files/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

struct TempDir {
    fs::path path;
    TempDir() {
        char name[] = "/tmp/vantrel-atomic-XXXXXX";
        path = ::mkdtemp(name);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// Runs `body` in a child process as the unprivileged user; its return value is the child's status.
int AsNobody(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) ::_exit(90);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 91;
}

TEST(AtomicFile, AnotherUsersFileInAWritableFolderIsReadOnly) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a file of another user";
    TempDir dir;
    // A shared folder anyone may write in, holding root's 0644 file: the mode says "writable" and
    // the rename would succeed, yet the user may not open it for writing.
    fs::permissions(dir.path, fs::perms::all);
    const fs::path file = dir.path / "root.vnt";
    WriteBytes(file, "root's\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    const int status = AsNobody([&] {
        std::string error;
        if (CheckWriteTarget(file.string(), error)) return 1;
        if (WriteFileAtomically(file.string(), "nobody's\r\n", error)) return 2;
        return error == "the file is read-only" ? 0 : 3;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(file), "root's\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);

    // A new file beside it is the user's own to write.
    EXPECT_EQ(AsNobody([&] {
                  std::string error;
                  return WriteFileAtomically((dir.path / "mine.vnt").string(), "x", error) ? 0 : 1;
              }),
              0);
}

TEST(AtomicFile, AReplacedFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file away";
    TempDir dir;
    const fs::path file = dir.path / "theirs.vnt";
    WriteBytes(file, "old\r\n");
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNoGroup), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file.string(), "new\r\n", error)) << error;
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNoGroup);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace vantrel
