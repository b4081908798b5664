#include "app/cli/session.h"

namespace kol::cli {

Session::Session(const Invocation& invocation, Io& io_)
    : io(io_),
      prompts(io_.err, invocation.Has("yes")),
      programDir(invocation.ProgramDir()) {
  document.flags.debugMode = invocation.Has("debug");
  document.profile.programFolder = programDir;
}

}  // namespace kol::cli
