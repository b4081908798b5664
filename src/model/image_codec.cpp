#include "model/image_codec.h"

#include <algorithm>

#include "model/image_codec_parts.h"

namespace kol {
namespace {

namespace im = image_map;

bool AnyEnabled(const auto& records) {
  return std::any_of(records.begin(), records.end(), [](const auto& r) { return r.enable; });
}

// A group without a single enabled channel cannot be offered on the radio.
void DropEmptyGroups(SettingsModel& model) {
  for (int i = 0; i < 3; ++i) {
    if (!AnyEnabled(model.group[i])) model.usable.group[i].usable = false;
  }
  if (!AnyEnabled(model.exp)) model.usable.group[kExpGroup].usable = false;
}

}  // namespace

void DecodeImage(const RadioImage& image, const ModelProfile& profile, SettingsModel& model) {
  DecodeGeneral(image, model);
  for (int i = 0; i < 3; ++i) codec::DecodePlan(image, im::kGroupBlocks[i], model.group[i]);
  if (profile.weather) codec::DecodePlan(image, im::kWeatherBlocks, model.weather);
  codec::DecodeDirectory(image, im::kIndividualDirectory, model.individualDirectory);
  codec::DecodeDirectory(image, im::kGroupDirectory, model.groupDirectory);
  codec::DecodeExpChannels(image, model.exp);
}

void EncodeImage(SettingsModel& model, const ModelProfile& profile, RadioImage& image) {
  if (profile.IsBuiltIn()) DropEmptyGroups(model);
  codec::EncodeGeneral(model, image);
  for (int i = 0; i < 3; ++i) codec::EncodePlan(model.group[i], im::kGroupBlocks[i], image);
  if (profile.weather) codec::EncodePlan(model.weather, im::kWeatherBlocks, image);
  codec::EncodeDirectory(model.individualDirectory, im::kIndividualDirectory, image);
  codec::EncodeDirectory(model.groupDirectory, im::kGroupDirectory, image);
  codec::EncodeExpChannels(model.exp, image);
}

}  // namespace kol
