#include "files/value_text.h"

#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol {

std::optional<bool> ParseFlag(std::string_view text) {
  const std::string_view word = TrimBlanks(text);
  if (EqualsIgnoringCase(word, "True")) return true;
  if (EqualsIgnoringCase(word, "False")) return false;
  const std::optional<double> number = ParseNumber(word);
  if (!number) return std::nullopt;
  return *number != 0.0;
}

}  // namespace kol
