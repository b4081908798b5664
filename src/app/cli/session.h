// What one run of a command works on: the document, the program folder, and the way its
// messages reach the user (lines on stderr).
#pragma once

#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_prompts.h"
#include "model/document.h"

namespace kol::cli {

class Session {
 public:
  // Takes --program-dir, --debug and --yes from the command line.
  Session(const Invocation& invocation, Io& io);

  Io& io;
  Document document;
  CliPrompts prompts;
  std::string programDir;
};

}  // namespace kol::cli
