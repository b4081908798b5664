#include "link/transfer_outcome.h"

#include <array>

#include "link/frame.h"
#include "model/image_map.h"

namespace kol {
namespace {

// What each writing operation may have left half done.
constexpr std::array<std::string_view, kOperationCount> kPartly = {
    "",
    "the radio may be partly programmed",
    "the user MMSI may be partly cleared",
    "the DSC log may be partly cleared",
    "the distress log may be partly cleared",
    "the call log may be partly cleared",
};

}  // namespace

std::string UnfinishedWritesText(Operation operation, int writesSent) {
  const auto index = static_cast<std::size_t>(operation);
  if (writesSent <= 0 || index >= kPartly.size() || kPartly[index].empty()) {
    return "nothing was written to the radio";
  }
  return std::string(kPartly[index]) + " (" + std::to_string(writesSent) +
         (writesSent == 1 ? " write" : " writes") + " sent)";
}

std::string ReadBackDifferenceText(const ReadBackDifference& difference) {
  return "verify failed at 0x" + HexAddress(difference.address) + ": the radio holds 0x" +
         HexLength(difference.radio) + ", the image 0x" + HexLength(difference.sent);
}

std::string KeptProductCodeText() {
  // The code's printable part; its last byte is the 0xFF that ends it.
  const auto& code = image_map::kProductCodeBytes;
  return "holds another product code; the radio kept its own, \"" +
         std::string(code.begin(), code.end() - 1) + "\"";
}

}  // namespace kol
