// The error log on disk: "err.log" in the program folder, or in the per-user data folder
// when the program folder cannot be written (an installed program). Debug mode only.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

#include "files/error_log.h"

namespace kol {

class ErrorLogFile final : public ErrorLog {
 public:
  ErrorLogFile(bool debugMode, std::string programFolder, std::string userDataFolder);
  // Appends one line; does nothing unless in debug mode. Failures of the log are ignored.
  // Radios programmed at once write from several threads.
  void Write(std::string_view procedure, std::string_view message) override;

 private:
  std::mutex mutex_;
  bool debugMode_;
  std::string programFolder_;
  std::string userDataFolder_;
};

}  // namespace kol
