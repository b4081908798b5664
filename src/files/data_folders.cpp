#include "files/data_folders.h"

#include <filesystem>
#include <system_error>

namespace kol {

namespace fs = std::filesystem;

std::vector<std::string> DataFolders(const std::string& programFolder) {
  const fs::path program(programFolder);
  return {program.string(), (program / ".." / "share" / "kolprog").lexically_normal().string()};
}

std::string DataFilePath(const std::string& programFolder, std::string_view fileName) {
  for (const std::string& folder : DataFolders(programFolder)) {
    const fs::path candidate = fs::path(folder) / fileName;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate.string();
  }
  return (fs::path(programFolder) / fileName).string();
}

}  // namespace kol
