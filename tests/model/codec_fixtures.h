// Models and profiles the codec tests start from: default plans built as a new document
// builds them, with and without weather channels.
#pragma once

#include <cstdint>
#include <map>

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

// Offset -> XOR of the two images at every byte where they differ.
inline std::map<int, std::uint8_t> Difference(const RadioImage& a, const RadioImage& b) {
  std::map<int, std::uint8_t> diff;
  for (std::size_t i = 0; i < a.Size(); ++i) {
    if (a[i] != b[i]) diff[static_cast<int>(i)] = static_cast<std::uint8_t>(a[i] ^ b[i]);
  }
  return diff;
}

}  // namespace kol::test
