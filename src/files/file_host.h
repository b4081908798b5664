// What the file operations need around them: message boxes, the settings store, the error
// log and the clock that times the pause after each file operation.
#pragma once

#include <string>
#include <string_view>

#include "files/error_log.h"
#include "files/settings_store.h"
#include "model/clock.h"
#include "model/document.h"
#include "model/prompts.h"

namespace kol {

struct FileHost {
  Prompts& prompts;
  SettingsStore& store;
  ErrorLog& log;
  Clock& clock;
  // The window pauses after closing a file so that the wait cursor is seen; the command
  // line does not pause.
  int pauseMs = 500;

  void Pause() { clock.SleepMs(pauseMs); }
  // A message with an OK button, about `file` when one is given, with its plain words.
  void Tell(std::string title, std::string text, MessageIcon icon, std::string details = {},
            std::string file = {}, std::string explanation = {}) {
    prompts.Show({std::move(title), std::move(text), icon, MessageButtons::kOk,
                  MessageButton::kOk, std::move(details), std::move(file),
                  std::move(explanation)});
  }
};

// A file that could not be read or written: the error-log line for `procedure`, the
// program's message (`text`, under the window title, about `file` with the reason, and
// `explanation` in plain words) and the cancel flag. The reason is the system's description
// of `errorNumber` unless `reason` says more.
void ReportFileFailure(std::string_view procedure, int errorNumber, std::string text,
                       Document& document, FileHost& host, std::string file = {},
                       std::string reason = {}, std::string explanation = {});

// Holds the update lock for its lifetime and then puts back what it was, so that nested
// operations (a reset inside an open) leave the outer one's lock in place.
class UpdateLockScope {
 public:
  explicit UpdateLockScope(AppFlags& flags) : flags_(flags), saved_(flags.updateLock) {
    flags_.updateLock = true;
  }
  ~UpdateLockScope() { flags_.updateLock = saved_; }
  UpdateLockScope(const UpdateLockScope&) = delete;
  UpdateLockScope& operator=(const UpdateLockScope&) = delete;

 private:
  AppFlags& flags_;
  bool saved_;
};

}  // namespace kol
