#include "link/transfer_context.h"

#include <array>

namespace kol {

std::string_view OperationTitle(Operation operation) {
  static constexpr std::array<std::string_view, kOperationCount> kTitles = {
      "Read from Radio",    "Program to Radio",        "Clear MMSI Data",
      "Clear DSC Log Data", "Clear Distress Log Data", "Clear Call Log Data",
  };
  const auto index = static_cast<std::size_t>(operation);
  return index < kTitles.size() ? kTitles[index] : std::string_view();
}

}  // namespace kol
