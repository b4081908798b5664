// The raw image format of the format table (.hex): read into the session's document and
// decoded, or written from the encoded document exactly as programming the radio sends it.
#include "app/cli/formats.h"
#include "files/hex_file.h"

namespace kol::cli {

bool LoadHexImage(Session& session, const std::string& path) {
  return ReadHexFileAs(path, session.document, session.host);
}

bool SaveHexImage(Session& session, const std::string& path) {
  return SaveImageFile(path, session.document, session.host);
}

}  // namespace kol::cli
