#include "files/image_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "files/atomic_file.h"
#include "files/file_read.h"
#include "model/image_map.h"

namespace kol {
namespace {

ImageFileResult IoError(int errorNumber) { return {ImageFileStatus::kIoError, errorNumber}; }

std::size_t ImageSize(const ModelProfile& profile) {
  return static_cast<std::size_t>(std::max(profile.imageUpperBound, 0)) + 1;
}

}  // namespace

bool ImageIdentifierAccepted(const RadioImage& image, const ModelProfile& profile) {
  if (!profile.IsBuiltIn() || image.Size() < 4) return false;
  const int head = image.ReadCh15(image_map::kModelIdentifier);
  const int tail = image.ReadCh15(image_map::TrailingModelIdentifier(image.UpperBound()));
  return head == tail && head == profile.modelIdentifier;
}

ImageFileResult ImageFromBytes(std::string_view bytes, const ModelProfile& profile,
                               RadioImage& image) {
  if (bytes.size() != ImageSize(profile)) return {ImageFileStatus::kBadLength, 0, bytes.size()};
  RadioImage loaded(profile.imageUpperBound);
  std::copy(bytes.begin(), bytes.end(), loaded.Bytes().begin());
  if (!ImageIdentifierAccepted(loaded, profile)) return {ImageFileStatus::kWrongModel};
  image = std::move(loaded);
  return {};
}

ImageFileResult LoadImageBytes(const std::string& path, const ModelProfile& profile,
                               RadioImage& image) {
  std::error_code ec;
  const std::uintmax_t length = std::filesystem::file_size(path, ec);
  if (ec) return IoError(ec.value());
  // Refused before anything is read, however large the file.
  if (length != ImageSize(profile)) return {ImageFileStatus::kBadLength, 0, length};

  int errorNumber = 0;
  const std::optional<std::string> bytes = ReadWholeFile(path, &errorNumber);
  if (!bytes) return IoError(errorNumber);
  // The file may have changed since its length was taken.
  return ImageFromBytes(*bytes, profile, image);
}

ImageFileResult SaveImageBytes(const std::string& path, const RadioImage& image) {
  const std::span<const std::uint8_t> bytes = image.Bytes();
  int errorNumber = 0;
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!WriteFileAtomically(path, text, nullptr, &errorNumber)) return IoError(errorNumber);
  return {};
}

}  // namespace kol
