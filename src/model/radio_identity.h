// Who a radio is: its product code, and on the air its user MMSI and ATIS code, as the
// bytes of its memory hold them. A fleet programmed from one template keeps them apart.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kol {

struct RadioIdentity {
  std::string productCode;  // "QT512N", the printable characters of its seven bytes
  std::string userMmsi;     // nine digits, empty when the radio has none
  std::string atisCode;     // ten digits, empty when it has none

  bool operator==(const RadioIdentity&) const = default;
};

// The identity a whole image holds; empty parts for an image of another size.
RadioIdentity IdentityOf(std::span<const std::uint8_t> image);

}  // namespace kol
