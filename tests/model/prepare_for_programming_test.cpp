#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>
#include <vector>

#include "model/codec_fixtures.h"
#include "model/image_codec.h"

namespace kol {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Patch = std::vector<std::pair<int, Bytes>>;

// The default plans' first enabled channels: Group1 starts at 01A (position 3), Group2 and
// Group3 at 01 (position 2).
struct PrepareCase {
  const char* name;
  Patch image;  // on an all-zero image: operating mode 0, group 0, no usable group
  std::function<void(SettingsModel&)> change;
  Patch expected;  // the only bytes that may change
};

void PrintTo(const PrepareCase& c, std::ostream* os) { *os << c.name; }

void Apply(RadioImage& image, const Patch& patch) {
  for (const auto& [offset, bytes] : patch) {
    for (std::size_t i = 0; i < bytes.size(); ++i) image[offset + i] = bytes[i];
  }
}

void NoChange(SettingsModel&) {}

void DisableGroup1(SettingsModel& model) {
  for (ChannelRecord& record : model.group[0]) record.enable = false;
}

const PrepareCase kCases[] = {
    {"usable channel stays",
     {{0x10, {1}}, {0x104, {0x80}}, {0x08, {0x00, 0x20, 0x12, 0x34}}}, NoChange,
     {{0x08, {0x00, 0x20, 0x00, 0x20}}}},
    {"bit 7 of the stored channel is dropped",
     {{0x10, {1}}, {0x104, {0x80}}, {0x08, {0x80, 0x20}}}, NoChange,
     {{0x08, {0x00, 0x20, 0x00, 0x20}}}},
    {"unusable group 0 moves to group 1",
     {{0x11, {1}}, {0x140, {0x20}}, {0x08, {0x00, 0x02}}}, NoChange,
     {{0x06, {1}}, {0x08, {0x00, 0x02, 0x00, 0x02}}}},
    {"unusable group 1 moves to group 2 before group 0",
     {{0x06, {1}}, {0x10, {1, 0, 1}}}, NoChange,
     {{0x06, {2}}, {0x08, {0x00, 0x02, 0x00, 0x02}}}},
    {"unusable group 2 moves to group 0 before group 1",
     {{0x06, {2}}, {0x10, {1, 1, 0}}}, NoChange,
     {{0x06, {0}}, {0x08, {0x00, 0x03, 0x00, 0x03}}}},
    {"no usable group keeps the group and takes its first channel",
     {{0x06, {1}}, {0x140, {0xFF}}}, NoChange,
     {{0x08, {0x00, 0x02, 0x00, 0x02}}}},
    {"disabled channel falls back to the plan's first enabled channel",
     {{0x10, {1}}, {0x08, {0x00, 0x20}}}, NoChange,
     {{0x08, {0x00, 0x03, 0x00, 0x03}}}},
    {"empty plan falls back to the first enabled EXP channel as its code",
     {{0x10, {1}}, {0x08, {0x00, 0x20}}},
     [](SettingsModel& m) {
       DisableGroup1(m);
       m.exp[2].enable = m.exp[7].enable = true;
     },
     {{0x08, {0x00, 0xF2, 0x00, 0xF2}}}},
    {"nothing enabled leaves the channel", {{0x10, {1}}, {0x08, {0x00, 0x20, 0x12, 0x34}}},
     DisableGroup1, {}},
    {"usable EXP channel stays", {{0x13, {1}}, {0x1C2, {0x04}}, {0x08, {0x00, 0xF5}}}, NoChange,
     {{0x08, {0x00, 0xF5, 0x00, 0xF5}}}},
    {"EXP channel needs a usable Exp CH group",
     {{0x10, {1}}, {0x1C2, {0x04}}, {0x08, {0x00, 0xF5}}}, NoChange,
     {{0x08, {0x00, 0x03, 0x00, 0x03}}}},
    {"channel code past EXP40 is no channel", {{0x13, {1}}, {0x1C2, {0xFF}}, {0x08, {0x01, 0x18}}},
     NoChange, {{0x08, {0x00, 0x03, 0x00, 0x03}}}},
    {"operating group out of range leaves the channel but sets the MMSI byte",
     {{0x06, {5}}, {0x08, {0x00, 0x20}}}, [](SettingsModel& m) { m.dscBasic.userMmsi = "123"; },
     {{0x59, {1}}}},
    {"enabled weather channel stays", {{0x07, {1}}, {0x0C, {3}}, {0x1C0, {0x10}}}, NoChange,
     {{0x08, {0x00, 0x03}}}},
    {"disabled weather channel falls back to the first enabled one",
     {{0x07, {1}}, {0x0C, {3}}, {0x1C0, {0xEF, 0xFF}}},
     [](SettingsModel& m) {
       for (int w = 0; w < 5; ++w) m.weather[w].enable = false;
     },
     {{0x0C, {5}}, {0x08, {0x00, 0x05}}}},
    {"no enabled weather channel leaves it", {{0x07, {1}}, {0x0C, {3}}},
     [](SettingsModel& m) {
       for (ChannelRecord& record : m.weather) record.enable = false;
     },
     {}},
    {"weather channel out of range is kept and copied", {{0x07, {1}}, {0x0C, {12}}}, NoChange,
     {{0x08, {0x00, 0x0C}}}},
    {"other operating modes only set the MMSI byte", {{0x07, {2}}, {0x59, {7}}},
     [](SettingsModel& m) { m.dscBasic.userMmsi = " \t"; }, {{0x59, {0}}}},
};

class Prepare : public ::testing::TestWithParam<PrepareCase> {};

TEST_P(Prepare, FixesOnlyTheOperatingBytes) {
  SettingsModel model = test::BuiltModel();
  GetParam().change(model);
  RadioImage image = test::FilledImage(0x00);
  Apply(image, GetParam().image);
  RadioImage expected = image;
  Apply(expected, GetParam().expected);

  PrepareForProgramming(model, image);
  EXPECT_EQ(test::Difference(expected, image), (std::map<int, std::uint8_t>{}));
}

INSTANTIATE_TEST_SUITE_P(Codec, Prepare, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace kol
