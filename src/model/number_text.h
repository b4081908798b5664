// Numbers written as text in settings files and model fields: optional sign, digits with an
// optional "." and fraction, at least one digit; no exponent, hex or thousands separators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kol {

// Length of the number at the very start of `text`, 0 when there is none.
std::size_t LeadingNumberLength(std::string_view text);

// The whole text (blanks and tabs around it allowed) as a number, or nothing when the text
// is not a number or too large for a double.
std::optional<double> ParseNumber(std::string_view text);

// The number a text field (AutoPos CHANNEL and INTERVAL) gives the radio: the whole text as
// a number, rounded half away from zero; 0 when the text is not a number.
double TextFieldNumber(std::string_view text);

// The number at the start of `text`; 0 when the text does not begin with one.
double LeadingNumber(std::string_view text);

// `value` rounded half away from zero, then the low `bits` bits (1-32) of that integer in
// two's complement, as a field of that width stores it.
std::uint32_t LowBits(double value, int bits);

}  // namespace kol
