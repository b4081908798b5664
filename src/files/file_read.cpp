#include "files/file_read.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace kol {
namespace {

std::nullopt_t Fail(int* errorNumber, int number) {
  if (errorNumber != nullptr) *errorNumber = number;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, int* errorNumber,
                                         std::uintmax_t largest) {
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) return Fail(errorNumber, errno);
  std::string bytes;
  struct stat status {};
  if (::fstat(::fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode)) {
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > largest) return Fail(errorNumber, EFBIG);
    bytes.reserve(size);  // one allocation for a file that does not grow meanwhile
  }
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.append(chunk, got);
    if (bytes.size() > largest) return Fail(errorNumber, EFBIG);
  }
  if (std::ferror(file.get())) return Fail(errorNumber, errno != 0 ? errno : EIO);
  return bytes;
}

std::string TooLargeReason(const std::string& path, std::uintmax_t largest,
                           const std::string& kind) {
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(path, unknown);
  const std::string most = std::to_string(largest);
  return (unknown ? "more than " + most : std::to_string(size)) + " bytes: " + kind +
         " has at most " + most;
}

}  // namespace kol
