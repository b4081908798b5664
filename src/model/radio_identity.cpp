#include "model/radio_identity.h"

#include <algorithm>

#include "model/field_limits.h"
#include "model/image_map.h"
#include "model/radio_image.h"

namespace kol {

RadioIdentity IdentityOf(std::span<const std::uint8_t> bytes) {
  RadioImage image;
  if (bytes.size() != image.Size()) return {};
  std::copy(bytes.begin(), bytes.end(), image.Bytes().begin());
  RadioIdentity identity;
  for (int i = 0; i < image_map::kProductCodeLength; ++i) {
    const std::uint8_t c = image[image_map::kProductCode + i];
    if (c >= 0x20 && c < 0x7F) identity.productCode += static_cast<char>(c);
  }
  // An MMSI has nine digits; the radio keeps a pad digit after them.
  identity.userMmsi = image.ReadBcd10(image_map::kUserMmsi).substr(0, field_limits::kUserMmsiTyped);
  identity.atisCode = image.ReadBcd10(image_map::kAtisCode);
  return identity;
}

}  // namespace kol
