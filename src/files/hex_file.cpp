#include "files/hex_file.h"

#include "model/image_codec.h"

namespace kol {
namespace {

constexpr char kReadFromRadioTitle[] = "Read from Radio";

// Shows why an image file was refused and sets the flags that say so.
void ReportRefusal(const ImageFileResult& result, const std::string& path, Document& document,
                   FileHost& host) {
  document.flags.errorFlag = true;
  switch (result.status) {
    case ImageFileStatus::kBadLength:
      host.Tell(document.profile.WindowTitle(), "bad file!!", MessageIcon::kCritical,
                std::to_string(result.size) + " bytes: an image file has exactly " +
                    std::to_string(document.profile.imageUpperBound + 1),
                path, "This file is not a memory image of the radio.");
      return;
    case ImageFileStatus::kWrongModel:
      host.Tell(kReadFromRadioTitle, "ModelType Error !!", MessageIcon::kCritical, {}, path,
                "This file is not a memory image of the " + document.profile.modelName + ".");
      return;
    case ImageFileStatus::kIoError:
      ReportFileFailure("frmMain.ReadHexFileAs", result.errorNumber, "FileRead Error!!", document,
                        host, path, {}, "The image file could not be read.");
      return;
    case ImageFileStatus::kOk:
      return;
  }
}

}  // namespace

bool SaveHexFileAs(const std::string& path, Document& document, FileHost& host) {
  UpdateLockScope lock(document.flags);
  const ImageFileResult result = SaveImageBytes(path, document.image);
  if (!result.Ok()) {
    ReportFileFailure("frmMain.SaveHexFileAs", result.errorNumber, "FileSave Error!!", document,
                      host, path, {}, "The image could not be saved in this file.");
    return false;
  }
  host.Pause();
  return true;
}

bool SaveImageFile(const std::string& path, Document& document, FileHost& host) {
  EncodeImage(document.model, document.profile, document.image);
  PrepareForProgramming(document.model, document.image);
  return SaveHexFileAs(path, document, host);
}

ImageFileResult LoadImageIntoDocument(const std::string& path, Document& document,
                                      FileHost& host) {
  RadioImage loaded;
  ImageFileResult result;
  {
    UpdateLockScope lock(document.flags);
    result = LoadImageBytes(path, document.profile, loaded);
    if (result.status != ImageFileStatus::kBadLength) host.Pause();  // refused before reading
  }
  if (result.Ok()) {
    document.image = std::move(loaded);
    DecodeImage(document.image, document.profile, document.model);
  }
  return result;
}

bool ReadHexFileAs(const std::string& path, Document& document, FileHost& host) {
  document.flags.errorFlag = false;
  const ImageFileResult result = LoadImageIntoDocument(path, document, host);
  if (!result.Ok()) ReportRefusal(result, path, document, host);
  return result.Ok();
}

}  // namespace kol
