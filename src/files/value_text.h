// Values read from text, as the settings store, the model list and the settings file all
// read them: flags as a truth word or a number, integers rounded to the field's width.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "model/number_text.h"

namespace kol {

// "True"/"False" in any letter case, or a number where non-zero is set; else nothing.
std::optional<bool> ParseFlag(std::string_view text);

// A number rounded half away from zero that fits `Int`; else nothing.
template <typename Int>
std::optional<Int> ParseInteger(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  const double rounded = std::round(*number);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace kol
