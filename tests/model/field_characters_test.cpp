#include "model/field_characters.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

TEST(FieldCharacters, AWholeTextIsTakenOnlyWhenTheFieldTakesEveryCharacter) {
  struct Case {
    FieldCharacters field;
    const char* text;
    const char* taken;  // null: refused
    std::size_t refusedAt = 0;
  };
  const Case cases[] = {
      {FieldCharacters::kStationName, "Sea-Hawk/2 (a+b).,*", "SEA-HAWK/2 (A+B).,*"},
      {FieldCharacters::kStationName, "SEA_HAWK", nullptr, 3},
      {FieldCharacters::kStationName, "S\xC3\x98REN", nullptr, 1},  // UTF-8 "Ø"
      {FieldCharacters::kStationName, "", ""},
      {FieldCharacters::kChannelNumber, "7n", "7n"},
      {FieldCharacters::kChannelNumber, "7N", nullptr, 1},  // only a lower-case n
      {FieldCharacters::kFrequency, "156.025", "156.025"},
      {FieldCharacters::kFrequency, "156,025", nullptr, 3},
      {FieldCharacters::kDigits, "211234567", "211234567"},
      {FieldCharacters::kDigits, "21 1", nullptr, 2},
      {FieldCharacters::kStatusName, "ab1", "AB1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::size_t refusedAt = 99;
    const std::optional<std::string> taken = TakenText(c.field, c.text, &refusedAt);
    ASSERT_EQ(taken.has_value(), c.taken != nullptr);
    if (taken) {
      EXPECT_EQ(*taken, c.taken);
    } else {
      EXPECT_EQ(refusedAt, c.refusedAt);
    }
  }
}

}  // namespace
}  // namespace kol
