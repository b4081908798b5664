#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace kol {
namespace {

namespace fs = std::filesystem;

std::string TemporaryNameFor(const fs::path& target) {
  static std::mt19937_64 random{std::random_device{}()};
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                static_cast<unsigned long long>(random() & 0xFFFFFFFFull));
  return target.string() + suffix;
}

bool Fail(std::string* error, int* errorNumber, int number) {
  if (error != nullptr) *error = std::strerror(number);
  if (errorNumber != nullptr) *errorNumber = number;
  return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         int* errorNumber) {
  const fs::path target(path);
  std::error_code ec;
  if (fs::is_directory(target, ec)) return Fail(error, errorNumber, EISDIR);

  const std::string temporary = TemporaryNameFor(target);
  // "x": never reuse a file someone else created under the same name.
  std::FILE* file = std::fopen(temporary.c_str(), "wbx");
  if (file == nullptr) return Fail(error, errorNumber, errno);

  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  int writeErrno = errno;
  if (std::fflush(file) != 0 && written) {
    written = false;
    writeErrno = errno;
  }
  if (std::fclose(file) != 0 && written) {
    written = false;
    writeErrno = errno;
  }
  if (!written) {
    fs::remove(temporary, ec);
    return Fail(error, errorNumber, writeErrno);
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Fail(error, errorNumber, ec.value());
  }
  return true;
}

}  // namespace kol
