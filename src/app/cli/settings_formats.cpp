// The settings file format of the format table (.dat): read as the window's Open does,
// into a new document of the selected model and destination; written as its Save does.
#include "app/cli/formats.h"
#include "files/dat_file.h"

namespace kol::cli {

bool LoadSettingsFile(Session& session, const std::string& path) {
  return ReadSettingsFile(path, session.document, session.host);
}

bool SaveSettingsFile(Session& session, const std::string& path) {
  return WriteSettingsFile(path, session.document, session.host);
}

}  // namespace kol::cli
