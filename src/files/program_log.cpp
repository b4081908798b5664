#include "files/program_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "files/table_text.h"

namespace kol {
namespace {

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", seconds);
  return text;
}

// Holds an exclusive lock of the whole file while it lives.
class FileLock {
 public:
  explicit FileLock(int fd) : fd_(fd) {
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~FileLock() { ::flock(fd_, LOCK_UN); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

std::vector<std::string> ProgramLogColumns() {
  return {"Time", "Port",    "Product Code", "User MMSI Before", "User MMSI After", "File",
          "SHA-256", "Result", "Verified", "Seconds", "Note"};
}

std::string IsoLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  std::string iso = text;
  if (iso.size() >= 5) iso.insert(iso.size() - 2, ":");  // +0200 -> +02:00
  return iso;
}

ProgramLog::~ProgramLog() {
  if (fd_ >= 0) ::close(fd_);
}

bool ProgramLog::Open(const std::string& path, std::string& error) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd_ >= 0) return true;
  error = std::strerror(errno);
  return false;
}

bool ProgramLog::Append(const ProgramLogRow& row, std::string& error) {
  const std::vector<std::string> fields = {
      row.time, row.port, row.productCode, row.userMmsiBefore, row.userMmsiAfter, row.file,
      row.imageSha256, row.result, row.verified, Seconds(row.seconds), row.note};
  const std::lock_guard<std::mutex> guard(mutex_);
  const FileLock lock(fd_);
  struct stat status {};
  std::vector<TableCells> rows;
  if (::fstat(fd_, &status) == 0 && status.st_size == 0) rows.push_back(ProgramLogColumns());
  rows.push_back(fields);
  const std::string text = WriteTableText(rows, ',', "\r\n");
  int failure = WriteAll(fd_, text);
  if (failure == 0 && ::fsync(fd_) != 0) failure = errno;
  if (failure == 0) return true;
  error = std::strerror(failure);
  return false;
}

}  // namespace kol
