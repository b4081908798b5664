#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#include "files/file_read.h"

namespace kol {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up.
constexpr int kMostLinksFollowed = 40;
// The longest file name the common file systems take.
constexpr std::size_t kLongestFileName = 255;
constexpr std::size_t kSuffixLength = 13;  // ".%08x.tmp"

bool Fail(std::string* error, int* errorNumber, int number) {
  if (error != nullptr) *error = std::strerror(number);
  if (errorNumber != nullptr) *errorNumber = number;
  return false;
}

// The file `path` names once symbolic links are followed; a link to a file that does not
// exist yet names the file a plain write would create.
std::optional<fs::path> FollowLinks(fs::path path, int& errorNumber) {
  for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) {
      errorNumber = ec.value();
      return std::nullopt;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  errorNumber = ELOOP;
  return std::nullopt;
}

// Beside the target, named after it, cut so that the name stays legal however long the
// target's own name is.
fs::path TemporaryNameFor(const fs::path& target) {
  static std::mt19937_64 random{std::random_device{}()};
  char suffix[kSuffixLength + 1];
  std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                static_cast<unsigned long long>(random() & 0xFFFFFFFFull));
  std::string name = target.filename().string();
  name.resize(std::min(name.size(), kLongestFileName - kSuffixLength));
  return target.parent_path() / (name + suffix);
}

// What a plain write would refuse: a folder, a file it may not open for writing. Anything
// but a regular file (a device, a pipe) cannot be replaced by one and is refused as well.
// Zero when the target may be written, or does not exist yet.
int RefusalOf(const fs::path& target, const struct stat* existing) {
  if (existing == nullptr) return 0;
  if (S_ISDIR(existing->st_mode)) return EISDIR;
  if (!S_ISREG(existing->st_mode)) return EINVAL;
  const int probe = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (probe < 0) return errno;
  ::close(probe);
  return 0;
}

// Returns 0 or the error number.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Gives the file the replaced file's owner, group and mode. Only a privileged user may give
// a file away (EPERM): the file would then change owner, so it is not made a replacement.
int TakeOver(int fd, const struct stat& existing) {
  struct stat made {};
  if (::fstat(fd, &made) != 0) return errno;
  if ((made.st_uid != existing.st_uid || made.st_gid != existing.st_gid) &&
      ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
    return errno;
  }
  return ::fchmod(fd, existing.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes the temporary file completely onto the disk; removes it again when that fails.
// Returns 0 or the error number.
int WriteTemporary(const fs::path& temporary, std::string_view bytes, const struct stat* existing) {
  // "Exclusive": never reuse a file someone else created under the same name. A file that
  // replaces another starts private and takes that file's mode once complete.
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        existing != nullptr ? 0600 : 0666);
  if (fd < 0) return errno;
  int failure = WriteAll(fd, bytes);
  if (failure == 0 && existing != nullptr) failure = TakeOver(fd, *existing);
  if (failure == 0 && ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure != 0) ::unlink(temporary.c_str());
  return failure;
}

// The rename is on the disk only once its folder is; a file system that cannot sync a
// folder has nothing more to do.
void SyncFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(::fsync(fd));
  ::close(fd);
}

// Puts the complete temporary file under `target` unless a file of that name exists, in one
// step. File systems without an exclusive rename get a hard link, which fails the same way.
// Returns 0 or the error number.
int RenameWithoutReplacing(const fs::path& temporary, const fs::path& target) {
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  int failure = errno;
  if (failure == EINVAL || failure == ENOSYS) {
    failure = ::link(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
    ::unlink(temporary.c_str());
    return failure;
  }
  ::unlink(temporary.c_str());
  return failure;
}

// Writes the temporary file and renames it onto the target. Returns 0 or the error number.
int Replace(const fs::path& target, std::string_view bytes, const struct stat* existing) {
  const fs::path temporary = TemporaryNameFor(target);
  if (const int failure = WriteTemporary(temporary, bytes, existing)) return failure;
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int failure = errno;
    ::unlink(temporary.c_str());
    return failure;
  }
  SyncFolder(target);
  return 0;
}

// A replacement of a file that may be written failed for the way the file is stored, not
// for its bytes: no temporary file in a folder the user may not write, no owner to give
// it, no rename in a sticky folder or onto a file mounted on its own.
bool StorageRefusesReplacement(int failure) {
  return failure == EACCES || failure == EPERM || failure == EBUSY;
}

// The file holds exactly `bytes`, on the disk. Returns 0 or the error number.
int Overwrite(int fd, std::string_view bytes) {
  if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
  int failure = WriteAll(fd, bytes);
  if (failure == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) failure = errno;
  if (failure == 0 && ::fsync(fd) != 0) failure = errno;
  return failure;
}

// Writes over the file itself, which keeps its links, owner and everything else it has.
// Not atomic: should the write fail (a full disk), the previous bytes are written back.
// Returns 0 or the error number.
int WriteInPlace(const fs::path& target, std::string_view bytes) {
  const std::optional<std::string> previous = ReadWholeFile(target.string());
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno;
  int failure = Overwrite(fd, bytes);
  if (failure != 0 && previous) static_cast<void>(Overwrite(fd, *previous));
  if (::close(fd) != 0 && failure == 0) failure = errno;
  return failure;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         int* errorNumber) {
  int number = 0;
  const std::optional<fs::path> target = FollowLinks(fs::path(path), number);
  if (!target) return Fail(error, errorNumber, number);
  struct stat status {};
  const bool exists = ::stat(target->c_str(), &status) == 0;
  if (!exists && errno != ENOENT) return Fail(error, errorNumber, errno);
  const struct stat* existing = exists ? &status : nullptr;
  if (const int refusal = RefusalOf(*target, existing)) return Fail(error, errorNumber, refusal);

  // A replacement would leave the other names of a hard-linked file with the old bytes.
  const bool linked = existing != nullptr && existing->st_nlink > 1;
  int failure = linked ? 0 : Replace(*target, bytes, existing);
  if (linked || (existing != nullptr && StorageRefusesReplacement(failure))) {
    failure = WriteInPlace(*target, bytes);
  }
  return failure == 0 || Fail(error, errorNumber, failure);
}

bool WriteNewFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                            int* errorNumber) {
  const fs::path target(path);
  const fs::path temporary = TemporaryNameFor(target);
  if (const int failure = WriteTemporary(temporary, bytes, nullptr)) {
    return Fail(error, errorNumber, failure);
  }
  if (const int failure = RenameWithoutReplacing(temporary, target)) {
    return Fail(error, errorNumber, failure);
  }
  SyncFolder(target);
  return true;
}

}  // namespace kol
