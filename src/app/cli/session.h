// What one run of a command works on: the document after the program's start-up, the
// program folder, the settings store, the error log, and messages as lines on stderr.
#pragma once

#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_prompts.h"
#include "files/error_log_file.h"
#include "files/file_host.h"
#include "files/qt_settings_store.h"
#include "model/clock.h"
#include "model/document.h"

namespace kol::cli {

class Session {
 public:
  // Takes --program-dir, --destination, --debug and --yes from the command line, then
  // starts as the program does: the model list, the model, and a new document with the
  // destination's default image.
  Session(const Invocation& invocation, Io& io);

  // False when the start-up failed: no model is offered, or the destination asked for with
  // --destination could not be loaded. Its message has been printed.
  bool Ready() const { return ready_; }

  Io& io;
  Document document;
  CliPrompts prompts;
  std::string programDir;
  std::string userDataFolder;  // where the error log goes when the program folder is read-only
  QtSettingsStore store;
  ErrorLogFile errorLog;
  SystemClock clock;
  FileHost host;  // without the window's pauses

 private:
  bool ready_ = false;
};

}  // namespace kol::cli
