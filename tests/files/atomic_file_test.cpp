#include "files/atomic_file.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

// The calls that put a save on the disk, as the program makes them: every fsync and rename
// of this test program is noted (with the path of the file synced) and then made.
namespace {

std::vector<std::string>& DiskCalls() {
  static std::vector<std::string> calls;
  return calls;
}

// Other tests of this program write files from several threads at once.
void NoteDiskCall(std::string call) {
  static std::mutex mutex;
  const std::lock_guard<std::mutex> lock(mutex);
  DiskCalls().push_back(std::move(call));
}

std::string PathOfDescriptor(int fd) {
  char path[4096] = {};
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = readlink(link.c_str(), path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

template <typename Function>
Function* Next(const char* name) {
  return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
  NoteDiskCall("fsync " + PathOfDescriptor(fd));
  static auto* const next = Next<int(int)>("fsync");
  return next(fd);
}

extern "C" int rename(const char* from, const char* to) {
  NoteDiskCall(std::string("rename ") + from + " " + to);
  static auto* const next = Next<int(const char*, const char*)>("rename");
  return next(from, to);
}

namespace kol {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::size_t FilesIn(const fs::path& dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

struct stat StatOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}

constexpr uid_t kNobody = 65534;

// Who a child process runs as, when the test runs as root.
struct Identity {
  uid_t uid;
  gid_t gid;
  std::vector<gid_t> groups;  // supplementary
};
const Identity kOrdinaryUser{kNobody, kNobody, {}};

// Runs `attempt` in a child process as `who` (root may write any file, and a folder's
// permissions do not bind it); true when it returned true. A test that does not run as
// root already runs as an ordinary user, and so does the child.
bool AsUser(const Identity& who, const std::function<bool()>& attempt) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgroups(who.groups.size(), who.groups.data()) != 0 ||
                           setgid(who.gid) != 0 || setuid(who.uid) != 0)) {
      _exit(2);
    }
    _exit(attempt() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) {
    ADD_FAILURE() << "the child could not run as uid " << who.uid;
    return false;
  }
  return WEXITSTATUS(status) == 0;
}

// The disk calls this test program made on paths in `folder`.
std::vector<std::string> DiskCallsIn(const std::string& folder) {
  std::vector<std::string> calls;
  for (const std::string& call : DiskCalls()) {
    if (call.find(folder) != std::string::npos) calls.push_back(call);
  }
  return calls;
}

TEST(WriteFileAtomically, CreatesAndReplacesWithoutLeavingTemporaries) {
  test::TempDir dir;
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_TRUE(WriteFileAtomically(path, std::string("sec\0ond", 7)));
  EXPECT_EQ(ReadAll(path), std::string("sec\0ond", 7));
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, FailedWriteKeepsTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "old contents"));
  std::string error;
  {
    test::FileSizeLimit full(16);  // the disk "fills up" after 16 bytes
    EXPECT_FALSE(WriteFileAtomically(path, std::string(4096, 'x'), &error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadAll(path), "old contents");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, RefusesPathsThatCannotHoldAFile) {
  test::TempDir dir;
  std::string error;
  int number = 0;
  EXPECT_FALSE(WriteFileAtomically(dir.path().string(), "x", &error, &number));  // a folder
  EXPECT_EQ(number, EISDIR);
  EXPECT_FALSE(WriteFileAtomically(dir.File("missing/a.dat"), "x", &error, &number));
  EXPECT_EQ(number, ENOENT);
  ASSERT_EQ(mkfifo(dir.File("pipe.dat").c_str(), 0644), 0);
  EXPECT_FALSE(WriteFileAtomically(dir.File("pipe.dat"), "x", &error, &number));
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.dat")));
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

// A read-only file stays as it is, with the reason a plain write would give.
TEST(WriteFileAtomically, RefusesAFileThatMayNotBeWritten) {
  test::TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "kept"));
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(AsUser(kOrdinaryUser, [&] {
    std::string error;
    int number = 0;
    return !WriteFileAtomically(path, "new", &error, &number) && number == EACCES &&
           error == "Permission denied";
  }));
  EXPECT_EQ(ReadAll(path), "kept");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, ReplacedFileKeepsItsModeAndOwner) {
  test::TempDir dir;
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_TRUE(WriteFileAtomically(path, "second"));
  const struct stat status = StatOf(path);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(status.st_uid, kNobody);
  }
  EXPECT_EQ(ReadAll(path), "second");
}

// The link stays a link and its file gets the bytes, whether the file exists yet or not
// and however many links lead to it.
TEST(WriteFileAtomically, WritesThroughSymbolicLinks) {
  test::TempDir dir;
  fs::create_directory(dir.File("real"));
  ASSERT_TRUE(WriteFileAtomically(dir.File("real/a.dat"), "old"));
  fs::create_symlink("real/a.dat", dir.File("link.dat"));
  fs::create_symlink(dir.File("link.dat"), dir.File("second-link.dat"));
  fs::create_symlink("real/new.dat", dir.File("dangling.dat"));

  ASSERT_TRUE(WriteFileAtomically(dir.File("second-link.dat"), "new"));
  ASSERT_TRUE(WriteFileAtomically(dir.File("dangling.dat"), "created"));
  EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
  EXPECT_TRUE(fs::is_symlink(dir.File("second-link.dat")));
  EXPECT_TRUE(fs::is_symlink(dir.File("dangling.dat")));
  EXPECT_EQ(ReadAll(dir.File("real/a.dat")), "new");
  EXPECT_EQ(ReadAll(dir.File("real/new.dat")), "created");
  EXPECT_EQ(FilesIn(dir.File("real")), 2u);

  fs::create_symlink("loop.dat", dir.File("loop.dat"));
  int number = 0;
  EXPECT_FALSE(WriteFileAtomically(dir.File("loop.dat"), "x", nullptr, &number));
  EXPECT_EQ(number, ELOOP);
}

