#include "app/cli/session.h"

#include <algorithm>

#include "files/destinations.h"
#include "files/startup.h"

namespace kol::cli {

MessageButton StartUpNotices::Show(const Message& message) {
  if (message.buttons == MessageButtons::kOk) {
    if (startingUp_) {
      printed_.push_back(message.text);
    } else if (std::find(printed_.begin(), printed_.end(), message.text) != printed_.end()) {
      return MessageButton::kOk;  // said once already
    }
  }
  return inner_.Show(message);
}

Session::Session(const Invocation& invocation, Io& io_)
    : AppCore(invocation.ProgramDir(), invocation.Has("debug")),
      io(io_),
      prompts(io_.err, invocation.Has("yes")),
      notices(prompts),
      host{notices, store, errorLog, clock, 0} {
  const std::optional<std::string> destination = invocation.Value("destination");
  if (destination) document.destination = *destination;
  const StartUpResult started = StartUp(document, host);
  notices.EndStartUp();
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
