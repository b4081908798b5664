// A small document for the report tests: every field the report shows is set away from
// its default, and the plans are cut down to a few channels so the report stays short.
#pragma once

#include "model/model_profile.h"
#include "model/settings_model.h"
#include "model/value_tables.h"

namespace kol::test {

inline ModelProfile FullProfile() {
  ModelProfile profile;
  profile.atis = true;
  profile.weather = true;
  profile.weatherAlert = true;
  return profile;
}

// Keeps the listed channels of a default plan enabled and disables the rest.
inline void KeepOnly(ChannelPlan& plan, std::initializer_list<const char*> channels) {
  for (ChannelRecord& record : plan) record.enable = false;
  for (const char* channel : channels) plan[ChannelPosition(channel)].enable = true;
}

inline SettingsModel SmallDocument() {
  SettingsModel model;
  for (int group = kGroup1; group <= kGroup3; ++group) BuildChannelPlan(group, model.group[group]);
  KeepOnly(model.group[kGroup1], {"01A", "15", "16", "24"});
  ChannelRecord& usa16 = model.group[kGroup1][ChannelPosition("16")];
  usa16.scanMemory = true;
  usa16.powerUp = true;
  model.group[kGroup1][ChannelPosition("01A")].lowPower = true;
  KeepOnly(model.group[kGroup2], {"06", "60"});
  model.group[kGroup2][ChannelPosition("06")].duplex = true;  // duplex where the plan has none
  KeepOnly(model.group[kGroup3], {});                          // all disabled

  BuildWeatherPlan(model.weather);
  model.weather[1].enable = false;
  model.weather[2].scanMemory = true;

  ExpChannelRecord& exp1 = model.exp[0];
  exp1 = {true, true, true, true, true, "A", "1", 156.0375, 156.0312};
  model.exp[1] = {true, false, false, false, false, "BC", "", 157.1, 0.0};
  model.exp[39] = {false, false, false, false, false, "", "Z", 0.0, 160.5};

  UsableSetup& usable = model.usable;
  usable.group[0] = {true, 32, "USA"};
  usable.group[1] = {false, 241, ""};
  usable.group[2] = {true, 300, "CAN"};
  usable.group[3] = {true, 0, "EXP"};
  usable.expChGroup = {true, false, true};

  CommonSetup& common = model.common;
  common = {1, 33, 2, true, 3, true, -11, true, 2};

  DscBasicSetup& basic = model.dscBasic;
  basic.usableGroup = {true, false, true, true};
  basic.userMmsi = "123456789";
  basic.beepOut = {true, false, true, false, true, false, true, true};
  basic.distressCancelCall = true;

  for (int type = 0; type < kCallTypeCount; ++type) {
    for (int category = 0; category < 4; ++category) {
      model.dscAdvanced.call[type].receive[category] = (type + category) % 2 == 0;
      model.dscAdvanced.call[type].tx[category] = (type + category) % 3 == 0;
    }
  }
  model.dscDisplay = {true, false, true};

  AutoPosSlot& slot = model.autoPos.slot[1];
  slot.enable = true;
  slot.channel = "32";
  slot.interval = "10";
  slot.selectCall = 1;
  slot.lastAddress = 2;
  slot.mmsi = "987654321";

  model.atis.usableGroup = {true, false, false, true};
  model.atis.atisCode = "9123456789";

  model.individualDirectory[0] = {true, "HARBOUR", "123456789", {}};
  model.individualDirectory[1] = {true, "A NAME TOO LONG", "0123456789", {}};
  model.individualDirectory[2] = {true, "", "211000001", {}};
  model.groupDirectory[0] = {true, "FLEET", "012345678", {}};
  model.groupDirectory[1] = {true, "CLUB", "023456789", {}};
  return model;
}

}  // namespace kol::test
