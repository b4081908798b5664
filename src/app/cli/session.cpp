#include "app/cli/session.h"

#include <QStandardPaths>

#include "files/destinations.h"
#include "files/startup.h"

namespace kol::cli {

Session::Session(const Invocation& invocation, Io& io_)
    : io(io_),
      prompts(io_.err, invocation.Has("yes")),
      programDir(invocation.ProgramDir()),
      userDataFolder(
          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()),
      errorLog(invocation.Has("debug"), programDir, userDataFolder),
      host{prompts, store, errorLog, clock, 0} {
  document.flags.debugMode = invocation.Has("debug");
  document.profile.programFolder = programDir;
  const std::optional<std::string> destination = invocation.Value("destination");
  if (destination) document.destination = *destination;
  const StartUpResult started = StartUp(document, host);
  if (started.offeredModels.empty()) return;
  // A destination asked for by name must be one the program folder offers; without any
  // destination files a window would quietly keep its built-in image.
  if (destination && started.destinationLoaded && ListDestinations(document.profile).empty()) {
    host.Tell(document.profile.WindowTitle(), "IniFileRead Error!!", MessageIcon::kExclamation);
    return;
  }
  ready_ = started.destinationLoaded || !destination;
}

}  // namespace kol::cli
