// What the link needs of whoever runs a transfer (the dialog, the command line, a test):
// letting pending events run, progress text and percentage, busy state and message boxes.
#pragma once

#include <string>

#include "model/prompts.h"

namespace kol {

class LinkHost : public Prompts {
 public:
  // Lets pending user-interface events run; a Cancel click sets the cancel flag here.
  virtual void ProcessEvents() = 0;
  // A progress text; the link sends them only in debug mode. Empty clears the line.
  virtual void ShowStatus(const std::string& text) = 0;
  // A whole percentage, 0-100.
  virtual void ShowProgress(int percent) = 0;
  // True while a driver runs: OK and Help disabled, wait pointer shown.
  virtual void SetBusy(bool busy) = 0;
  // The link set-up asks the radio again after a request went unanswered: request
  // `attempt` of at most `attempts`. Up to a minute can pass this way with nothing
  // connected; the progress texts say the same in debug mode, so by default nothing.
  virtual void ShowLinkWait(int /*attempt*/, int /*attempts*/) {}
  // Once the link is up the radio has not answered for `seconds`: said once it has been
  // silent for a few seconds, then each further second. 0: the radio answers again (also
  // after ShowLinkWait).
  virtual void ShowRadioSilence(int /*seconds*/) {}
  // Programming went through and the read-back that verifies it begins: a second link
  // set-up and a full read.
  virtual void BeginReadBack() {}
};

}  // namespace kol