// The temporary name is cut so that it stays a legal name.
TEST(WriteFileAtomically, TakesTheLongestLegalName) {
  test::TempDir dir;
  const std::string path = dir.File(std::string(251, 'n') + ".dat");
  ASSERT_TRUE(WriteFileAtomically(path, "long"));
  EXPECT_EQ(ReadAll(path), "long");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

// Complete or untouched across a power cut: the bytes are on the disk before the rename,
// and the rename is before the call returns.
TEST(WriteFileAtomically, SyncsTheFileBeforeTheRenameAndTheFolderAfterIt) {
  test::TempDir dir;
  const std::string folder = fs::canonical(dir.path()).string();
  const std::string path = folder + "/a.dat";
  DiskCalls().clear();
  ASSERT_TRUE(WriteFileAtomically(path, "synced"));
  const std::vector<std::string> calls = DiskCallsIn(folder);
  ASSERT_EQ(calls.size(), 3u);
  const std::string temporary = calls[0].substr(std::string("fsync ").size());
  EXPECT_EQ(temporary.rfind(path + ".", 0), 0u) << temporary;
  EXPECT_EQ(calls[1], "rename " + temporary + " " + path);
  EXPECT_EQ(calls[2], "fsync " + folder);
}

// A replacement would leave the file's other names with the old bytes: the file itself is
// written and synced, and a write that fails puts the previous bytes back.
TEST(WriteFileAtomically, HardLinkedFileIsWrittenInPlace) {
  test::TempDir dir;
  const std::string folder = fs::canonical(dir.path()).string();
  const std::string path = folder + "/a.dat";
  ASSERT_TRUE(WriteFileAtomically(path, "old contents"));
  fs::create_hard_link(path, folder + "/b.dat");
  const ino_t inode = StatOf(path).st_ino;

  DiskCalls().clear();
  ASSERT_TRUE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(ReadAll(folder + "/b.dat"), "new");
  EXPECT_EQ(StatOf(path).st_ino, inode);
  EXPECT_EQ(StatOf(path).st_nlink, 2u);
  EXPECT_EQ(DiskCallsIn(folder), std::vector<std::string>{"fsync " + path});

  int number = 0;
  {
    test::FileSizeLimit full(8);  // the disk "fills up" after 8 bytes
    EXPECT_FALSE(WriteFileAtomically(path, std::string(4096, 'x'), nullptr, &number));
  }
  EXPECT_EQ(number, EFBIG);
  EXPECT_EQ(ReadAll(folder + "/b.dat"), "new");
  EXPECT_EQ(FilesIn(dir.path()), 2u);
}

// Root may create files in any folder; an ordinary user writes the file itself.
TEST(WriteFileAtomically, WritableFileInAFolderTheUserMayNotWriteIsSaved) {
  test::TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  const fs::path folder = dir.path() / "read-only";
  fs::create_directory(folder);
  const std::string path = (folder / "a.dat").string();
  ASSERT_TRUE(WriteFileAtomically(path, "old"));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write | fs::perms::others_read |
                            fs::perms::others_write);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec |
                              fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(WriteFileAtomically(path, "by the test's user"));
  EXPECT_EQ(ReadAll(path), "by the test's user");
  EXPECT_TRUE(AsUser(kOrdinaryUser, [&] { return WriteFileAtomically(path, "by an ordinary user"); }));
  EXPECT_EQ(ReadAll(path), "by an ordinary user");
  EXPECT_EQ(FilesIn(folder), 1u);
  fs::permissions(folder, fs::perms::owner_all);
}

// A file shared through its group stays its owner's when a member of the group saves it.
TEST(WriteFileAtomically, GroupWritableFileOfAnotherUserKeepsItsOwner) {
  if (geteuid() != 0) {
    GTEST_SKIP() << "only root can give a file to one user and save it as another";
  }
  constexpr gid_t kShared = 60000;
  const Identity member{60001, 60001, {kShared}};
  test::TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "old"));
  ASSERT_EQ(chown(path.c_str(), kNobody, kShared), 0);
  ASSERT_EQ(chmod(path.c_str(), 0664), 0);
  const ino_t inode = StatOf(path).st_ino;

  EXPECT_TRUE(AsUser(member, [&] { return WriteFileAtomically(path, "new"); }));
  const struct stat status = StatOf(path);
  EXPECT_EQ(status.st_uid, kNobody);
  EXPECT_EQ(status.st_gid, kShared);
  EXPECT_EQ(status.st_mode & 07777, 0664u);
  EXPECT_EQ(status.st_ino, inode);
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace kol
