#include "model/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kol {
namespace {

TEST(NumberText, ParseNumberAcceptsSignDigitsAndOneDecimalPointOnly) {
  const struct {
    std::string text;
    std::optional<double> value;
  } cases[] = {
      {"12", 12},        {"-3", -3},         {"+7", 7},       {"156.05", 156.05},
      {".5", 0.5},       {"5.", 5},          {" 12\t", 12},   {"-0", 0},
      {"", std::nullopt},      {"-", std::nullopt},    {".", std::nullopt},
      {"1e5", std::nullopt},   {"0x10", std::nullopt}, {"1,000", std::nullopt},
      {"12a", std::nullopt},   {"--1", std::nullopt},  {"1.2.3", std::nullopt},
      {"1 2", std::nullopt},   {"inf", std::nullopt},  {"nan", std::nullopt},
      {std::string(400, '9'), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, LeadingNumberTakesThePatternAtTheStartOrZero) {
  const struct {
    const char* text;
    double value;
    std::size_t length;
  } cases[] = {
      {"12abc", 12, 2}, {"abc", 0, 0},      {"5F.1234", 5, 1}, {"56.1250", 56.125, 7},
      {"-.5x", -0.5, 3}, {"7.e3", 7, 2},    {" 12", 0, 0},     {"+", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
    EXPECT_EQ(LeadingNumberLength(c.text), c.length) << c.text;
  }
}

TEST(NumberText, LowBitsRoundsHalfAwayFromZeroThenMasksToTheField) {
  const struct {
    double value;
    int bits;
    std::uint32_t low;
  } cases[] = {
      {300, 8, 44},    {-1, 8, 255},        {2.5, 8, 3},   {-2.5, 16, 65533},
      {2.4999, 8, 2},  {70000, 16, 4464},   {1e20, 16, 0}, {65535, 16, 65535},
      {-0.4, 16, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LowBits(c.value, c.bits), c.low) << c.value;
}

}  // namespace
}  // namespace kol
