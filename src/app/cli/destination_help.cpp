#include "app/cli/destination_help.h"

#include <ostream>
#include <vector>

#include "app/cli/formats.h"
#include "files/app_settings.h"
#include "files/destinations.h"
#include "files/qt_settings_store.h"
#include "files/startup.h"

namespace kol::cli {

std::string DestinationHelp(const std::string& programDir,
                            const std::optional<std::string>& destination) {
  QtSettingsStore store;
  Document document;
  document.profile.programFolder = programDir;
  if (SelectStartUpModel(document.profile, store).empty()) {
    return "No model list: " + ModelListPath(document.profile) +
           " offers no model (--program-dir DIR names the folder of global.ini).\n";
  }
  const std::vector<std::string> names = ListDestinations(document.profile);
  if (names.empty()) {
    return "Destinations: none found; a new document starts from the built-in image.\n";
  }
  std::string text = "Destinations:";
  for (std::size_t i = 0; i < names.size(); ++i) text += (i == 0 ? " " : ", ") + names[i];
  text += "\n";
  if (destination) document.destination = *destination;
  const std::string ticked = TickedDestination(document, names, store);
  const std::string how = destination ? "--destination"
                                      : "the one used last; --destination NAME chooses another";
  if (ticked.empty() && destination) {
    return text + "The destination " + *destination +
           " is not there: commands fail with \"IniFileRead Error!!\".\n";
  }
  if (ticked.empty()) {
    return text + "The destination used last, " +
           SavedDestination(store, document.profile.modelCode) +
           ", is not there: a new document starts from the built-in image after "
           "\"IniFileRead Error!!\".\n";
  }
  return text + "A new document starts from " + ticked + " (" + how + ").\n";
}

void TellStartingPoint(const Session& session, const Invocation& invocation,
                       const DocumentFormat& format, const std::string& in) {
  if (format.load != LoadSettingsFile || invocation.Has("destination")) return;
  const std::string& destination = session.document.destination;
  session.io.err << in << ": read over the defaults of "
                 << (destination.empty() ? "the built-in image"
                                         : "destination " + destination)
                 << " (--destination NAME chooses another)\n";
}

}  // namespace kol::cli
