// Before the image leaves the program, the radio's operating group and channel must name
// something it can actually tune to, or the radio starts on a disabled channel.
#include <algorithm>
#include <array>

#include "model/formatters.h"
#include "model/image_codec.h"
#include "model/image_map.h"

namespace kol {
namespace {

namespace im = image_map;

constexpr int kChannelMode = 0;
constexpr int kWeatherMode = 1;
constexpr int kGroupCount = 3;

// Where to go from an unusable operating group, in order of preference.
constexpr std::array<std::array<int, 2>, kGroupCount> kFallbackGroups = {{{1, 2}, {2, 0}, {0, 1}}};

bool GroupUsable(const RadioImage& image, int group) {
  return image[im::kUsableFlags + group] != 0;
}

template <typename Records>
int FirstEnabled(const Records& records) {
  const auto it =
      std::find_if(records.begin(), records.end(), [](const auto& r) { return r.enable; });
  return it == records.end() ? -1 : static_cast<int>(it - records.begin());
}

void FixOperatingGroup(RadioImage& image) {
  int group = image[im::kOperatingGroup];
  if (group < kGroupCount && !GroupUsable(image, group)) {
    for (int candidate : kFallbackGroups[group]) {
      if (GroupUsable(image, candidate)) {
        group = candidate;
        break;
      }
    }
  }
  image[im::kOperatingGroup] = static_cast<std::uint8_t>(group);
}

bool ChannelUsable(const RadioImage& image, int group, int channel) {
  if (channel >= 0 && channel < kChannelTableSize) {
    return GroupUsable(image, group) &&
           image.ReadBitmapFlag(im::kGroupBlocks[group].enable, channel);
  }
  if (channel >= kFirstExpCode && channel <= kLastExpCode) {
    return GroupUsable(image, kExpGroup) &&
           image.ReadBitmapFlag(im::kExpBlocks.enable, channel - kFirstExpCode);
  }
  return false;
}

// The channel to operate on: the current one if usable, else the first enabled channel of
// the group, else the first enabled EXP channel (as its channel code), else none (-1).
int OperatingChannel(const SettingsModel& model, const RadioImage& image, int group) {
  const int current = image.ReadCh15(im::kOperatingChannel);
  if (ChannelUsable(image, group, current)) return current;
  if (const int position = FirstEnabled(model.group[group]); position >= 0) return position;
  if (const int exp = FirstEnabled(model.exp); exp >= 0) return kFirstExpCode + exp;
  return -1;
}

void FixOperatingChannel(const SettingsModel& model, RadioImage& image) {
  FixOperatingGroup(image);
  const int group = image[im::kOperatingGroup];
  if (group >= kGroupCount) return;
  const int channel = OperatingChannel(model, image, group);
  if (channel < 0) return;
  image.WriteCh15(im::kOperatingChannel, channel);
  image.WriteCh15(im::kSecondOperatingChannel, channel);
}

void FixWeatherChannel(const SettingsModel& model, RadioImage& image) {
  int channel = image[im::kOperatingWeatherChannel];
  if (channel < kWeatherChannelCount && !image.ReadBitmapFlag(im::kWeatherBlocks.enable, channel)) {
    channel = FirstEnabled(model.weather);
  }
  if (channel < 0) return;
  image[im::kOperatingWeatherChannel] = static_cast<std::uint8_t>(channel);
  image.WriteCh15(im::kOperatingChannel, channel);
}

}  // namespace

void PrepareForProgramming(const SettingsModel& model, RadioImage& image) {
  const int mode = image[im::kOperatingMode];
  if (mode == kChannelMode) FixOperatingChannel(model, image);
  if (mode == kWeatherMode) FixWeatherChannel(model, image);
  image[im::kUserMmsiPresent] = TrimBlanks(model.dscBasic.userMmsi).empty() ? 0 : 1;
}

}  // namespace kol
