// What both programs run on: the one document, the program folder, the per-user settings
// store and data folder, and the error log. Each program adds its own prompts and clock.
#pragma once

#include <string>

#include "files/error_log_file.h"
#include "files/qt_settings_store.h"
#include "model/document.h"

namespace kol {

struct AppCore {
  // `programDir`: where global.ini and the destination images are looked up.
  AppCore(std::string programDir, bool debugMode);

  Document document;
  std::string programDir;
  std::string userDataFolder;  // backups; the error log when the program folder is read-only
  QtSettingsStore store;
  ErrorLogFile errorLog;
};

// The per-user data folder of the application (on Linux under XDG_DATA_HOME).
std::string UserDataFolder();

}  // namespace kol
