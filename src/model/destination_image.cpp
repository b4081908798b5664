#include "model/destination_image.h"

#include <algorithm>
#include <string>

#include "model/default_document.h"
#include "model/image_codec.h"
#include "model/image_map.h"
#include "model/model_profile.h"
#include "model/settings_model.h"
#include "model/setup_rules.h"
#include "model/value_tables.h"

namespace kol {
namespace {

constexpr std::int16_t kResumeSeconds = 3;

// The factory image leaves some settings at 0xFF, which no list of the editor offers.
void ChooseSaneSettings(int group, SettingsModel& model) {
  const int channel16 = ChannelPosition("16");
  for (int g = kGroup1; g <= kExpGroup; ++g) {
    const bool own = g == group;
    SetGroupUsable(model.usable, g, own);  // as the editor does: no EXP use without the group
    model.dscBasic.usableGroup[g] = own;
    model.atis.usableGroup[g] = own;
  }
  CommonSetup& common = model.common;
  common.startingChannelMode = 0;  // "Last CH"
  common.channelNo = channel16;
  common.scan = true;
  common.resumeTime = kResumeSeconds;
  common.offsetTime = 0;
  common.timeDisplay = false;  // UTC
  common.weatherAlertMode = 0;           // weather alert off
  AutoPosSlot& slot = model.autoPos.slot[1];
  slot.enable = false;
  slot.channel = std::to_string(channel16);
  slot.interval = "0";  // "OFF"
  slot.selectCall = 0;  // "Individual"
  slot.lastAddress = 0;
}

}  // namespace

RadioImage MakeDestinationImage(int group) {
  ModelProfile profile;
  profile.atis = profile.weather = profile.weatherAlert = true;
  SettingsModel model;
  RadioImage image;
  BuildNewDocument(model, image, profile);
  ChooseSaneSettings(group, model);
  EncodeImage(model, profile, image);
  image[image_map::kOperatingGroup] = static_cast<std::uint8_t>(group);
  image[image_map::kOperatingMode] = 0;
  PrepareForProgramming(model, image);
  // Programming sends the product code's bytes with the block around them, so an image
  // that starts a new document must hold the radio's own there, not the factory's 0xFF.
  std::copy(image_map::kProductCodeBytes.begin(), image_map::kProductCodeBytes.end(),
            image.Bytes().begin() + image_map::kProductCode);
  return image;
}

}  // namespace kol
