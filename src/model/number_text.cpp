#include "model/number_text.h"

#include <charconv>
#include <cmath>

#include "model/formatters.h"

namespace kol {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars takes no "+" sign: convert the unsigned part and apply the sign here.
std::optional<double> ToDouble(std::string_view number) {
  const bool negative = !number.empty() && number.front() == '-';
  if (!number.empty() && (number.front() == '-' || number.front() == '+')) number.remove_prefix(1);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::fixed);
  if (ec != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

std::size_t LeadingNumberLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  // A "." without fraction digits still belongs to the number ("5." is 5).
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  }
  return digits == 0 ? 0 : i;
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  const std::size_t length = LeadingNumberLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return ToDouble(text);
}

double TextFieldNumber(std::string_view text) {
  return std::round(ParseNumber(text).value_or(0.0));
}

double LeadingNumber(std::string_view text) {
  return ToDouble(text.substr(0, LeadingNumberLength(text))).value_or(0.0);
}

std::uint32_t LowBits(double value, int bits) {
  if (!std::isfinite(value)) return 0;
  const double modulus = std::ldexp(1.0, bits);
  double low = std::fmod(std::round(value), modulus);
  if (low < 0) low += modulus;
  return static_cast<std::uint32_t>(low);
}

}  // namespace kol
