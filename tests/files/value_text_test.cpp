#include "files/value_text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kol {
namespace {

struct FlagCase {
  const char* text;
  std::optional<bool> expected;
};

TEST(ParseFlag, TruthWordsOrNumbers) {
  const FlagCase cases[] = {{"True", true},        {"fALSE", false},       {" 1 ", true},
                            {"0", false},          {"-1", true},           {"0.0", false},
                            {"2.5", true},         {"", std::nullopt},     {"yes", std::nullopt},
                            {"1e3", std::nullopt}, {"Truex", std::nullopt}};
  for (const FlagCase& c : cases) EXPECT_EQ(ParseFlag(c.text), c.expected) << '"' << c.text << '"';
}

struct IntegerCase {
  const char* text;
  std::optional<std::int16_t> expected;
};

TEST(ParseInteger, RoundsHalfAwayFromZeroWithinTheFieldWidth) {
  const IntegerCase cases[] = {{"12", 12},
                               {" -3 ", -3},
                               {"2.5", 3},
                               {"-2.5", -3},
                               {"32767", 32767},
                               {"32767.5", std::nullopt},
                               {"-32768", -32768},
                               {"-32769", std::nullopt},
                               {"0x10", std::nullopt},
                               {"1,000", std::nullopt},
                               {"", std::nullopt},
                               {"5.", 5},
                               {".5", 1}};
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseInteger<std::int16_t>(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(ParseInteger<std::int32_t>("99999"), 99999);
  EXPECT_EQ(ParseInteger<std::int32_t>("2147483648"), std::nullopt);
}

}  // namespace
}  // namespace kol
