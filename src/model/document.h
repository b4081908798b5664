// The one open document and the application-wide flags that file, link and editor
// operations share. The program owns one Document and hands it down by reference.
#pragma once

#include <string>

#include "model/model_profile.h"
#include "model/radio_image.h"
#include "model/settings_model.h"

namespace kol {

struct AppFlags {
  bool updateLock = false;  // set while pages are refilled and long operations run
  bool errorFlag = false;   // the last file or link operation failed
  bool cancelFlag = false;  // the last command did not complete
  bool debugMode = false;   // chosen by a command-line switch at start-up
};

struct Document {
  SettingsModel model;
  RadioImage image;
  ModelProfile profile;
  AppFlags flags;
  std::string path;         // file last opened or saved as the document; empty after New
  std::string destination;  // current destination name, e.g. "USA"
};

}  // namespace kol
