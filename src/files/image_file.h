// Raw image files (.hex): the radio's memory byte for byte, exactly the image's size, with
// the model identifier at both ends. Reading refuses anything else; writing is atomic.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/model_profile.h"
#include "model/radio_image.h"

namespace kol {

enum class ImageFileStatus {
  kOk,
  kIoError,     // the file could not be read or written: see errorNumber
  kBadLength,   // not exactly the image's size
  kWrongModel,  // the identifier at either end is not the model's
};

struct ImageFileResult {
  ImageFileStatus status = ImageFileStatus::kOk;
  int errorNumber = 0;     // the system's error number of a kIoError
  std::uintmax_t size = 0;  // the file's length, of a kBadLength

  bool Ok() const { return status == ImageFileStatus::kOk; }
};

// True when the identifier words at both ends of the image are the model's; only the
// built-in model has an identifier.
bool ImageIdentifierAccepted(const RadioImage& image, const ModelProfile& profile);

// Takes the bytes of an image file into `image`, sized for the profile: exactly the image's
// size, with the model's identifier at both ends. On any refusal `image` is left as it was.
ImageFileResult ImageFromBytes(std::string_view bytes, const ModelProfile& profile,
                               RadioImage& image);

// Reads `path` into `image`, sized for the profile. The length is checked before anything
// is read; on any refusal `image` is left as it was.
ImageFileResult LoadImageBytes(const std::string& path, const ModelProfile& profile,
                               RadioImage& image);

// Writes the image's bytes to `path` atomically: on failure an existing file is untouched.
ImageFileResult SaveImageBytes(const std::string& path, const RadioImage& image);

}  // namespace kol
