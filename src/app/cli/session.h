// What one run of a command works on: the document after the program's start-up, the
// program folder, the settings store, the error log, and messages as lines on stderr.
#pragma once

#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/cli_prompts.h"
#include "app/common/app_core.h"
#include "files/file_host.h"
#include "model/clock.h"

namespace kol::cli {

// The messages the file operations of a run show. A notice the start-up printed is not
// printed again: every later reset of the document (opening a settings file starts a new
// one) meets the same destination that could not be loaded.
class StartUpNotices final : public Prompts {
 public:
  explicit StartUpNotices(Prompts& inner) : inner_(inner) {}
  MessageButton Show(const Message& message) override;
  void EndStartUp() { startingUp_ = false; }

 private:
  Prompts& inner_;
  bool startingUp_ = true;
  std::vector<std::string> printed_;
};

class Session : public AppCore {
 public:
  // Takes --program-dir, --destination, --debug and --yes from the command line, then
  // starts as the program does: the model list, the model, and a new document with the
  // destination's default image.
  Session(const Invocation& invocation, Io& io);

  // False when the start-up failed: no model is offered, or the destination asked for with
  // --destination could not be loaded. Its message has been printed.
  bool Ready() const { return ready_; }

  Io& io;
  CliPrompts prompts;
  StartUpNotices notices;  // what the file operations show, through `prompts`
  SystemClock clock;
  FileHost host;  // without the window's pauses

 private:
  void ExplainMissingModelList();

  bool ready_ = false;
};

}  // namespace kol::cli
