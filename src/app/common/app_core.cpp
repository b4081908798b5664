#include "app/common/app_core.h"

#include <QStandardPaths>

namespace kol {

std::string UserDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

AppCore::AppCore(std::string programDir_, bool debugMode)
    : programDir(std::move(programDir_)),
      userDataFolder(UserDataFolder()),
      errorLog(debugMode, programDir, userDataFolder) {
  document.flags.debugMode = debugMode;
  document.profile.programFolder = programDir;
}

}  // namespace kol
