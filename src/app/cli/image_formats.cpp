// The raw image format of the format table (.hex): read into the session's document and
// decoded, or written from the encoded document exactly as programming the radio sends it.
#include <cstring>

#include "app/cli/formats.h"
#include "files/image_file.h"
#include "files/system_error_text.h"
#include "model/image_codec.h"

namespace kol::cli {
namespace {

constexpr char kReadTitle[] = "Read from Radio";

// An input/output failure names the file and the system's reason on its one line.
void TellIoError(Session& session, const char* procedure, const std::string& path, int errorNumber) {
  session.host.log.Write(procedure, SystemErrorText(errorNumber));
  session.host.Tell(session.document.profile.WindowTitle(), path + ": " + std::strerror(errorNumber),
                    MessageIcon::kExclamation);
}

void TellRefusal(Session& session, const std::string& path, const ImageFileResult& result) {
  const ModelProfile& profile = session.document.profile;
  switch (result.status) {
    case ImageFileStatus::kBadLength:
      session.host.Tell(profile.WindowTitle(), "bad file!!", MessageIcon::kCritical);
      return;
    case ImageFileStatus::kWrongModel:
      session.host.Tell(kReadTitle, "ModelType Error !!", MessageIcon::kCritical);
      return;
    case ImageFileStatus::kIoError:
      TellIoError(session, "frmMain.ReadHexFileAs", path, result.errorNumber);
      return;
    case ImageFileStatus::kOk:
      return;
  }
}

}  // namespace

bool LoadHexImage(Session& session, const std::string& path) {
  Document& document = session.document;
  const ImageFileResult result = LoadImageBytes(path, document.profile, document.image);
  document.flags.errorFlag = !result.Ok();
  if (!result.Ok()) {
    TellRefusal(session, path, result);
    return false;
  }
  DecodeImage(document.image, document.profile, document.model);
  return true;
}

bool SaveHexImage(Session& session, const std::string& path) {
  Document& document = session.document;
  EncodeImage(document.model, document.profile, document.image);
  PrepareForProgramming(document.model, document.image);
  const ImageFileResult result = SaveImageBytes(path, document.image);
  document.flags.cancelFlag = !result.Ok();
  if (!result.Ok()) TellIoError(session, "frmMain.SaveHexFileAs", path, result.errorNumber);
  return result.Ok();
}

}  // namespace kol::cli
