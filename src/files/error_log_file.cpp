#include "files/error_log_file.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace kol {
namespace {

constexpr char kLogName[] = "err.log";

bool AppendTo(const std::filesystem::path& file, const std::string& line) {
  std::FILE* out = std::fopen(file.c_str(), "ab");
  if (out == nullptr) return false;
  const bool written = std::fwrite(line.data(), 1, line.size(), out) == line.size();
  return std::fclose(out) == 0 && written;
}

std::string LocalTimeText(std::time_t when, const char* format) {
  char text[64] = {};
  if (const std::tm* local = std::localtime(&when)) std::strftime(text, sizeof text, format, local);
  return text;
}

// One line, CR LF included: date "," time ":" procedure " -> " message, with the date
// and time in the short forms of the current locale.
std::string ErrorLogLine(std::time_t when, std::string_view procedure, std::string_view message) {
  std::string line = LocalTimeText(when, "%x") + "," + LocalTimeText(when, "%X") + ":";
  line.append(procedure).append(" -> ").append(message).append("\r\n");
  return line;
}

}  // namespace

ErrorLogFile::ErrorLogFile(bool debugMode, std::string programFolder, std::string userDataFolder)
    : debugMode_(debugMode),
      programFolder_(std::move(programFolder)),
      userDataFolder_(std::move(userDataFolder)) {}

void ErrorLogFile::Write(std::string_view procedure, std::string_view message) {
  if (!debugMode_) return;
  const std::lock_guard<std::mutex> lock(mutex_);
  const std::string line = ErrorLogLine(std::time(nullptr), procedure, message);
  if (AppendTo(std::filesystem::path(programFolder_) / kLogName, line)) return;
  std::error_code ignored;
  std::filesystem::create_directories(userDataFolder_, ignored);
  AppendTo(std::filesystem::path(userDataFolder_) / kLogName, line);
}

}  // namespace kol
