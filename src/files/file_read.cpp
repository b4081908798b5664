#include "files/file_read.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace kol {
namespace {

std::nullopt_t Fail(int* errorNumber, int number) {
  if (errorNumber != nullptr) *errorNumber = number;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, int* errorNumber) {
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) return Fail(errorNumber, errno);
  std::string bytes;
  char chunk[65536];
  std::size_t got = 0;
  // Grows with what is actually read, so the memory used follows the file's real size.
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.append(chunk, got);
  if (std::ferror(file.get())) return Fail(errorNumber, errno != 0 ? errno : EIO);
  return bytes;
}

}  // namespace kol
