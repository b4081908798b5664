#include "app/cli/session.h"

#include <algorithm>
#include <filesystem>

#include "files/data_folders.h"
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
  if (started.offeredModels.empty()) {
    ExplainMissingModelList();
    return;
  }
  // A destination asked for by name must be one the program folder offers; without any
  // destination files a window would quietly keep its built-in image.
  if (destination && started.destinationLoaded && ListDestinations(document.profile).empty()) {
    host.Tell(document.profile.WindowTitle(), "IniFileRead Error!!", MessageIcon::kExclamation, {},
              DataFilePath(programDir, DestinationFileName(*destination, document.profile)),
              kDestinationMissing);
    return;
  }
  ready_ = started.destinationLoaded || !destination;
}

// A copy of the program without its data files: say where the model list was looked for.
void Session::ExplainMissingModelList() {
  std::error_code ec;
  if (std::filesystem::exists(ModelListPath(document.profile), ec)) return;
  io.err << "kolprog-cli: no " << kModelListFile << " in";
  const std::vector<std::string> folders = DataFolders(programDir);
  for (std::size_t i = 0; i < folders.size(); ++i) {
    io.err << (i == 0 ? " " : " or ") << folders[i];
  }
  io.err << "; --program-dir DIR names the folder of the program's data files\n";
}

}  // namespace kol::cli
