// Message boxes of a command-line run become lines on stderr: the text, the file it is
// about in quotes, the system's reason in brackets. Nobody is there to click, so questions take the answer the
// command line chose: the affirmative one with --yes.
#pragma once

#include <iosfwd>

#include "model/prompts.h"

namespace kol::cli {

class CliPrompts final : public Prompts {
 public:
  CliPrompts(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}
  MessageButton Show(const Message& message) override;

 private:
  std::ostream& err_;
  bool answerYes_;
};

}  // namespace kol::cli
