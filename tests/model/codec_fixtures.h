// Models, profiles and images the codec tests start from: default plans built as a new
// document builds them, with and without weather channels, and random images.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string_view>

#include "model/model_profile.h"
#include "model/radio_image.h"
#include "model/settings_model.h"
#include "model/value_tables.h"

namespace kol::test {

inline SettingsModel BuiltModel() {
  static const SettingsModel kBuilt = [] {
    SettingsModel model;
    for (int group = 0; group < 3; ++group) BuildChannelPlan(group, model.group[group]);
    BuildWeatherPlan(model.weather);
    return model;
  }();
  return kBuilt;
}

inline ModelProfile Profile(bool weather) {
  ModelProfile profile;
  profile.weather = weather;
  return profile;
}

inline RadioImage FilledImage(std::uint8_t value) {
  RadioImage image;
  for (std::uint8_t& byte : image.Bytes()) byte = value;
  return image;
}

// Bytes drawn from what an image holds: anything, blank, zero, packed digits or name
// characters, so that MMSIs, frequencies and names are often valid.
inline RadioImage RandomImage(std::mt19937& random) {
  static constexpr std::string_view kChars = "AZaz09-+().*/, ";
  RadioImage image;
  for (std::uint8_t& byte : image.Bytes()) {
    const std::uint32_t r = random();
    const std::uint32_t pick = r % 100;
    const std::uint32_t v = r >> 8;
    if (pick < 30) byte = static_cast<std::uint8_t>(v);
    else if (pick < 50) byte = 0xFF;
    else if (pick < 60) byte = 0x00;
    else if (pick < 85) byte = static_cast<std::uint8_t>((v % 10) << 4 | (v / 10) % 10);
    else byte = static_cast<std::uint8_t>(kChars[v % kChars.size()]);
  }
  return image;
}

// Offset -> XOR of the two images at every byte where they differ.
inline std::map<int, std::uint8_t> Difference(const RadioImage& a, const RadioImage& b) {
  std::map<int, std::uint8_t> diff;
  for (std::size_t i = 0; i < a.Size(); ++i) {
    if (a[i] != b[i]) diff[static_cast<int>(i)] = static_cast<std::uint8_t>(a[i] ^ b[i]);
  }
  return diff;
}

}  // namespace kol::test
